#include <gtest/gtest.h>

#include "display/BoardLayout.h"
#include "display/Colors.h"
#include "settings/Cust.h"
#include "settings/Settings.h"
#include "state/PuzzleState.h"
#include "support/TestApp.h"

namespace gw {
namespace {

constexpr Rgb kWhite = 16777215;
constexpr Rgb kRed = 255;

// The dialog opened on a fresh start in an empty folder, driven by its handlers directly.
struct CustDialog : ::testing::Test {
  test::TempDir dir;
  test::TestApp t;
  PuzzleState& p = t.app.puzzle;
  Rgb* table = t.app.colors.ColorTable;
  Cust dlg;

  void SetUp() override {
    t.Start();
    CustLoad(t.app, dlg);
    dlg.open = true;  // as ShowModal leaves it, so that CloseDialog can be seen
    t.TakeOutput();
  }
  bool Closed() const { return !dlg.open; }
};

TEST_F(CustDialog, SwatchesFollowTheGivenGridWithAnEmptyThirdRow) {
  EXPECT_EQ(SwatchRect(0).left, 240);
  EXPECT_EQ(SwatchRect(0).top, 720);
  EXPECT_EQ(SwatchRect(0).width, 375);
  EXPECT_EQ(SwatchRect(7).left, 240 + 7 * 412);  // round(412.5) is 412, halves to even
  EXPECT_EQ(SwatchRect(7).top, 720);
  EXPECT_EQ(SwatchRect(8).left, 240);
  EXPECT_DOUBLE_EQ(SwatchRect(15).top, 720 + 412.5);
  EXPECT_DOUBLE_EQ(SwatchRect(16).top, 720 + 3 * 412.5);
  EXPECT_EQ(SwatchRect(16).left, 240);
  EXPECT_DOUBLE_EQ(SwatchRect(31).top, 720 + 4 * 412.5);
  EXPECT_EQ(SwatchRect(31).left, 240 + 7 * 412);
  EXPECT_FALSE(SwatchAcceptsDrop(15));
  EXPECT_TRUE(SwatchAcceptsDrop(16));
  EXPECT_TRUE(SwatchAcceptsDrop(31));
  EXPECT_FALSE(SwatchAcceptsDrop(32));
}

TEST_F(CustDialog, OpensOnSlotOneWithBlackSampleAndZeroBars) {
  EXPECT_EQ(dlg.slot, 1);
  EXPECT_EQ(dlg.sample, 0);
  EXPECT_EQ(dlg.Lblc[0], "赤(R) = 0");
  EXPECT_EQ(dlg.Lblc[1], "緑(G) = 0");
  EXPECT_EQ(dlg.Lblc[2], "青(B) = 0");
  EXPECT_TRUE(dlg.Check1);
  EXPECT_EQ(dlg.Opt, 0);
}

TEST_F(CustDialog, AMarkStyleFromAnEditedFileShowsAsTheCross) {
  p.MarkStyle = 7;
  p.AutoCheck = 5;
  Cust other;
  CustLoad(t.app, other);
  EXPECT_EQ(other.Opt, 2);
  EXPECT_FALSE(other.Check1);
  EXPECT_EQ(p.MarkStyle, 7);  // showing it changes nothing
}

TEST_F(CustDialog, HelpTextHasItsFourSentencesOnThreeLines) {
  CustPaint(t.app, dlg);
  EXPECT_EQ(dlg.Lbli,
            "　左の色を参考にしたい場合は、その色をﾀﾞﾌﾞﾙｸﾘｯｸしてください。\r"
            "　作った色を登録するには「作成した色」エリアにﾄﾞﾗｯｸﾞ＆ﾄﾞﾛｯﾌﾟしてください。\r"
            "　256色以下の環境の場合、作った色とヒントの色が異なる場合があります。"
            "できるだけ QBcolor で作りましょう。");
}

TEST_F(CustDialog, SlotColumnAndFrameAreDrawnAtTheirTwips) {
  t.ui.SetDrawEcho(true);
  p.Palette[2] = 12;
  CustPicMouseDown(t.app, dlg, 500);  // 500 / 400 -> slot 2
  std::string drawn = t.TakeOutput();
  // The old slot is redrawn without its frame, then slot 2 with it (1000 × 3600 twips, h = 400).
  EXPECT_NE(drawn.find("DRAW custpic fill 0 0 1000 400 color=16711680"), std::string::npos)
      << drawn;
  EXPECT_NE(drawn.find("DRAW custpic fill 0 400 1000 800 color=255"), std::string::npos) << drawn;
  EXPECT_NE(drawn.find("DRAW custpic text 400 440 color=0 \" 2\""), std::string::npos) << drawn;
  EXPECT_NE(drawn.find("DRAW custpic box 100 440 900 760 color=16777215"), std::string::npos)
      << drawn;
  EXPECT_NE(drawn.find("DRAW custpic box 50 420 950 780 color=0"), std::string::npos) << drawn;
  EXPECT_EQ(dlg.slot, 2);
}

TEST_F(CustDialog, APressBelowTheNinthSlotKeepsTheSelection) {
  CustPicMouseDown(t.app, dlg, 1300);
  EXPECT_EQ(dlg.slot, 4);
  t.ui.SetDrawEcho(true);
  CustPicMouseDown(t.app, dlg, 3600);
  CustPicMouseDown(t.app, dlg, -10);
  EXPECT_EQ(dlg.slot, 4);
  EXPECT_EQ(t.TakeOutput(), "");
}

TEST_F(CustDialog, ClickAssignsAnyColourToTheSelectedSlot) {
  CustPicMouseDown(t.app, dlg, 1000);  // slot 3
  CustSwatchClick(t.app, dlg, 22);
  EXPECT_EQ(p.Palette[3], 22);
  CustSwatchClick(t.app, dlg, 15);
  EXPECT_EQ(p.Palette[3], 15);
  CustSwatchClick(t.app, dlg, 32);  // no such swatch
  EXPECT_EQ(p.Palette[3], 15);
}

TEST_F(CustDialog, DoubleClickTakesTheColourIntoTheMixer) {
  CustSwatchClick(t.app, dlg, 12);
  CustSwatchDblClick(t.app, dlg, 12);
  EXPECT_EQ(p.Palette[1], 12);
  EXPECT_EQ(dlg.HSc[0], 255);
  EXPECT_EQ(dlg.HSc[1], 0);
  EXPECT_EQ(dlg.HSc[2], 0);
  EXPECT_EQ(dlg.Lblc[0], "赤(R) = 255");
  EXPECT_EQ(dlg.Lblc[1], "緑(G) = 0");
  EXPECT_EQ(dlg.sample, kRed);
  CustSwatchDblClick(t.app, dlg, 17);  // R 255, G 128, B 0
  EXPECT_EQ(dlg.HSc[1], 128);
  EXPECT_EQ(dlg.sample, 33023);
}

TEST_F(CustDialog, BarsMixTheSampleAndStayInRange) {
  CustBarChange(t.app, dlg, 2, 300);
  EXPECT_EQ(dlg.HSc[2], 255);
  CustBarChange(t.app, dlg, 1, -4);
  EXPECT_EQ(dlg.HSc[1], 0);
  CustBarChange(t.app, dlg, 0, 16);
  EXPECT_EQ(dlg.sample, 16 + 65536 * 255);
  EXPECT_EQ(dlg.Lblc[2], "青(B) = 255");
}

TEST_F(CustDialog, OnlyUserMadeSwatchesTakeADroppedSample) {
  CustBarChange(t.app, dlg, 1, 200);
  Rgb before5 = table[5];
  CustSampleMouseDown(t.app, dlg);
  CustSwatchDrop(t.app, dlg, 5);
  EXPECT_EQ(table[5], before5);
  CustSwatchDrop(t.app, dlg, 20);
  EXPECT_EQ(table[20], 200 * 256);
  CustSwatchDrop(t.app, dlg, 40);  // outside every swatch: nothing
  EXPECT_EQ(table[31], kWhite);
}

TEST_F(CustDialog, DroppedColourIsTheOneTakenWhenTheDragStarted) {
  CustBarChange(t.app, dlg, 0, 10);
  CustSampleMouseDown(t.app, dlg);
  CustBarChange(t.app, dlg, 0, 99);
  CustSwatchDrop(t.app, dlg, 16);
  EXPECT_EQ(table[16], 10);
}

TEST_F(CustDialog, OkRefusesAWhiteSlotOneAndStaysOpen) {
  CustSwatchClick(t.app, dlg, 15);
  t.Answer("ok");
  CustOk(t.app, dlg);
  EXPECT_EQ(t.TakeOutput(),
            "MSG title=\"エラー\" buttons=ok icon=warning default=1 "
            "\"色番号[1]の色は[白]にはできません。\" -> ok\n");
  EXPECT_FALSE(Closed());
  EXPECT_FALSE(test::ReadFileBytes(dir.File(kSettingsFile)).size());
  // A user-made colour that is white counts as white too.
  CustSwatchClick(t.app, dlg, 25);
  t.Answer("ok");
  CustOk(t.app, dlg);
  EXPECT_FALSE(Closed());
}

TEST_F(CustDialog, OkAcceptsAFreeSlotThreeAndSavesTheSettings) {
  p.Palette[3] = 10;
  CustPicMouseDown(t.app, dlg, 1000);
  CustSwatchClick(t.app, dlg, 15);
  CustOptClick(t.app, dlg, 1);
  CustOk(t.app, dlg);
  EXPECT_TRUE(Closed());
  EXPECT_EQ(p.Palette[3], 15);
  std::string ini = test::ReadFileBytes(dir.File(kSettingsFile));
  EXPECT_EQ(ini.substr(0, 10), " 1 \r\n 1 \r\n");
}

TEST_F(CustDialog, CancelRestoresEveryKindOfValue) {
  p.Palette[4] = 13;
  Cust fresh;
  CustLoad(t.app, fresh);
  fresh.open = true;
  CustSwatchClick(t.app, fresh, 3);
  CustPicMouseDown(t.app, fresh, 1300);
  CustSwatchClick(t.app, fresh, 15);
  CustBarChange(t.app, fresh, 0, 77);
  CustSampleMouseDown(t.app, fresh);
  CustSwatchDrop(t.app, fresh, 18);
  CustCheckClick(t.app, fresh, false);
  CustOptClick(t.app, fresh, 2);
  ASSERT_EQ(table[18], 77);
  CustCancel(t.app, fresh);
  EXPECT_FALSE(fresh.open);
  EXPECT_EQ(p.Palette[1], 9);
  EXPECT_EQ(p.Palette[4], 13);
  EXPECT_EQ(table[18], 8388863);
  EXPECT_EQ(p.AutoCheck, 1);
  EXPECT_EQ(p.MarkStyle, 0);
  EXPECT_FALSE(test::ReadFileBytes(dir.File(kSettingsFile)).size());
}

// A puzzle shown in its own colours: the dialog shows them, a colour the user assigns replaces
// the puzzle's own for that slot only, and Cancel brings the puzzle's own back.
TEST_F(CustDialog, APuzzlesOwnColourGivesWayToTheOneAssignedUntilCancel) {
  p.Palette[2] = 8;
  p.HasOwnColor[1] = p.HasOwnColor[2] = true;
  p.OwnColor[1] = MakeRgb(10, 20, 30);
  p.OwnColor[2] = MakeRgb(200, 180, 20);
  Cust fresh;
  CustLoad(t.app, fresh);
  fresh.open = true;
  EXPECT_EQ(SlotColor(t.app, 2), MakeRgb(200, 180, 20));
  CustPicMouseDown(t.app, fresh, 700);  // slot 2
  CustSwatchClick(t.app, fresh, 12);
  EXPECT_EQ(SlotColor(t.app, 2), table[12]);
  EXPECT_EQ(SlotColor(t.app, 1), MakeRgb(10, 20, 30));
  CustCancel(t.app, fresh);
  EXPECT_EQ(p.Palette[2], 8);
  EXPECT_EQ(SlotColor(t.app, 2), MakeRgb(200, 180, 20));
}

TEST_F(CustDialog, ClosingByTheFrameKeepsTheChangesUnsaved) {
  CustSwatchClick(t.app, dlg, 12);
  CustCheckClick(t.app, dlg, false);
  CustClose(t.app, dlg);
  EXPECT_TRUE(Closed());
  EXPECT_EQ(p.Palette[1], 12);
  EXPECT_EQ(p.AutoCheck, 0);
  EXPECT_FALSE(test::ReadFileBytes(dir.File(kSettingsFile)).size());
}

TEST_F(CustDialog, ClosingByTheFrameAlsoRefusesAWhiteSlotOne) {
  CustSwatchClick(t.app, dlg, 15);
  t.Answer("ok");
  CustClose(t.app, dlg);
  EXPECT_FALSE(Closed());
  EXPECT_NE(t.TakeOutput().find("色番号[1]の色は[白]にはできません。"), std::string::npos);
}

TEST_F(CustDialog, ACurrentColourWhoseSlotWasFreedFallsBackToOne) {
  p.Palette[3] = 10;
  p.CurColor = 3;
  CustPicMouseDown(t.app, dlg, 1000);
  CustSwatchClick(t.app, dlg, 15);
  CustOk(t.app, dlg);
  EXPECT_EQ(p.CurColor, 1);
}

TEST_F(CustDialog, CheckAndOptionsSetTheSharedValuesAtOnce) {
  CustCheckClick(t.app, dlg, false);
  EXPECT_EQ(p.AutoCheck, 0);
  CustCheckClick(t.app, dlg, true);
  EXPECT_EQ(p.AutoCheck, 1);
  CustOptClick(t.app, dlg, 2);
  EXPECT_EQ(p.MarkStyle, 2);
  CustOptClick(t.app, dlg, 3);
  EXPECT_EQ(p.MarkStyle, 2);
  EXPECT_EQ(dlg.Opt, 2);
}

}  // namespace
}  // namespace gw
