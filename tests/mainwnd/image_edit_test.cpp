#include <gtest/gtest.h>

#include "display/BoardLayout.h"
#include "display/Draw.h"
#include "authoring/ImageEdit.h"
#include "mainwnd/MainWnd.h"
#include "state/Document.h"
#include "state/PuzzleState.h"
#include "support/TestApp.h"

namespace gw {
namespace {

using Rows = std::vector<std::vector<int>>;

// A 5 × 4 picture with three hint slots on each side: cell (c, r) lies at board units (3 + c, 3 + r).
struct ImageEdit : ::testing::Test {
  test::TestApp t;
  PuzzleState& p = t.app.puzzle;

  void SetUp() override {
    t.Start();
    p.Mode = kModeImage;
    test::MakeBoard(t.app, 5, 4, 3, 3);
    p.CurColor = 2;
    p.Palette[2] = 12;
    SetPicture({{1, 2, 0, 0, 0}, {0, 3, 0, 0, 0}, {0, 0, 4, 5, 0}, {0, 0, 0, 0, 6}});
    t.app.document.Dirty = 0;
    t.TakeOutput();
  }
  void SetPicture(const Rows& rows) {
    for (int y = 1; y <= p.YSize; ++y)
      for (int x = 1; x <= p.XSize; ++x) p.Grid[x][y] = rows[y - 1][x - 1];
  }
  Rows Picture() {
    Rows rows(p.YSize, std::vector<int>(p.XSize));
    for (int y = 1; y <= p.YSize; ++y)
      for (int x = 1; x <= p.XSize; ++x) rows[y - 1][x - 1] = p.Grid[x][y];
    return rows;
  }
  void Press(int button, int col, int row) {
    ImageMouseDown(t.app, button, 0, 3 + col + 0.5, 3 + row + 0.5);
  }
  void Move(int held, int col, int row) { ImageMouseMove(t.app, held, 0, 3 + col + 0.5, 3 + row + 0.5); }
};

TEST_F(ImageEdit, APressWithAnyButtonPaintsOrClearsInTheCurrentColour) {
  Press(kRightButton, 3, 1);
  EXPECT_EQ(p.Grid[3][1], 2);
  EXPECT_EQ(t.app.layout.DragValue, 2);
  EXPECT_EQ(t.app.document.Dirty, 1);
  Press(kMiddleButton, 2, 1);
  EXPECT_EQ(p.Grid[2][1], 0);
  EXPECT_EQ(t.app.layout.DragValue, 0);
  Press(kLeftButton, 1, 1);  // another colour is painted over
  EXPECT_EQ(p.Grid[1][1], 2);
}

TEST_F(ImageEdit, PressesOffTheBoardDoNothing) {
  Rows before = Picture();
  for (auto [x, y] : {std::pair{1.5, 5.5}, {5.5, 1.5}, {2.5, 2.5}, {9.5, 5.5}, {5.5, 8.5}, {-3.0, 5.5}})
    ImageMouseDown(t.app, kLeftButton, 0, x, y);
  EXPECT_EQ(Picture(), before);
  EXPECT_EQ(t.app.document.Dirty, 0);
}

TEST_F(ImageEdit, DragsRepeatThePressOnlyWithExactlyTheLeftOrTheRightButton) {
  Press(kLeftButton, 1, 4);
  Move(kLeftButton, 2, 4);
  Move(kLeftButton | kRightButton, 3, 4);
  Move(kMiddleButton, 4, 4);
  Move(0, 5, 3);
  Move(kRightButton, 5, 4);
  EXPECT_EQ(Picture()[3], (std::vector<int>{2, 2, 0, 0, 2}));
  EXPECT_EQ(Picture()[2], (std::vector<int>{0, 0, 4, 5, 0}));
  Press(kLeftButton, 1, 4);  // clears, and the drag clears after it
  Move(kRightButton, 2, 2);
  EXPECT_EQ(p.Grid[2][2], 0);
}

TEST_F(ImageEdit, ADragWritesNoMarkLeftByPlayModeAndCountsAsAnUnsavedChange) {
  t.app.layout.DragValue = -1;
  Move(kLeftButton, 3, 1);
  EXPECT_EQ(p.Grid[3][1], 0);
  EXPECT_EQ(t.app.document.Dirty, 0);
  t.app.layout.DragValue = 2;
  Move(kLeftButton, 3, 1);
  EXPECT_EQ(p.Grid[3][1], 2);
  EXPECT_EQ(t.app.document.Dirty, 1);  // the stroke began off the board, so no press marked it
}

TEST_F(ImageEdit, InvertSwapsTheCurrentColourWithBlankCellsAfterAsking) {
  SetPicture({{1, 2, 0, 0, 0}, {0, 2, 1, 0, 0}, {1, 1, 1, 1, 1}, {2, 2, 2, 2, 2}});
  t.Answer("no");
  InvertImage(t.app);
  EXPECT_EQ(t.TakeOutput(),
            "MSG title=\"画像反転\" buttons=yesno icon=none default=1 "
            "\"現在選択されている 2 番の色と「空マス」を反転します。\\rいいですか？\" -> no\n");
  EXPECT_EQ(t.app.document.Dirty, 0);
  EXPECT_EQ(Picture()[0], (std::vector<int>{1, 2, 0, 0, 0}));
  t.Answer("yes");
  InvertImage(t.app);
  EXPECT_EQ(Picture(), (Rows{{1, 0, 2, 2, 2}, {2, 0, 1, 2, 2}, {1, 1, 1, 1, 1}, {0, 0, 0, 0, 0}}));
  EXPECT_EQ(t.app.document.Dirty, 1);
}

// Each answer and the picture it leaves; nullopt: the picture stays and nothing is redrawn.
struct ScrollCase {
  std::string answer;
  std::optional<Rows> after;
};

const Rows kUp3 = {{0, 0, 0, 0, 6}, {1, 2, 0, 0, 0}, {0, 3, 0, 0, 0}, {0, 0, 4, 5, 0}};

TEST_F(ImageEdit, ScrollAnswersShiftThePictureCyclicallyOrLeaveItAlone) {
  const Rows start = Picture();
  const std::vector<ScrollCase> cases = {
      {"U3", kUp3},
      {"u3", kUp3},
      {"U 3", kUp3},
      {"U11", kUp3},  // 11 = 2 × 4 + 3
      {"U32767", kUp3},  // 32767 = 8191 × 4 + 3
      {"U2.5", Rows{{0, 0, 4, 5, 0}, {0, 0, 0, 0, 6}, {1, 2, 0, 0, 0}, {0, 3, 0, 0, 0}}},
      {"D1", kUp3},
      {"d2", Rows{{0, 0, 4, 5, 0}, {0, 0, 0, 0, 6}, {1, 2, 0, 0, 0}, {0, 3, 0, 0, 0}}},
      {"R2", Rows{{0, 0, 1, 2, 0}, {0, 0, 0, 3, 0}, {5, 0, 0, 0, 4}, {0, 6, 0, 0, 0}}},
      {"L1", Rows{{2, 0, 0, 0, 1}, {3, 0, 0, 0, 0}, {0, 4, 5, 0, 0}, {0, 0, 0, 6, 0}}},
      {"l6", Rows{{2, 0, 0, 0, 1}, {3, 0, 0, 0, 0}, {0, 4, 5, 0, 0}, {0, 0, 0, 6, 0}}},
      {"U4", start},  // a whole turn: unchanged, yet redrawn
      {"X5", std::nullopt},
      {"U0", std::nullopt},
      {"U-2", std::nullopt},
      {"U", std::nullopt},
      {"", std::nullopt},
      {"Ux", std::nullopt},
      {"U32768", std::nullopt},
      {"R99999999999", std::nullopt},
      {"Ｕ3", std::nullopt},
  };
  t.ui.SetDrawEcho(true);
  for (const ScrollCase& c : cases) {
    SetPicture(start);
    t.app.document.Dirty = 0;
    t.Reply(c.answer);
    ScrollImage(t.app);
    std::string out = t.TakeOutput();
    EXPECT_EQ(Picture(), c.after.value_or(start)) << c.answer;
    EXPECT_EQ(out.find("DRAW clear") != std::string::npos, c.after.has_value()) << c.answer;
    EXPECT_EQ(t.app.document.Dirty, 1) << c.answer;
  }
}

TEST_F(ImageEdit, ScrollAsksWithItsPromptAndCancelChangesNothingButDirty) {
  const Rows start = Picture();
  t.ReplyCancel();
  ScrollImage(t.app);
  EXPECT_EQ(t.TakeOutput(),
            "INPUT title=\"スクロール量の入力\" prompt=\"画像をスクロールさせます。\\r"
            "例にならって入力してください。\\r\\r上に３ドット－＞ U3 \\r下に４ドット－＞ D4 \\r"
            "右に５ドット－＞ R5 \\r左に６ドット－＞ L6 \\r\" default=\"\" -> cancel\n");
  EXPECT_EQ(Picture(), start);
  EXPECT_EQ(t.app.document.Dirty, 1);
}

TEST_F(ImageEdit, EraseClearsTheCurrentColourAndItsMarksOnly) {
  p.Mode = kModePlay;
  p.CurColor = 1;
  SetPicture({{1, -1, 2, -2, 0}, {1, 1, 0, 0, 0}, {0, 0, 0, 0, 0}, {-1, 2, 2, 2, 1}});
  t.Answer("no");
  EraseColour(t.app);
  EXPECT_EQ(t.TakeOutput(),
            "MSG title=\"消去\" buttons=yesno icon=none default=1 "
            "\"　現在選択されている 1 番の色を消去します。\\r消去すると元には戻せません。\\r"
            "消去しますか？\" -> no\n");
  EXPECT_EQ(p.Grid[1][1], 1);
  t.Answer("yes");
  EraseColour(t.app);
  EXPECT_EQ(Picture(), (Rows{{0, 0, 2, -2, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 2, 2, 2, 0}}));
  EXPECT_EQ(t.app.document.Dirty, 1);
  // Nothing of the colour left: nothing to save either.
  t.app.document.Dirty = 0;
  t.Answer("yes");
  EraseColour(t.app);
  EXPECT_EQ(t.app.document.Dirty, 0);
}

// With no picture, scroll asks nothing (its amount would be reduced modulo a size of 0); invert
// and erase ask their questions and then visit no cell.
TEST_F(ImageEdit, WithNoPictureOnlyInvertAndEraseAsk) {
  test::MakeBoard(t.app, 0, 0, 0, 0);
  EXPECT_NO_THROW(ScrollImage(t.app));  // no reply queued: an input box would throw
  EXPECT_EQ(t.TakeOutput(), "");
  t.Answer("no");
  InvertImage(t.app);
  EXPECT_EQ(t.app.document.Dirty, 0);
  t.Answer("yes");
  EraseColour(t.app);
  EXPECT_EQ(t.app.document.Dirty, 0);
  std::string out = t.TakeOutput();
  EXPECT_NE(out.find("MSG title=\"画像反転\""), std::string::npos) << out;
  EXPECT_NE(out.find("MSG title=\"消去\""), std::string::npos) << out;
  t.Answer("yes");
  InvertImage(t.app);
  EXPECT_EQ(t.app.document.Dirty, 1);
}

}  // namespace
}  // namespace gw
