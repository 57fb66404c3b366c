// The library window over a store another program has been at: rows planted with values out of
// range, and tables rewritten while the window is open. The window neither crashes nor shows the
// planted values, and says once what it did with a damaged store. With GW_SHOT_DIR set under
// xvfb-run it also takes screenshots of both.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <filesystem>

#if GW_HAVE_SQLITE
#include "../library/StoreTamper.h"

#include "ShownWindow.h"
#include "frontends/qt/views/LibraryView.h"
#include "files/LibraryCommands.h"
#include "system/FileSystem.h"
#include "state/PuzzleState.h"
#include "support/TestApp.h"

namespace gw {
namespace {

const char* const kPlusNon = "title \"Plus\"\nwidth 3\nheight 3\nrows\n1\n3\n1\ncolumns\n1\n3\n1\n";
const char* const kBarNon = "title \"Bar\"\nwidth 2\nheight 1\nrows\n2\ncolumns\n1\n1\n";

using test::Tamper;
using test::kCorruptPlays;

void Shot(const char* name) {
  QString shots = qEnvironmentVariable("GW_SHOT_DIR");
  if (shots.isEmpty() || QGuiApplication::platformName() != "xcb") return;
  QGuiApplication::primaryScreen()->grabWindow(0).save(shots + "/" + name);
}

struct LibraryStoreWindowTest : ::testing::Test {
  test::TempDir dir;
  QtPlatform ui;
  App app{ui};
  MainWindow w{ui, app};
  std::string file = LibraryStoreFile(CurrentDirectory());
  // Every message box shown, answered as it comes; `shot` names the screenshot of the first.
  std::vector<std::string> said;
  const char* shot = nullptr;
  int ticks = 0;
  QTimer watch;

  void SetUp() override {
    if (!LibraryAvailable()) GTEST_SKIP() << "no library in this build";
    test::ShowMainWindow(ui, w, app);
    test::WriteFileBytes(dir.File("plus.non"), kPlusNon);
    test::WriteFileBytes(dir.File("bar.non"), kBarNon);
    QObject::connect(&watch, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      // The first box stays a moment, to be drawn for its screenshot.
      if (shot && said.empty() && ++ticks < 8) return;
      if (shot && said.empty()) Shot(shot);
      said.push_back(box->text().toStdString());
      box->done(QMessageBox::Ok);
    });
    watch.start(50);
  }
  QTableView* Table() { return ui.library()->findChild<QTableView*>(); }
  void Settle() {
    app.library->library->WaitIdle();
    LibraryPoll(app);
    ui.library()->Reload();
  }
  QString Cell(int row, int column) { return Table()->model()->index(row, column).data().toString(); }
  // The library shown afresh from the store file, as in a later run.
  void ShowFromStore() {
    ui.library()->hide();
    app.library.reset();
    LibraryCommand(app);
    ui.library()->resize(1100, 400);
    ui.library()->move(10, 10);
  }
};

TEST_F(LibraryStoreWindowTest, PlantedValuesAreReadAgainFromTheFiles) {
  LibraryCommand(app);
  Settle();
  app.library->library->store().AddSolve(dir.File("plus.non"), 60, "12-09-2026");
  app.library->library->store().AddSolve(dir.File("bar.non"), 75, "12-09-2026");
  Tamper(file, "UPDATE puzzles SET rating = 100000 WHERE title = 'Plus';"
               "UPDATE puzzles SET height = -5 WHERE title = 'Bar';"
               "UPDATE solves SET seconds = 9e999 WHERE seconds = 60");
  ShowFromStore();
  Settle();
  ASSERT_EQ(Table()->model()->rowCount(), 2);
  QTest::qWait(300);
  Shot("library-planted-rows.png");
  EXPECT_EQ(Cell(0, kColTitle), "Bar");
  EXPECT_EQ(Cell(0, kColSize), "2×1");
  EXPECT_EQ(Cell(0, kColBest), "1:15");
  EXPECT_EQ(Cell(1, kColTitle), "Plus");
  EXPECT_EQ(Cell(1, kColRating), "やさしい");
  EXPECT_EQ(Cell(1, kColBest), "");  // the one solve recorded had no time a play can have
  EXPECT_FALSE(Table()->model()->index(1, kColPicture).data(Qt::DecorationRole).value<QPixmap>().isNull());
  EXPECT_TRUE(said.empty()) << said[0];
}

TEST_F(LibraryStoreWindowTest, TablesRewrittenWhileTheWindowIsOpenAreSetAsideOnce) {
  LibraryCommand(app);
  Settle();
  ui.library()->resize(1100, 400);
  ui.library()->move(10, 10);
  Tamper(file, kCorruptPlays);
  shot = "library-store-rewritten.png";
  ui.library()->activateWindow();
  Table()->setFocus();
  Table()->setCurrentIndex(Table()->model()->index(1, kColTitle));
  QTest::keyClick(Table(), Qt::Key_Return);
  QTest::qWait(1500);  // a few polls of the window, each with results to save
  Settle();
  ASSERT_EQ(said.size(), 1u);
  EXPECT_NE(said[0].find("書き込むとき"), std::string::npos) << said[0];
  EXPECT_NE(said[0].find("gridwick-library.sqlite.damaged"), std::string::npos) << said[0];
  EXPECT_TRUE(std::filesystem::exists(file + ".damaged"));
  EXPECT_EQ(app.puzzle.Title, "Plus");
  ASSERT_EQ(Table()->model()->rowCount(), 2);
  EXPECT_EQ(Cell(1, kColRating), "やさしい");
  ui.library()->raise();
  QTest::qWait(300);
  Shot("library-store-rebuilt.png");
}

}  // namespace
}  // namespace gw
#endif
