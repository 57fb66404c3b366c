#include <gtest/gtest.h>

#include "dialogs/Sizein.h"
#include "state/PuzzleState.h"
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

// Two wrong entries, each told with its message while the dialog stays open, then a right one.
// A value under 1 is told before one over the limit, and a value past 16 bits is out of range
// like any other (99999 over it, -99999 under it).
TEST_F(SizeDialog, EachWrongEntryIsToldWithItsMessageAndTheDialogStaysOpen) {
  const std::string kLow = "異常なデータがあります。", kHigh = "プレイできる制限を越えています。";
  struct Case {
    std::vector<std::string> first, second;
    std::vector<std::string> told;  // the messages, in order
  } cases[] = {
      {{"0", "21", "5", "10"}, {"5", "21", "5", "10"}, {kLow, kHigh}},
      {{"99999", "15", "5", "10"}, {"-99999", "15", "5", "10"}, {kHigh, kLow}},
  };
  for (const Case& c : cases) {
    PuzzleState& p = t.app.puzzle;
    p.XHintCount = p.XSize = p.YHintCount = p.YSize = 0;  // every field open, as the dialog starts
    Type(c.first);
    t.Answer("ok");
    Type(c.second);
    t.Answer("ok");
    Type({"5", "15", "5", "10"});
    RunSizeDialog(t.app);
    std::string out = t.TakeOutput();
    size_t at = 0;
    for (const std::string& message : c.told) {
      at = out.find(message, at);
      ASSERT_NE(at, std::string::npos) << c.first[0] << ": " << message;
      ++at;
    }
    for (const std::string& message : {kLow, kHigh})
      EXPECT_EQ(out.find(message, out.find(message) + 1), std::string::npos) << c.first[0] << ": told twice";
    EXPECT_EQ(t.app.puzzle.XHintCount, 5);
    EXPECT_EQ(t.app.puzzle.XSize, 15);
  }
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
