// Reading an image for ツール → インポート in the real window: a header that claims too many
// pixels is refused before decoding, and a long decode shows the box with キャンセル, whose
// button stops the wait. With GW_SHOT_DIR set under xvfb-run it also takes a screenshot of the box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QScreen>
#include <QTest>
#include <random>

#include "DialogDriver.h"
#include "ShownWindow.h"
#include "frontends/qt/MainWindow.h"
#include "frontends/qt/QtPlatform.h"

namespace gw {
namespace {

struct ImageDecodeWindow : ::testing::Test {
  QtPlatform ui;
  App app{ui};
  MainWindow w{ui, app};
  QString folder = QDir::tempPath() + "/gw-image-decode-" + QString::number(QCoreApplication::applicationPid());

  void SetUp() override {
    QDir().mkpath(folder);
    test::ShowMainWindow(ui, w, app, {900, 700});
  }
  void TearDown() override { QDir(folder).removeRecursively(); }

  // A PNG of noise, which no compression shortens: it takes a while to decode.
  std::string NoisePng(int side) {
    QImage image(side, side, QImage::Format_RGB32);
    std::mt19937 rng(5);
    for (int y = 0; y < side; ++y) {
      auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < side; ++x) line[x] = rng() | 0xFF000000u;
    }
    QString path = folder + "/noise.png";
    image.save(path, "PNG", 100);
    return path.toStdString();
  }
};

TEST_F(ImageDecodeWindow, ALongDecodeShowsABoxWhoseCancelStopsTheWait) {
  std::string path = NoisePng(2048);
  ui.SetProgressDelay(0);  // the decode is faster than the half second a user waits
  bool boxSeen = false;
  QString shot = qEnvironmentVariable("GW_SHOT_DIR");
  test::WhenModal<QProgressDialog>([&](QProgressDialog& box) {
    boxSeen = true;
    EXPECT_EQ(box.labelText().toStdString(), "画像を読み込んでいます。しばらくお待ちください。");
    if (!shot.isEmpty() && QGuiApplication::platformName() == "xcb") {
      QTest::qWait(100);
      QGuiApplication::primaryScreen()->grabWindow(0).save(shot + "/image-decode-progress.png");
    }
    box.cancel();
  });
  ImagePixels pixels;
  EXPECT_EQ(ui.LoadImage(path, pixels), ImageLoad::Cancelled);
  EXPECT_TRUE(boxSeen);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the busy pointer stayed";

  ui.SetProgressDelay(60000);  // no box: the decode runs to its end
  ASSERT_EQ(ui.LoadImage(path, pixels), ImageLoad::Read);
  EXPECT_EQ(pixels.width, 400);
  EXPECT_EQ(pixels.height, 400);
}

TEST_F(ImageDecodeWindow, AHeaderClaimingTooManyPixelsIsRefusedUnread) {
  // The header of a 60000 x 60000 PNG with a few bytes of data: decoding would take gigabytes.
  const unsigned char bomb[] = {
      0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00,
      0xea, 0x60, 0x00, 0x00, 0xea, 0x60, 0x01, 0x00, 0x00, 0x00, 0x00, 0xa8, 0xa9, 0x48, 0xef, 0x00, 0x00, 0x00,
      0x0c, 0x49, 0x44, 0x41, 0x54, 0x78, 0xda, 0x63, 0x60, 0xa0, 0x0c, 0x00, 0x00, 0x00, 0x40, 0x00, 0x01, 0x89,
      0xc9, 0xaf, 0x43, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};
  QFile file(folder + "/bomb.png");
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(reinterpret_cast<const char*>(bomb), sizeof bomb);
  file.close();
  ImagePixels pixels;
  EXPECT_EQ(ui.LoadImage(file.fileName().toStdString(), pixels), ImageLoad::TooLarge);
  EXPECT_TRUE(pixels.rgb.empty());
}

}  // namespace
}  // namespace gw
