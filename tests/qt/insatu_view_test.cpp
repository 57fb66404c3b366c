// The print dialog's real view.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "DialogDriver.h"
#include "mainwnd/MainWnd.h"
#include "frontends/qt/views/DialogView.h"
#include "frontends/qt/QtPlatform.h"
#include "print/Insatu.h"
#include "state/WindowState.h"
#include "support/TestApp.h"

namespace gw {
namespace {

using test::Find;

struct InsatuView : ::testing::Test {
  QtPlatform ui;
  App app{ui};

  void SetUp() override {
    MainWndLoad(app);
    test::MakeBoard(app, 15, 20, 10, 8);
  }
  void Open(std::function<void(DialogView&)> act) {
    test::WhenModal<DialogView>(std::move(act));
    RunPrintDialog(app);
  }
};

TEST_F(InsatuView, ShowsTheDefaultsAndRewritesTheSizeLineAsTheCellIsTyped) {
  Open([&](DialogView& v) {
    EXPECT_EQ(v.windowTitle(), "印刷フォーム");
    EXPECT_EQ(Find<QLineEdit>(v, "Txt0")->text(), "25");
    EXPECT_EQ(Find<QLineEdit>(v, "Txt1")->text(), "25");
    EXPECT_EQ(Find<QLineEdit>(v, "Txt2")->text(), "2.5");
    EXPECT_EQ(Find<QLabel>(v, "Lbl3")->text(), " 62.5 × 70 の大きさになります。（単位mm）");
    EXPECT_EQ(Find<QPushButton>(v, "Cmd0")->text(), "印刷");
    EXPECT_EQ(Find<QPushButton>(v, "Cmd1")->text(), "戻る");
    QLineEdit* cell = Find<QLineEdit>(v, "Txt2");
    cell->selectAll();
    QTest::keyClicks(cell, "4");
    EXPECT_EQ(Find<QLabel>(v, "Lbl3")->text(), " 100 × 112 の大きさになります。");
    QTest::keyClicks(Find<QLineEdit>(v, "Txt0"), "0");
    EXPECT_EQ(Find<QLabel>(v, "Lbl3")->text(), " 100 × 112 の大きさになります。");
    QTest::mouseClick(Find<QCheckBox>(v, "Check1"), Qt::LeftButton);
    EXPECT_EQ(app.wnd.ColorPrinter, 1);
    QTest::mouseClick(Find<QPushButton>(v, "Cmd1"), Qt::LeftButton);
  });
  Open([&](DialogView& v) {
    EXPECT_TRUE(Find<QCheckBox>(v, "Check1")->isChecked());
    EXPECT_EQ(Find<QLineEdit>(v, "Txt2")->text(), "2.5");
    v.close();
  });
}

}  // namespace
}  // namespace gw
