#include <gtest/gtest.h>

#include "dialogs/Sizein.h"
#include "support/TestApp.h"

namespace gw {
namespace {

struct SizeDialog : ::testing::Test {
  test::TestApp t;
  void SetUp() override { t.Start(); }
  void Type(std::vector<std::string> texts) { t.Steps(DialogKind::Sizein, {std::move(texts)}); }
};

TEST_F(SizeDialog, ShowsDefaultsForZeroValuesAndLocksTheOthers) {
  t.app.puzzle.XHintCount = t.app.puzzle.YHintCount = 3;
  Sizein dlg;
  SizeinLoad(t.app, dlg);
  EXPECT_EQ(dlg.Text[0], "3");
  EXPECT_FALSE(dlg.enabled[0]);
  EXPECT_EQ(dlg.Text[1], "15");
  EXPECT_TRUE(dlg.enabled[1]);
  EXPECT_EQ(dlg.Text[2], "3");
  EXPECT_EQ(dlg.Text[3], "10");
}

TEST_F(SizeDialog, RoundsTypedValuesHalvesToEven) {
  Type({"7.5", "6.5", "abc5", " 20"});
  t.Answer("ok");  // "abc5" counts as 0
  Type({"7.5", "6.5", "5", " 20"});
  t.TakeOutput();
  RunSizeDialog(t.app);
  std::string out = t.TakeOutput();
  EXPECT_NE(out.find("異常なデータがあります。\\r正しく入力してください。"), std::string::npos) << out;
  EXPECT_EQ(t.app.puzzle.XHintCount, 8);
  EXPECT_EQ(t.app.puzzle.XSize, 6);
  EXPECT_EQ(t.app.puzzle.YHintCount, 5);
  EXPECT_EQ(t.app.puzzle.YSize, 20);
  EXPECT_EQ(out.rfind("CLOSE Sizein"), out.size() - 13);
}

TEST_F(SizeDialog, TooSmallIsToldBeforeTooLargeAndTheDialogStaysOpen) {
  Type({"0", "21", "5", "10"});
  t.Answer("ok");
  Type({"5", "21", "5", "10"});
  t.Answer("ok");
  Type({"5", "15", "5", "10"});
  RunSizeDialog(t.app);
  std::string out = t.TakeOutput();
  size_t low = out.find("異常なデータがあります。");
  size_t high = out.find("プレイできる制限を越えています。");
  ASSERT_NE(low, std::string::npos);
  ASSERT_NE(high, std::string::npos);
  EXPECT_LT(low, high);
  EXPECT_EQ(out.find("異常なデータ", low + 1), std::string::npos);
  EXPECT_EQ(t.app.puzzle.XSize, 15);
}

TEST_F(SizeDialog, ValuesBeyondSixteenBitsAreRejectedLikeOutOfRangeOnes) {
  Type({"99999", "15", "5", "10"});
  t.Answer("ok");
  Type({"-99999", "15", "5", "10"});
  t.Answer("ok");
  Type({"5", "15", "5", "10"});
  RunSizeDialog(t.app);
  std::string out = t.TakeOutput();
  size_t high = out.find("プレイできる制限を越えています。");
  size_t low = out.find("異常なデータがあります。");
  EXPECT_NE(high, std::string::npos);
  EXPECT_GT(low, high);
  EXPECT_EQ(t.app.puzzle.XHintCount, 5);
}

TEST_F(SizeDialog, ClosingByTheFrameChecksLikeOk) {
  t.Steps(DialogKind::Sizein, {});
  Sizein dlg;
  dlg.Text[0] = "0";
  dlg.Text[1] = "15";
  dlg.Text[2] = "5";
  dlg.Text[3] = "10";
  dlg.open = true;
  t.Answer("ok");
  SizeinClose(t.app, dlg);
  EXPECT_TRUE(dlg.open);
  dlg.Text[0] = "4";
  SizeinClose(t.app, dlg);
  EXPECT_FALSE(dlg.open);
  EXPECT_EQ(t.app.puzzle.XHintCount, 4);
}

}  // namespace
}  // namespace gw
