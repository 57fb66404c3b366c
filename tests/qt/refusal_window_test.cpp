// Refusals in the real window: a saved game whose file is a link planted to lead out of the
// puzzle's folder, and an image file cut short, are each told in a message box and change nothing.
// With GW_SHOT_DIR set under xvfb-run the boxes are photographed.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <filesystem>

#include "DialogDriver.h"
#include "ShownWindow.h"
#include "frontends/qt/MainWindow.h"
#include "frontends/qt/QtPlatform.h"
#include "files/FileCommands.h"
#include "files/ToolsCommands.h"
#include "support/TestApp.h"

namespace gw {
namespace {

struct RefusalWindow : ::testing::Test {
  QtPlatform ui;
  App app{ui};
  MainWindow w{ui, app};
  QString folder = QDir::tempPath() + "/gw-refusal-" + QString::number(QCoreApplication::applicationPid());

  void SetUp() override {
    QDir().mkpath(folder + "/puzzles");
    test::ShowMainWindow(ui, w, app, {900, 700});
  }
  void TearDown() override { QDir(folder).removeRecursively(); }

  // The text of the next message box, photographed as `shot` when screenshots are asked for.
  void CatchMessage(QString& text, const char* shot) {
    test::WhenModal<QMessageBox>([&text, shot](QMessageBox& box) {
      text = box.text();
      QString dir = qEnvironmentVariable("GW_SHOT_DIR");
      if (!dir.isEmpty() && QGuiApplication::platformName() == "xcb") {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&box));
        QTest::qWait(500);
        QGuiApplication::primaryScreen()->grabWindow(0).save(dir + "/" + shot);
      }
      box.accept();
    });
  }
};

#ifndef _WIN32
TEST_F(RefusalWindow, ASavedGameLinkedOutOfTheFolderIsRefusedAndNamed) {
  test::MakeBoard(app, 25, 22, 3, 3);
  app.puzzle.Mode = kModePlay;
  test::SetRowHints(app, 1, {2, 3});
  test::SetColHints(app, 1, {1});
  std::string puzzle = (folder + "/puzzles/castle.non").toStdString();
  app.document.CurPath = puzzle;
  app.document.CurFolder = (folder + "/puzzles").toStdString();
  app.document.CurFileName = "castle.non";
  app.puzzle.Grid[2][2] = 1;
  app.document.Dirty = 1;
  std::string notes = (folder + "/notes.txt").toStdString();
  test::WriteFileBytes(notes, "my notes");
  std::filesystem::create_symlink("../notes.txt", puzzle + ".gwq");
  QString text;
  CatchMessage(text, "refusal-link.png");
  EXPECT_FALSE(SaveCommand(app));
  EXPECT_TRUE(text.contains(QString::fromStdString("castle.non.gwq")) && text.contains(QString::fromStdString(notes)))
      << text.toStdString();
  EXPECT_EQ(test::ReadFileBytes(notes), "my notes");
  EXPECT_EQ(app.document.Dirty, 1) << "a refused save left the game unsaved";
}
#endif

TEST_F(RefusalWindow, AnImageCutShortIsRefusedAsSuch) {
  // A BMP whose header says 100 x 100 at 24 bits, with ten of its 30 000 bytes of pixels.
  QByteArray bmp = QByteArray::fromHex(
      "424d667500000000000036000000280000006400000064000000010018000000000030750000130b0000130b0000"
      "00000000000000004040404040404040404040");
  QString path = folder + "/cut.bmp";
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bmp);
  file.close();
  int width = app.puzzle.XSize;
  test::WhenModal<QDialog>([&](QDialog& box) {
    if (auto* files = qobject_cast<QFileDialog*>(&box))
      test::ChooseFile(*files, path);
    else
      box.accept();
  });
  QString text;
  CatchMessage(text, "refusal-cut-image.png");
  ImportCommand(app);
  EXPECT_TRUE(text.startsWith("画像のデータが途中で切れています。")) << text.toStdString();
  EXPECT_EQ(app.puzzle.XSize, width);
}

}  // namespace
}  // namespace gw
