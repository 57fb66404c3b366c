// Gridwick: nonogram puzzles, monochrome and colour, in one main window.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

#include "App.h"
#include "mainwnd/MainWnd.h"
#include "platform/qt/ImageSurface.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtPlatform.h"

namespace {

bool HasDisplay() {
#ifdef _WIN32
  return true;  // a Windows session always has its desktop
#else
  const char* qpa = std::getenv("QT_QPA_PLATFORM");
  if (qpa && *qpa) return true;
  const char* x = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x && *x) || (wayland && *wayland);
#endif
}

}  // namespace

int main(int argc, char** argv) {
  if (!HasDisplay()) {
    std::fprintf(stderr,
                 "gridwick: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                 "Start it from a desktop session, or without one under a virtual display:\n"
                 "  xvfb-run -a -s \"-screen 0 1280x1024x24\" ./run.sh\n"
                 "gridwick: 画面(ディスプレイ)が見つかりません。xvfb-run で起動してください。\n");
    return 1;
  }
  gw::InstallFontSubstitutions();
  QApplication qtApp(argc, argv);
  QApplication::setApplicationName("Gridwick");
  QTranslator qtJapanese;
  if (qtJapanese.load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtJapanese);
  QFont font(gw::kMinchoFont);
  font.setPointSize(10);
  QApplication::setFont(font);

  gw::QtPlatform platform;
  gw::App app(platform);
  gw::MainWindow window(platform, app);
  platform.SetWindow(&window);
  window.show();
  gw::MainWndLoad(app);
  return qtApp.exec();
}
