// Screenshots of the customise and print dialogs over the real main window, for looking at them:
// runs only with GW_SHOT_DIR set, on a real display (xvfb-run with QT_QPA_PLATFORM=xcb).
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTranslator>

#include "DialogDriver.h"
#include "PrintedPage.h"
#include "mainwnd/MainWnd.h"
#include "frontends/qt/views/DialogView.h"
#include "frontends/qt/MainWindow.h"
#include "frontends/qt/QtPlatform.h"
#include "settings/Options.h"
#include "state/PuzzleState.h"
#include "support/TestApp.h"
#include "ShownWindow.h"

namespace gw {
namespace {

using test::Find;

struct Screenshots : ::testing::Test {
  QString shots = qEnvironmentVariable("GW_SHOT_DIR");
  test::TempDir dir;
  QtPlatform ui;
  App app{ui};
  MainWindow w{ui, app};
  QTranslator japanese;

  ~Screenshots() override { QApplication::removeTranslator(&japanese); }
  void SetUp() override {
    if (shots.isEmpty() || QGuiApplication::platformName() != "xcb")
      GTEST_SKIP() << "screenshots are taken with GW_SHOT_DIR set under xvfb-run";
    // The font and the standard buttons' texts as the program sets them.
    QApplication::setFont(QFont(kMinchoFont, 10));
    if (japanese.load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      QApplication::installTranslator(&japanese);
    test::ShowMainWindow(ui, w, app);
    test::MakePrintablePuzzle(app);
    app.puzzle.Palette[4] = 17;
    app.puzzle.Grid[2][1] = 4;
    app.puzzle.Grid[5][6] = -1;
    w.resize(760, 620);
    w.move(20, 20);
    QTest::qWait(300);
    MainWndPaint(app);
    w.update();
  }
  void Shot(const QString& name) {
    QTest::qWait(400);
    QGuiApplication::primaryScreen()->grabWindow(0).save(shots + "/" + name);
  }
  // Chooses a menu item as the user would.
  void Choose(const QString& text) {
    for (QAction* a : w.findChildren<QAction*>())
      if (a->text() == text) return a->trigger();
    ADD_FAILURE() << "no menu item " << text.toStdString();
  }
};

TEST_F(Screenshots, CustomiseDialog) {
  test::WhenModal<DialogView>([&](DialogView& v) {
    Shot("cust-open.png");
    QWidget* pic = Find<QWidget>(v, "Pic");
    QTest::mouseClick(pic, Qt::LeftButton, {}, QPoint(30, pic->height() / 9 * 4 + 10));
    QTest::mouseClick(Find<QWidget>(v, "LblCol13"), Qt::LeftButton);
    // A real double click: press, release (the click), then the double click.
    QTest::mouseClick(Find<QWidget>(v, "LblCol14"), Qt::LeftButton);
    QTest::mouseDClick(Find<QWidget>(v, "LblCol14"), Qt::LeftButton);
    Find<QWidget>(v, "Opt2")->setFocus();
    QTest::keyClick(Find<QWidget>(v, "Opt2"), Qt::Key_Space);
    Shot("cust-edited.png");
    QTest::mouseClick(Find<QPushButton>(v, "Cmd0"), Qt::LeftButton);
  });
  Choose("色のｶｽﾀﾏｲｽﾞ(&C)");
  Shot("main-after-cust.png");
}

// A 15 × 15 board full of two-digit hints ("1 11 13 11 1" must not read as 11113111), named
// after the display scale (QT_SCALE_FACTOR) it was taken at.
TEST_F(Screenshots, TwoDigitHints) {
  test::MakeBoard(app, 15, 15, 5, 5);
  app.puzzle.Mode = kModePlay;
  app.puzzle.Palette[2] = 12;
  for (int line = 1; line <= 15; ++line) {
    std::vector<int> ones{1, 11, 13, 11, 1}, tens{12, 20, 100};
    test::SetRowHints(app, line, line % 2 ? ones : tens, 1 + line % 3 / 2);
    test::SetColHints(app, line, line % 2 ? tens : ones, 1 + line % 3 / 2);
  }
  for (int i = 1; i <= 15; ++i) app.puzzle.Grid[i][i] = 1;
  w.resize(640, 560);
  QTest::qWait(300);
  MainWndPaint(app);
  w.update();
  Shot(QString("two-digit-hints-scale%1.png").arg(w.devicePixelRatioF()));
}

// Boards of 5, 15 and 20 columns whose hints put one and two digits side by side ("3" beside
// "13", "2 3 11 4"), each named after its width and the display scale.
TEST_F(Screenshots, MixedHints) {
  for (int columns : {5, 15, 20}) {
    test::MakeBoard(app, columns, 20, 4, 2);
    app.puzzle.Mode = kModePlay;
    const std::vector<int> rows[] = {{2, 3, 11, 4}, {3, 13}, {5, 15}, {13, 3}, {1, 11, 1, 10}, {9, 8, 7, 6}};
    for (int y = 1; y <= 20; ++y) test::SetRowHints(app, y, rows[y % 6]);
    const std::vector<int> cols[] = {{3}, {13}, {5, 15}, {1}, {12, 4}, {7, 1}};
    for (int x = 1; x <= columns; ++x) test::SetColHints(app, x, cols[x % 6]);
    w.resize(columns == 5 ? 480 : 800, 760);
    QTest::qWait(300);
    MainWndPaint(app);
    w.update();
    Shot(QString("mixed-hints-%1-scale%2.png").arg(columns).arg(w.devicePixelRatioF()));
  }
}

// The tools menu with one of its options on: the item carries its tick.
TEST_F(Screenshots, ToolsMenuWithAnOptionOn) {
  Choose("ヒントを厳密にチェック(&X)");
  EXPECT_TRUE(app.options.exactTicks);
  for (QMenu* menu : w.menuBar()->findChildren<QMenu*>())
    if (menu->title() == "ツール(&T)") menu->popup(w.mapToGlobal(QPoint(300, 30)));
  Shot("tools-menu-option-on.png");
  Choose("ヒントを厳密にチェック(&X)");
}

TEST_F(Screenshots, PrintDialogAndThePdfOfferWithoutAPrinter) {
  test::WhenModal<DialogView>([&](DialogView& v) {
    Shot("insatu-open.png");
    QLineEdit* cell = Find<QLineEdit>(v, "Txt2");
    cell->selectAll();
    QTest::keyClicks(cell, "4");
    Shot("insatu-cell4.png");
    test::WhenModal<QMessageBox>([&](QMessageBox& offer) {
      Shot("insatu-no-printer.png");
      test::WhenModal<QInputDialog>([&](QInputDialog& name) {
        name.setTextValue("neko-page");
        Shot("insatu-pdf-name.png");
        test::WhenModal<QMessageBox>([&](QMessageBox& saved) {
          Shot("insatu-pdf-saved.png");
          saved.accept();
        });
        name.accept();
      });
      offer.button(QMessageBox::Yes)->click();
    });
    QTest::mouseClick(Find<QPushButton>(v, "Cmd0"), Qt::LeftButton);
  });
  Choose("印刷(&P)");
  QFile::remove(shots + "/fallback.pdf");
  QFile::copy(dir.File("neko-page.pdf").c_str(), shots + "/fallback.pdf");
}

}  // namespace
}  // namespace gw
