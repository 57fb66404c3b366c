// Where the library and the newer tools meet the main window: 終了 ends the program with the library
// window open, and live hints never move the board under the pointer. With GW_SHOT_DIR set under
// xvfb-run it also takes the screenshots of the library (at the scale QT_SCALE_FACTOR gives), the
// congratulation of a collection puzzle and live hints drawing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QProgressDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <random>

#include "DialogDriver.h"
#include "ShownWindow.h"
#include "display/Draw.h"
#include "frontends/qt/ImageSurface.h"
#include "frontends/qt/views/LibraryView.h"
#include "files/LibraryCommands.h"
#include "mainwnd/Menus.h"
#include "settings/Options.h"
#include "state/Document.h"
#include "state/PuzzleState.h"
#include "state/WindowState.h"
#include "support/TestApp.h"

namespace gw {
namespace {

const char* const kPlusNon = "title \"Plus\"\nwidth 3\nheight 3\nrows\n1\n3\n1\ncolumns\n1\n3\n1\n";

// Answers the boxes that come up while `work` runs with `answer`, keeping their texts.
std::vector<std::string> Answering(const std::function<void()>& work,
                                   const std::function<void(QWidget*)>& answer) {
  std::vector<std::string> texts;
  QTimer watch;
  bool answering = false;  // an answer that waits (a screenshot) lets the timer fire again
  QObject::connect(&watch, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || answering) return;
    answering = true;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) texts.push_back(box->text().toStdString());
    if (auto* input = qobject_cast<QInputDialog*>(modal)) texts.push_back(input->labelText().toStdString());
    answer(modal);
    answering = false;
  });
  watch.start(10);
  work();
  watch.stop();
  return texts;
}

// A visible window that would keep the program alive once the main window is gone.
bool AWindowKeepsTheProgram() {
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->isVisible() && top->testAttribute(Qt::WA_QuitOnClose)) return true;
  return false;
}

struct SeamsTest : ::testing::Test {
  test::TempDir dir;
  QtPlatform ui;
  App app{ui};
  MainWindow w{ui, app};

  void SetUp() override { test::ShowMainWindow(ui, w, app, QSize(900, 700)); }

  // The centre of a board cell in the board widget's pixels, found by asking the window where its
  // pixels lie, as a press does.
  QPoint CellCentre(int col, int row) {
    const PuzzleState& p = app.puzzle;
    ImageSurface& main = ui.Image(SurfaceId::Main);
    auto spot = [&](int px, int py) {
      QPointF u = main.ToUser(QPointF(px, py));
      return std::pair<int, int>{int(std::floor(u.x())) - p.XHintCount, int(std::floor(u.y())) - p.YHintCount};
    };
    int left = -1, right = -1, top = -1, bottom = -1;
    QSize size = w.board()->size();
    int y0 = -1;
    for (int py = 0; py < size.height() && y0 < 0; ++py)
      for (int px = 0; px < size.width(); px += 4)
        if (spot(px, py).second == row) {
          y0 = py;
          break;
        }
    for (int px = 0; px < size.width(); ++px)
      if (spot(px, y0).first == col) {
        if (left < 0) left = px;
        right = px;
      }
    for (int py = 0; py < size.height(); ++py)
      if (spot(left, py).second == row) {
        if (top < 0) top = py;
        bottom = py;
      }
    return QPoint((left + right) / 2, (top + bottom) / 2);
  }
  void Click(int col, int row) {
    QTest::mouseClick(w.board(), Qt::LeftButton, {}, CellCentre(col, row));
  }
  void Shot(const QString& name) {
    QString shots = qEnvironmentVariable("GW_SHOT_DIR");
    if (shots.isEmpty() || QGuiApplication::platformName() != "xcb") return;
    QTest::qWait(400);
    QGuiApplication::primaryScreen()->grabWindow(0).save(shots + "/" + name);
  }
};

// 終了 with the library shown: the unsaved-work question first, then both windows go, and no window
// is left to keep the program running.
TEST_F(SeamsTest, QuitEndsTheProgramWithTheLibraryOpen) {
  if (!LibraryAvailable()) GTEST_SKIP() << "no library in this build";
  test::WriteFileBytes(dir.File("plus.non"), kPlusNon);
  LibraryCommand(app);
  app.library->library->WaitIdle();
  LibraryPoll(app);
  ui.library()->Reload();
  ASSERT_TRUE(ui.library()->isVisible());
  ui.library()->findChild<QLineEdit*>()->setText("plus");
  QTest::keyClick(ui.library()->findChild<QLineEdit*>(), Qt::Key_Return);
  ASSERT_EQ(app.puzzle.Title, "Plus");
  Click(2, 2);
  ASSERT_EQ(app.puzzle.Grid[2][2], 1);
  std::vector<std::string> asked = Answering([&] { RunMenuCommand(app, Command::Quit); },
                                             [](QWidget* box) { static_cast<QMessageBox*>(box)->done(QMessageBox::No); });
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].rfind("途中のデータが保存されていません。", 0), 0u);
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(ui.library(), nullptr);
  EXPECT_FALSE(AWindowKeepsTheProgram());
  EXPECT_FALSE(app.wnd.running);
}

// The same question answered so that the save is cancelled keeps both windows: nothing is lost.
TEST_F(SeamsTest, AQuitWhoseSaveIsCancelledKeepsTheLibrary) {
  if (!LibraryAvailable()) GTEST_SKIP() << "no library in this build";
  LibraryCommand(app);
  ASSERT_TRUE(ui.library()->isVisible());
  test::MakeBoard(app, 5, 5, 2, 2);
  app.puzzle.Mode = kModeNumber;
  app.document.Dirty = 1;
  int boxes = 0;
  Answering([&] { RunMenuCommand(app, Command::Quit); },
            [&](QWidget* modal) {
              ++boxes;
              if (auto* box = qobject_cast<QMessageBox*>(modal)) box->done(QMessageBox::Yes);
              else if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
            });
  EXPECT_GE(boxes, 1);
  EXPECT_TRUE(w.isVisible());
  ASSERT_NE(ui.library(), nullptr);
  EXPECT_TRUE(ui.library()->isVisible());
}

// Drawing with live hints: a row drawn as five runs needs more slots than the three a new picture
// has, yet every click lands on the cell aimed at, the first as the last: a click on the cell
// painted first clears that very cell.
TEST_F(SeamsTest, LiveHintsNeverMoveTheBoardUnderThePointer) {
  app.options.liveHints = true;
  PuzzleState& p = app.puzzle;
  test::MakeBoard(app, 10, 10, 3, 3);
  p.Mode = kModeImage;
  p.CurColor = 1;
  // As the command that made the picture ends.
  RunMenuCommand(app, Command::LiveHints);
  RunMenuCommand(app, Command::LiveHints);
  ASSERT_TRUE(app.options.liveHints);
  QPoint first = CellCentre(1, 1);
  Click(1, 1);
  ASSERT_EQ(p.Grid[1][1], 1);
  for (int col : {3, 5, 7, 9}) Click(col, 1);
  for (int row : {3, 5, 7, 9}) Click(1, row);
  Click(10, 10);
  Shot("live-hints-drawing.png");
  int painted = 0;
  for (int y = 1; y <= 10; ++y)
    for (int x = 1; x <= 10; ++x) painted += p.Grid[x][y] != 0;
  EXPECT_EQ(painted, 10);
  for (int col : {1, 3, 5, 7, 9}) EXPECT_EQ(p.Grid[col][1], 1) << col;
  EXPECT_EQ(p.Grid[10][10], 1);
  EXPECT_EQ(CellCentre(1, 1), first);
  QTest::mouseClick(w.board(), Qt::LeftButton, {}, first);
  EXPECT_EQ(p.Grid[1][1], 0);
  EXPECT_EQ(p.Grid[3][1], 1);
}

// A collection puzzle solved in the window: the congratulation names it by its title, lists the
// completers the store keeps, and nothing is written into the collection's folder.
TEST_F(SeamsTest, TheCongratulationOfACollectionPuzzle) {
  if (!LibraryAvailable()) GTEST_SKIP() << "no library in this build";
  std::filesystem::create_directory(dir.File("coll"));
  test::WriteFileBytes(dir.File("coll/plus.non"), kPlusNon);
  app.wnd.collectionFolder = dir.File("coll");
  LibraryCommand(app);
  app.library->library->WaitIdle();
  LibraryPoll(app);
  app.library->library->store().AddCompleter(app.library->library->Entries()[0].facts.stamp.path,
                                             "12-01-2026 Someone");
  ui.library()->Reload();
  ui.library()->findChild<QLineEdit*>()->setText("plus");
  QTest::keyClick(ui.library()->findChild<QLineEdit*>(), Qt::Key_Return);
  ASSERT_EQ(app.puzzle.Title, "Plus");
  w.activateWindow();
  for (auto [x, y] : {std::pair{2, 1}, {1, 2}, {2, 2}, {3, 2}, {2, 3}}) Click(x, y);
  std::vector<std::string> asked = Answering(
      [&] { RunMenuCommand(app, Command::Judge); },
      [&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
          box->done(QMessageBox::Yes);
          return;
        }
        auto* input = qobject_cast<QInputDialog*>(modal);
        if (!input) return;
        EXPECT_EQ(input->windowTitle(), "「Plus」完成");
        Shot("collection-congratulation.png");
        input->setTextValue("Tester");
        input->accept();
      });
  ASSERT_FALSE(asked.empty());
  EXPECT_NE(asked.back().find("答は(Plus)です"), std::string::npos) << asked.back();
  EXPECT_NE(asked.back().find("・ Someone"), std::string::npos) << asked.back();
  EXPECT_FALSE(std::filesystem::exists(dir.File("coll/plus.GWB")));
  EXPECT_EQ(app.library->library->store().Completers(app.library->library->Entries()[0].facts.stamp.path).size(), 2u);
  EXPECT_EQ(app.document.Dirty, 0);
}

// The page picture of a 99 x 99 board takes a while: the busy pointer shows from the start, the
// box with キャンセル comes up while the page is drawn, and the file is there at the end.
TEST_F(SeamsTest, ExportingALargePagePictureShowsItIsWorking) {
  PuzzleState& p = app.puzzle;
  test::MakeBoard(app, 99, 99, 3, 3);
  p.Mode = kModeImage;
  std::mt19937 random(7);
  for (int y = 1; y <= 99; ++y)
    for (int x = 1; x <= 99; ++x) p.Grid[x][y] = random() % 2;
  ui.SetProgressDelay(0);
  std::string file = dir.File("page.png");
  bool boxSeen = false, busyWhileDrawing = false;
  std::vector<std::string> said = Answering(
      [&] { RunMenuCommand(app, Command::Export); },
      [&](QWidget* modal) {
        if (auto* files = qobject_cast<QFileDialog*>(modal)) {
          files->selectNameFilter(files->nameFilters().at(2));
          test::ChooseFile(*files, QString::fromStdString(file));
        } else if (qobject_cast<QProgressDialog*>(modal) && !boxSeen) {
          boxSeen = true;
          busyWhileDrawing = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
          Shot("export-progress.png");
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
          box->accept();
        }
      });
  EXPECT_TRUE(boxSeen);
  EXPECT_TRUE(busyWhileDrawing);
  ASSERT_FALSE(said.empty());
  EXPECT_EQ(said.back(), "書き出しました: page.png");
  EXPECT_TRUE(std::filesystem::exists(file));
  EXPECT_FALSE(std::filesystem::exists(file + ".part"));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// The library as the player sees it at the scale QT_SCALE_FACTOR gives, with the repository's
// collection: the whole window on the screen, its columns as wide as their texts.
TEST_F(SeamsTest, ScreenshotOfTheLibraryAtTheScreensScale) {
  QString shots = qEnvironmentVariable("GW_SHOT_DIR");
  std::string collection = std::string(GW_SOURCE_DIR) + "/collection";
  if (shots.isEmpty() || QGuiApplication::platformName() != "xcb" || !std::filesystem::exists(collection))
    GTEST_SKIP() << "screenshots are taken with GW_SHOT_DIR set under xvfb-run";
  app.wnd.collectionFolder = collection;
  LibraryCommand(app);
  app.library->library->WaitIdle();
  LibraryPoll(app);
  const auto& entries = app.library->library->Entries();
  for (size_t i = 0; i < entries.size(); i += 2)
    app.library->library->store().AddSolve(entries[i].facts.stamp.path, 75.0 + i, "12-09-2026");
  app.library->library->ReloadRecords();
  LibraryUpdateRows(app);
  ui.library()->Reload();
  QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  QTest::qWait(300);
  EXPECT_TRUE(screen.contains(ui.library()->frameGeometry())) << screen.width() << "x" << screen.height();
  QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1");
  Shot("library-scale-" + scale + ".png");
}

}  // namespace
}  // namespace gw
