#include <gtest/gtest.h>

#include "display/BoardLayout.h"
#include "display/Draw.h"
#include "history/History.h"
#include "mainwnd/MainWnd.h"
#include "authoring/NumberInput.h"
#include "state/Document.h"
#include "state/PuzzleState.h"
#include "support/TestApp.h"

namespace gw {
namespace {

// A 4 × 3 board with two hint slots on each side: row hint slot s of row y lies at board units
// (s, 2 + y), column hint slot s of column x at (2 + x, s).
struct NumberInput : ::testing::Test {
  test::TestApp t;
  PuzzleState& p = t.app.puzzle;
  BoardLayout& l = t.app.layout;

  void SetUp() override {
    t.Start();
    p.Mode = kModeNumber;
    test::MakeBoard(t.app, 4, 3, 2, 2);
    LayoutBoard(t.app);
    DrawGrid(t.app);
    p.Palette[2] = 12;
    p.Palette[3] = 10;
    Place(1, 2, 1);
    t.app.document.Dirty = 0;
    t.ui.SetDrawEcho(true);
    t.TakeOutput();
  }
  void Place(int side, int x, int y) {
    l.CursorSide = side;
    l.CursorX = x;
    l.CursorY = y;
  }
  // Types the characters; "\n" stands for Enter.
  void Type(const std::string& keys) {
    for (char c : keys) NumberKeyPress(t.app, c == '\n' ? static_cast<int>(kCharEnter) : c);
  }
  void ExpectCursor(int side, int x, int y) {
    EXPECT_EQ(l.CursorSide, side);
    EXPECT_EQ(l.CursorX, x);
    EXPECT_EQ(l.CursorY, y);
  }
  int& Row(int s, int y, int plane = kHintNumber) { return p.RowHints[s][y][plane]; }
  int& Col(int x, int s, int plane = kHintNumber) { return p.ColHints[x][s][plane]; }
  std::string Colour(int tableIndex) { return std::to_string(t.app.colors.ColorTable[tableIndex]); }
  // The hint texts printed since the last call, one "x y color=c "text"" per print.
  std::vector<std::string> Texts() {
    std::vector<std::string> texts;
    std::istringstream in(t.TakeOutput());
    for (std::string line; std::getline(in, line);)
      if (line.rfind("DRAW text ", 0) == 0) texts.push_back(line.substr(10));
    return texts;
  }
};

TEST_F(NumberInput, TwoCharactersOrEnterFinishAnEntryAndTheRowSideWalksDown) {
  Type("12");
  EXPECT_EQ(Row(2, 1), 12);
  ExpectCursor(1, 2, 2);
  EXPECT_EQ(l.DigitBuffer, "");
  EXPECT_EQ(t.app.document.Dirty, 1);
  Type("7");
  EXPECT_EQ(Row(2, 2), 0);  // one digit waits for Enter
  EXPECT_EQ(l.DigitBuffer, "7");
  Type("\n");
  EXPECT_EQ(Row(2, 2), 7);
  ExpectCursor(1, 2, 3);
  Row(2, 3) = 5;
  Type("\n");  // Enter alone moves on and stores nothing
  EXPECT_EQ(Row(2, 3), 5);
  ExpectCursor(1, 1, 1);  // past row 3, one slot to the left
}

TEST_F(NumberInput, A0StandsFor100AndOtherEntriesCountByTheirLeadingDigits) {
  const std::vector<std::pair<std::string, int>> entries = {
      {"A0", 100}, {"a0", 100}, {"a5", 0}, {"5a", 5}, {"A\n", 0}, {"0\n", 0}, {"00", 0}, {"09", 9}};
  for (const auto& [keys, value] : entries) {
    Place(1, 1, 2);
    Row(1, 2) = 44;
    Type(keys);
    EXPECT_EQ(Row(1, 2), value) << keys;
  }
}

TEST_F(NumberInput, AnEntryWipesTheOldNumberInWhiteAndPrintsInTheSlotColour) {
  Row(2, 1) = 12;
  Row(2, 1, kHintColor) = 2;
  Type("A0");
  EXPECT_EQ(Row(2, 1, kHintColor), 2);  // retyping keeps the colour
  EXPECT_EQ(Texts(), (std::vector<std::string>{"2 3 color=" + Colour(15) + " \"12\"",
                                               "2 3 color=" + Colour(12) + " \"A0\""}));
  // A slot without a colour takes the current one.
  p.CurColor = 3;
  Place(2, 4, 1);
  Col(4, 1, kHintColor) = 0;
  Type("7\n");
  EXPECT_EQ(Col(4, 1, kHintColor), 3);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"6 1 color=" + Colour(15) + " \"  \"",
                                               "6 1 color=" + Colour(10) + " \" 7\""}));
}

TEST_F(NumberInput, OnTheColumnSideEntriesRunAlongTheSlotRowAndWrapOneRowUp) {
  Place(2, 4, 2);
  Type("11");
  EXPECT_EQ(Col(4, 2), 11);
  ExpectCursor(2, 1, 1);  // column 1 of the slot row above
  Type("22");
  EXPECT_EQ(Col(1, 1), 22);
  ExpectCursor(2, 2, 1);
  Place(2, 4, 1);
  Type("\n");
  ExpectCursor(2, 1, 1);  // the first slot row has none above it
}

TEST_F(NumberInput, ArrowsStopAtTheFirstSlotAndWrapPastTheLast) {
  struct Step {
    int side, x, y, key, toX, toY;
  };
  const std::vector<Step> steps = {
      {1, 1, 1, kKeyLeft, 1, 1},  {1, 1, 1, kKeyUp, 1, 1},    {1, 2, 2, kKeyRight, 1, 1},
      {1, 1, 3, kKeyDown, 1, 1},  {1, 2, 3, kKeyDown, 1, 1},  {2, 3, 2, kKeyDown, 2, 1},
      {2, 2, 1, kKeyRight, 3, 1}, {2, 4, 2, kKeyRight, 1, 1}, {1, 2, 2, kKeyLeft, 1, 2},
  };
  for (const Step& s : steps) {
    Place(s.side, s.x, s.y);
    MoveInputCursor(t.app, s.key);
    EXPECT_EQ(l.CursorX, s.toX) << s.side << " " << s.x << "," << s.y << " key " << s.key;
    EXPECT_EQ(l.CursorY, s.toY) << s.side << " " << s.x << "," << s.y << " key " << s.key;
  }
  EXPECT_EQ(t.app.document.Dirty, 0);  // moving alone changes nothing
}

TEST_F(NumberInput, AnArrowStoresThePendingDigitWhereItWasTyped) {
  Place(1, 2, 2);
  Type("3");
  MoveInputCursor(t.app, kKeyUp);
  EXPECT_EQ(Row(2, 2), 3);
  EXPECT_EQ(l.DigitBuffer, "");
  ExpectCursor(1, 2, 1);
  EXPECT_EQ(t.app.document.Dirty, 1);
}

TEST_F(NumberInput, DigitsTypedBeforeALeftClickBelongToTheClickedSlot) {
  Type("3");
  MainWndMouseDown(t.app, kLeftButton, 0, 5.5, 1.5);  // column 3, slot 1
  ExpectCursor(2, 3, 1);
  EXPECT_EQ(l.DigitBuffer, "3");
  Type("4");
  EXPECT_EQ(Col(3, 1), 34);
  EXPECT_EQ(Row(2, 1), 0);
}

TEST_F(NumberInput, ClicksOnTheBoardTheCornerOrTheMarginsDoNothing) {
  for (auto [x, y] : {std::pair{4.5, 4.5}, {1.5, 1.5}, {0.5, 3.5}, {7.5, 1.5}, {3.5, 5.99}}) {
    NumberMouseDown(t.app, kLeftButton, 0, x, y);
    NumberMouseDown(t.app, kRightButton, 0, x, y);
  }
  ExpectCursor(1, 2, 1);
  EXPECT_EQ(t.TakeOutput(), "");
  EXPECT_EQ(t.app.document.Dirty, 0);
}

TEST_F(NumberInput, AnyButtonButTheLeftRecoloursTheHintAndReprintsIt) {
  p.CurColor = 2;
  Row(1, 2) = 4;
  NumberMouseDown(t.app, kRightButton, 0, 1.5, 4.5);
  EXPECT_EQ(Row(1, 2, kHintColor), 2);
  EXPECT_EQ(Row(1, 2), 4);
  ExpectCursor(1, 2, 1);
  EXPECT_EQ(t.app.document.Dirty, 1);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"1 4 color=" + Colour(15) + " \" 4\"",
                                               "1 4 color=" + Colour(12) + " \" 4\""}));
  // An empty slot takes the colour and shows nothing.
  NumberMouseDown(t.app, kMiddleButton, 0, 6.5, 2.5);
  EXPECT_EQ(Col(4, 2, kHintColor), 2);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"6 2 color=" + Colour(15) + " \"  \"",
                                               "6 2 color=" + Colour(12) + " \"  \""}));
}

TEST_F(NumberInput, ARightDragRecoloursEachSlotOnceAsItIsEntered) {
  p.CurColor = 3;
  NumberMouseMove(t.app, 0, 0, 3.5, 1.5);
  EXPECT_TRUE(Texts().empty());
  NumberMouseMove(t.app, kRightButton, 0, 3.1, 1.2);  // same slot as the last move
  NumberMouseMove(t.app, kRightButton, 0, 4.5, 1.5);
  NumberMouseMove(t.app, kRightButton, 0, 4.9, 1.9);
  NumberMouseMove(t.app, kLeftButton, 0, 5.5, 1.5);
  NumberMouseMove(t.app, kLeftButton | kRightButton, 0, 6.5, 1.5);
  NumberMouseMove(t.app, kRightButton, 0, 5.5, 1.5);
  EXPECT_EQ(Texts().size(), 4u);  // two slots, one wipe and one print each
  EXPECT_EQ(Col(1, 1, kHintColor), 1);
  EXPECT_EQ(Col(2, 1, kHintColor), 3);
  EXPECT_EQ(Col(3, 1, kHintColor), 3);
  EXPECT_EQ(Col(4, 1, kHintColor), 1);
  // The drag began without a press on the hints, yet its colours count as an unsaved change.
  EXPECT_EQ(t.app.document.Dirty, 1);
}

TEST_F(NumberInput, ARightDragOverHintsAlreadyInTheColourChangesNothing) {
  NumberMouseMove(t.app, kRightButton, 0, 1.5, 3.5);
  NumberMouseMove(t.app, kRightButton, 0, 2.5, 3.5);
  EXPECT_EQ(Row(1, 1, kHintColor), 1);
  EXPECT_EQ(t.app.document.Dirty, 0);
}

TEST_F(NumberInput, WithNoPuzzleKeysDoNothingAndDrawNothing) {
  test::MakeBoard(t.app, 0, 0, 0, 0);
  for (int side : {0, 1}) {  // none yet, or one left from a puzzle the mode change emptied
    Place(side, side, side);
    Type("12\nA");
    for (int code : {kKeyLeft, kKeyUp, kKeyRight, kKeyDown}) MoveInputCursor(t.app, code);
    EXPECT_EQ(t.TakeOutput(), "");
    EXPECT_EQ(l.DigitBuffer, "");
    EXPECT_EQ(t.app.document.Dirty, 0);
    ExpectCursor(side, side, side);
  }
}

}  // namespace
}  // namespace gw
