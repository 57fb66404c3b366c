// Gridwick: nonogram puzzles, monochrome and colour, in one main window.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "App.h"
#include "mainwnd/MainWnd.h"
#include "files/StartFile.h"
#include "system/FileError.h"
#include "system/FileSystem.h"
#include "system/Memory.h"
#include "text/Language.h"
#include "system/UserFolder.h"
#include "frontends/qt/ImageSurface.h"
#include "frontends/qt/MainWindow.h"
#include "frontends/qt/QtPlatform.h"
#include "state/WindowState.h"

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

// Options that are answered on the terminal: they must work without a display.
bool AsksTheTerminal(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    for (const char* option : {"-h", "--help", "--help-all", "-v", "--version"})
      if (std::strcmp(argv[i], option) == 0) return true;
  return false;
}

const QCommandLineOption kUserFolder(
    "user-folder",
    "Work in the per-user puzzle folder ($XDG_DATA_HOME/gridwick/puzzles, by default "
    "~/.local/share/gridwick/puzzles), made and filled with the sample puzzles on first start. "
    "Without it Gridwick works in the current folder.");

// Parses the command line; --help, --version and unknown options are answered on the terminal
// and end the program.
void ParseCommandLine(const QCoreApplication& app, QCommandLineParser& parser) {
  parser.setApplicationDescription("Gridwick: nonogram (picture logic) puzzles, monochrome and in colour.");
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption(kUserFolder);
  parser.addPositionalArgument(
      "FILE",
      "A file to open once the window is up, by its kind: a puzzle (.gwm .gwc .xml .non .g) for play, "
      "a picture (.gwk .gwa) in image input mode, a saved game (.gwp) with its puzzle, an image "
      "(.png .jpg .jpeg .bmp .gif) in the dialog that makes a puzzle of it. A file that cannot be "
      "opened gets its message and the program starts as usual. Of several files, the first.",
      "[FILE...]");
  parser.process(app);
}

// The file to open, as a full path: the per-user folder option moves the program elsewhere before
// the file is opened. Empty when none was named.
std::string StartFile(const QCommandLineParser& parser) {
  const QStringList files = parser.positionalArguments();
  if (files.isEmpty()) return "";
  if (files.size() > 1)
    std::fprintf(stderr, "gridwick: one file at a time: opening %s, not the other %d.\n",
                 qPrintable(files.first()), int(files.size() - 1));
  // Paths are UTF-8 throughout the program, as its file dialogs give them.
  return QFileInfo(files.first()).absoluteFilePath().toStdString();
}

void NameTheProgram() {
  QCoreApplication::setApplicationName("Gridwick");
  QCoreApplication::setApplicationVersion(GW_VERSION);
}

int NoDisplay() {
  std::fprintf(stderr,
               "gridwick: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
               "Start it from a desktop session, or without one under a virtual display:\n"
               "  xvfb-run -a -s \"-screen 0 1280x1024x24\" gridwick\n"
               "gridwick: 画面(ディスプレイ)が見つかりません。デスクトップから起動するか、xvfb-run で起動してください。\n");
  return 1;
}

// The installed sample puzzles, found from where the program itself lies.
std::string InstalledSamples() {
  return QDir(QCoreApplication::applicationDirPath()).filePath(GW_SAMPLES_FROM_BIN).toStdString();
}

// The installed collection lies beside the samples (share/gridwick/collection); a build run from
// its own folder has none.
std::string InstalledCollection() {
  QDir collection(QString::fromStdString(InstalledSamples()) + "/../collection");
  return collection.exists() ? collection.canonicalPath().toStdString() : "";
}

// Moves into the per-user folder before start-up reads the settings file there; when that fails
// the program says why and works in the current folder.
void EnterUserFolder() {
  std::string folder = gw::UserPuzzleFolder();
  try {
    if (folder.empty()) throw gw::FileError(gw::kErrPathAccess);
    gw::PrepareUserFolder(folder, InstalledSamples());
    gw::ChangeDirectory(folder);
  } catch (const gw::FileError& e) {
    std::fprintf(stderr, "gridwick: cannot use the puzzle folder %s (%s); working in %s instead.\n",
                 folder.c_str(), e.what(), gw::CurrentDirectory().c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  gw::UseOneHeap();
  if (AsksTheTerminal(argc, argv) || !HasDisplay()) {
    QCoreApplication terminal(argc, argv);
    NameTheProgram();
    QCommandLineParser parser;
    ParseCommandLine(terminal, parser);
    return NoDisplay();
  }
  gw::InstallFontSubstitutions();
  QApplication qtApp(argc, argv);
  NameTheProgram();
  QCommandLineParser parser;
  ParseCommandLine(qtApp, parser);
  const std::string startFile = StartFile(parser);
  if (parser.isSet(kUserFolder)) EnterUserFolder();
  // After QApplication, which sets the locale from the environment as it likes.
  const gw::Language language = gw::ChooseLanguage();
  QTranslator qtJapanese;
  if (language == gw::Language::Japanese) {
    if (qtJapanese.load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      QApplication::installTranslator(&qtJapanese);
    QFont font(gw::kMinchoFont);
    font.setPointSize(10);
    QApplication::setFont(font);
  }
  // In English the window keeps the desktop's own font and Qt's own English buttons; the board
  // draws its hints in its font either way.

  gw::QtPlatform platform;
  gw::App app(platform);
  app.wnd.collectionFolder = InstalledCollection();
  gw::MainWindow window(platform, app);
  platform.SetWindow(&window);
  window.show();
  gw::MainWndLoad(app);
  // Opened from the event loop, as a menu command is, once the window has been shown.
  if (!startFile.empty()) QTimer::singleShot(0, &window, [&app, &startFile] { gw::OpenStartFile(app, startFile); });
  return qtApp.exec();
}
