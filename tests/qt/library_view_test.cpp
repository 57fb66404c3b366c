// The library window on screen: its table shows the core's rows with their thumbnails, the search
// box and a column click reach the core's filter and sort. With GW_SHOT_DIR set under xvfb-run it
// also takes the screenshots of the library over a collection (GW_COLLECTION, or the repository's
// collection/ folder when there is one), sorted by difficulty, with a few puzzles solved.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "ShownWindow.h"
#include "frontends/qt/views/LibraryView.h"
#include "files/LibraryCommands.h"
#include "state/PuzzleState.h"
#include "state/WindowState.h"
#include "support/TestApp.h"

namespace gw {
namespace {

const char* const kPlusNon = "title \"Plus\"\nwidth 3\nheight 3\nrows\n1\n3\n1\ncolumns\n1\n3\n1\n";
const char* const kBarNon = "title \"Bar\"\nwidth 2\nheight 1\nrows\n2\ncolumns\n1\n1\n";

struct LibraryWindowTest : ::testing::Test {
  test::TempDir dir;
  QtPlatform ui;
  App app{ui};
  MainWindow w{ui, app};

  void SetUp() override {
    if (!LibraryAvailable()) GTEST_SKIP() << "no library in this build";
    test::ShowMainWindow(ui, w, app);
  }
  QTableView* Table() { return ui.library()->findChild<QTableView*>(); }
  void Settle() {
    app.library->library->WaitIdle();
    LibraryPoll(app);
    ui.library()->Reload();
  }
};

TEST_F(LibraryWindowTest, ShowsRowsThumbnailsSearchAndSort) {
  test::WriteFileBytes(dir.File("plus.non"), kPlusNon);
  test::WriteFileBytes(dir.File("bar.non"), kBarNon);
  LibraryCommand(app);
  ASSERT_NE(ui.library(), nullptr);
  Settle();
  QAbstractItemModel* model = Table()->model();
  ASSERT_EQ(model->rowCount(), 2);
  EXPECT_EQ(model->index(0, kColTitle).data().toString(), "Bar");
  QPixmap thumb = model->index(0, kColPicture).data(Qt::DecorationRole).value<QPixmap>();
  EXPECT_FALSE(thumb.isNull());
  Table()->horizontalHeader()->setSortIndicator(kColSize, Qt::DescendingOrder);
  EXPECT_EQ(model->index(0, kColTitle).data().toString(), "Plus");
  ui.library()->findChild<QLineEdit*>()->setText("bar");
  ASSERT_EQ(model->rowCount(), 1);
  EXPECT_EQ(model->index(0, kColFile).data().toString(), "bar.non");
}

// The whole shelf by keyboard: arrows choose, Return opens the puzzle for play, Escape puts the
// shelf away.
TEST_F(LibraryWindowTest, TheKeyboardChoosesOpensAndCloses) {
  test::WriteFileBytes(dir.File("plus.non"), kPlusNon);
  test::WriteFileBytes(dir.File("bar.non"), kBarNon);
  LibraryCommand(app);
  Settle();
  ui.library()->activateWindow();
  Table()->setFocus();
  Table()->setCurrentIndex(Table()->model()->index(0, kColTitle));
  QTest::keyClick(Table(), Qt::Key_Down);
  EXPECT_EQ(Table()->currentIndex().row(), 1);
  // A box here would be the colour question, needless for a puzzle in the table's own colours.
  std::string said;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      said = box->text().toStdString();
      box->done(0);
    }
  });
  watch.start(10);
  QTest::keyClick(Table(), Qt::Key_Return);
  watch.stop();
  EXPECT_EQ(said, "");
  EXPECT_EQ(app.puzzle.XSize, 3);
  EXPECT_EQ(app.puzzle.Title, "Plus");
  ASSERT_TRUE(ui.library()->isVisible());
  QTest::keyClick(Table(), Qt::Key_Escape);
  EXPECT_FALSE(ui.library()->isVisible());
  LibraryCommand(app);
  QTest::keyClick(ui.library()->findChild<QLineEdit*>(), Qt::Key_Escape);
  EXPECT_FALSE(ui.library()->isVisible());
}

std::string CollectionFolder() {
  std::string env = qEnvironmentVariable("GW_COLLECTION").toStdString();
  if (!env.empty()) return env;
  std::string repo = std::string(GW_SOURCE_DIR) + "/collection";
  return std::filesystem::exists(repo) ? repo : "";
}

TEST_F(LibraryWindowTest, ScreenshotOfTheCollectionByDifficulty) {
  QString shots = qEnvironmentVariable("GW_SHOT_DIR");
  if (shots.isEmpty() || QGuiApplication::platformName() != "xcb" || CollectionFolder().empty())
    GTEST_SKIP() << "screenshots are taken with GW_SHOT_DIR set under xvfb-run, with a collection";
  app.wnd.collectionFolder = CollectionFolder();
  LibraryCommand(app);
  Settle();
  // A few solves recorded, so that their thumbnails show the pictures.
  const auto& entries = app.library->library->Entries();
  for (size_t i = 0; i < entries.size(); i += 3)
    app.library->library->store().AddSolve(entries[i].facts.stamp.path, 60.0 + i, "12-09-2026");
  app.library->library->ReloadRecords();
  Table()->horizontalHeader()->setSortIndicator(kColRating, Qt::AscendingOrder);
  ui.library()->resize(1100, 760);
  ui.library()->move(10, 10);
  QTest::qWait(600);
  QGuiApplication::primaryScreen()->grabWindow(0).save(shots + "/library-by-difficulty.png");
  ui.library()->findChild<QLineEdit*>()->setText(QString::fromStdString(entries[0].facts.title));
  QTest::qWait(400);
  QGuiApplication::primaryScreen()->grabWindow(0).save(shots + "/library-solved-thumbnail.png");
}

}  // namespace
}  // namespace gw
