// The customise dialog's real view: its widgets show the dialog's state and every event reaches
// the core's handlers.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "DialogDriver.h"
#include "display/BoardLayout.h"
#include "mainwnd/MainWnd.h"
#include "frontends/qt/views/CustWidgets.h"
#include "frontends/qt/views/DialogView.h"
#include "frontends/qt/MainWindow.h"
#include "frontends/qt/QtPlatform.h"
#include "settings/Cust.h"
#include "state/PuzzleState.h"
#include "support/TestApp.h"

namespace gw {
namespace {

using test::Find;

struct CustView : ::testing::Test {
  test::TempDir dir;
  QtPlatform ui;
  App app{ui};
  PuzzleState& p = app.puzzle;

  void SetUp() override { MainWndLoad(app); }
  // Shows the dialog and runs `act` in it.
  void Open(std::function<void(DialogView&)> act) {
    test::WhenModal<DialogView>(std::move(act));
    RunCustDialog(app);
  }
  static QColor Shown(QWidget* w) { return w->palette().color(QPalette::Window); }
  static void Drop(QWidget* target) {
    QMimeData data;
    data.setData(kColourMime, QByteArray());
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return;
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
  }
};

TEST_F(CustView, ShowsTheStartStateAndTheHelpText) {
  Open([&](DialogView& v) {
    EXPECT_EQ(v.windowTitle(), "カスタマイズ");
    EXPECT_EQ(Find<QLabel>(v, "Lblc0")->text(), "赤(R) = 0");
    EXPECT_EQ(Find<QLabel>(v, "Lblc2")->text(), "青(B) = 0");
    EXPECT_EQ(Find<QLabel>(v, "Lbli")->text().count('\n'), 2);
    EXPECT_TRUE(Find<QCheckBox>(v, "Check1")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>(v, "Opt0")->isChecked());
    EXPECT_EQ(Find<QRadioButton>(v, "Opt2")->text(), "ばつ ×");
    EXPECT_EQ(Shown(Find<QWidget>(v, "LblCol12")), QColor(255, 0, 0));
    EXPECT_EQ(Shown(Find<QWidget>(v, "LblCol16")), QColor(255, 128, 128));
    EXPECT_EQ(Shown(Find<QWidget>(v, "LblS")), QColor(0, 0, 0));
    // Swatch 8 starts the second row under swatch 0; the user-made ones start two rows lower.
    QWidget* s0 = Find<QWidget>(v, "LblCol0");
    EXPECT_EQ(Find<QWidget>(v, "LblCol8")->x(), s0->x());
    EXPECT_GT(Find<QWidget>(v, "LblCol16")->y() - Find<QWidget>(v, "LblCol8")->y(), s0->height() * 2);
    EXPECT_FALSE(Find<QWidget>(v, "LblCol5")->acceptDrops());
    EXPECT_TRUE(Find<QWidget>(v, "LblCol20")->acceptDrops());
    QTest::mouseClick(Find<QPushButton>(v, "Cmd1"), Qt::LeftButton);
  });
}

TEST_F(CustView, ClicksDoubleClicksAndDropsReachTheCore) {
  Open([&](DialogView& v) {
    QWidget* red = Find<QWidget>(v, "LblCol12");
    QTest::mouseClick(red, Qt::LeftButton);
    EXPECT_EQ(p.Palette[1], 12);
    QTest::mouseDClick(red, Qt::LeftButton);
    EXPECT_EQ(Find<QScrollBar>(v, "HSc0")->value(), 255);
    EXPECT_EQ(Find<QLabel>(v, "Lblc0")->text(), "赤(R) = 255");
    EXPECT_EQ(Shown(Find<QWidget>(v, "LblS")), QColor(255, 0, 0));
    Find<QScrollBar>(v, "HSc2")->setValue(64);
    EXPECT_EQ(Find<QLabel>(v, "Lblc2")->text(), "青(B) = 64");
    QTest::mousePress(Find<QWidget>(v, "LblS"), Qt::LeftButton);
    QTest::mouseRelease(Find<QWidget>(v, "LblS"), Qt::LeftButton);
    Drop(Find<QWidget>(v, "LblCol5"));
    Drop(Find<QWidget>(v, "LblCol20"));
    EXPECT_EQ(app.colors.ColorTable[5], MakeRgb(128, 0, 128));
    EXPECT_EQ(app.colors.ColorTable[20], MakeRgb(255, 0, 64));
    EXPECT_EQ(Shown(Find<QWidget>(v, "LblCol20")), QColor(255, 0, 64));
    Find<QCheckBox>(v, "Check1")->click();
    EXPECT_EQ(p.AutoCheck, 0);
    QTest::mouseClick(Find<QRadioButton>(v, "Opt1"), Qt::LeftButton);
    EXPECT_EQ(p.MarkStyle, 1);
    QTest::mouseClick(Find<QPushButton>(v, "Cmd1"), Qt::LeftButton);
  });
  // Cancel put everything back.
  EXPECT_EQ(p.Palette[1], 9);
  EXPECT_EQ(app.colors.ColorTable[20], MakeRgb(255, 255, 255));
  EXPECT_EQ(p.AutoCheck, 1);
  EXPECT_EQ(p.MarkStyle, 0);
}

TEST_F(CustView, PressInTheColumnMovesTheFrameAndAClickColoursThatSlot) {
  Open([&](DialogView& v) {
    QWidget* pic = Find<QWidget>(v, "Pic");
    int slotHeight = pic->height() / 9;
    QTest::mouseClick(pic, Qt::LeftButton, {}, QPoint(30, slotHeight * 2 + slotHeight / 2));
    QTest::mouseClick(Find<QWidget>(v, "LblCol10"), Qt::LeftButton);
    EXPECT_EQ(p.Palette[3], 10);
    const QImage& image = ui.Image(SurfaceId::CustPic).image();
    // The slot's colour fills it; the black frame now lies in slot 3.
    EXPECT_EQ(QColor(image.pixel(2, slotHeight * 2 + slotHeight / 2)), QColor(0, 255, 0));
    int frameLeft = image.width() / 20;
    EXPECT_EQ(QColor(image.pixel(frameLeft, slotHeight * 2 + slotHeight / 2)), QColor(0, 0, 0));
    EXPECT_EQ(QColor(image.pixel(frameLeft, slotHeight / 2)), QColor(0, 0, 255));
    QTest::mouseClick(Find<QPushButton>(v, "Cmd0"), Qt::LeftButton);
  });
  EXPECT_EQ(p.Palette[3], 10);
  EXPECT_FALSE(test::ReadFileBytes(dir.File("gridwick.ini")).empty());
}

TEST_F(CustView, OkWithAWhiteSlotOneShowsTheWarningAndStaysOpen) {
  bool stayed = false;
  Open([&](DialogView& v) {
    QTest::mouseClick(Find<QWidget>(v, "LblCol15"), Qt::LeftButton);
    QString told;
    test::WhenModal<QMessageBox>([&](QMessageBox& box) {
      told = box.windowTitle() + "|" + box.text();
      box.accept();
    });
    QTest::mouseClick(Find<QPushButton>(v, "Cmd0"), Qt::LeftButton);
    EXPECT_EQ(told, "エラー|色番号[1]の色は[白]にはできません。");
    stayed = v.isVisible();
    QTest::mouseClick(Find<QPushButton>(v, "Cmd1"), Qt::LeftButton);
  });
  EXPECT_TRUE(stayed);
  EXPECT_EQ(p.Palette[1], 9);
}

TEST_F(CustView, TheFrameCloseBoxKeepsTheChanges) {
  Open([&](DialogView& v) {
    QTest::mouseClick(Find<QWidget>(v, "LblCol2"), Qt::LeftButton);
    v.close();  // the close box
  });
  EXPECT_EQ(p.Palette[1], 2);
  EXPECT_TRUE(test::ReadFileBytes(dir.File("gridwick.ini")).empty());
}

TEST_F(CustView, TheUncoveredMainWindowShowsTheNewColours) {
  MainWindow window(ui, app);
  ui.SetWindow(&window);
  window.resize(600, 400);
  window.show();
  QTest::qWait(50);
  Open([&](DialogView& v) {
    QTest::mouseClick(Find<QWidget>(v, "LblCol12"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(v, "Cmd0"), Qt::LeftButton);
  });
  const QImage& column = ui.Image(SurfaceId::Pic1).image();
  EXPECT_EQ(QColor(column.pixel(2, column.height() / 18)), QColor(255, 0, 0));
  ui.SetWindow(nullptr);
}

}  // namespace
}  // namespace gw
