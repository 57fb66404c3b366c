// The one way in for puzzles of any kind: boards past 20 x 20 open for play, and a file the board
// cannot hold is refused with its reason while the board, its sizes and the mode stay as they
// were.
#include "mainwnd/ToolsCommands.h"

#include <gtest/gtest.h>

#include <cstring>

#include "formats/ForeignFiles.h"
#include "formats/PuzzleBridge.h"
#include "support/TestApp.h"

namespace gw {
namespace {

// A picture of w x h cells, each painted in colour (x + y) % colours + 1 where x + y is even.
PuzzleData Picture(int w, int h, int colours) {
  PuzzleData d;
  d.width = w;
  d.height = h;
  d.colors.push_back({"white", 0xFFFFFF, '.'});
  for (int k = 1; k <= colours; ++k) d.colors.push_back({"c" + std::to_string(k), static_cast<Rgb>(k * 0x151515), 0});
  d.solution.assign(h, std::vector<int>(w, 0));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) d.solution[y][x] = (x + y) % 2 == 0 ? (x + y) / 2 % colours + 1 : 0;
  DeriveClues(d);
  return d;
}

struct Opening : test::TestApp {
  test::TempDir dir;
  Opening() {
    Start();
    TakeOutput();
  }
};

TEST(OpenPuzzleForPlay, BoardsUpTo99OpenForPlay) {
  for (int side : {21, 30, 64, 99}) {
    Opening t;
    t.app.puzzle.Mode = kModeImage;
    std::string path = t.dir.File("big" + std::to_string(side) + ".non");
    WriteForeignFile(path, Picture(side, side - 1, 1));
    t.Answer("ok");  // the colours' mapping
    ASSERT_TRUE(OpenPuzzleForPlay(t.app, path)) << side << t.TakeOutput();
    EXPECT_EQ(t.app.puzzle.Mode, kModePlay);
    EXPECT_EQ(t.app.puzzle.XSize, side);
    EXPECT_EQ(t.app.puzzle.YSize, side - 1);
    // A line of n cells alternating ink and gap holds about n / 2 hints.
    EXPECT_EQ(t.app.puzzle.XHintCount, (side + 1) / 2);
  }
}

TEST(OpenPuzzleForPlay, WhatTheBoardCannotHoldIsRefusedAndNothingChanges) {
  struct Case {
    const char* name;
    PuzzleData data;
    const char* file;
    const char* reason;
  };
  const std::vector<Case> cases = {
      {"ten colours", Picture(12, 12, 10), "ten.non", "色が 10 色あります（9 色まで）。"},
  };
  for (const Case& c : cases) {
    Opening t;
    test::MakeBoard(t.app, 7, 5, 2, 2);
    t.app.puzzle.Mode = kModeNumber;
    t.app.puzzle.Grid[3][4] = 2;
    auto before = std::make_unique<PuzzleState>(t.app.puzzle);
    std::string path = t.dir.File(c.file);
    WriteForeignFile(path, c.data);
    t.Answer("ok");
    EXPECT_FALSE(OpenPuzzleForPlay(t.app, path)) << c.name;
    EXPECT_NE(t.TakeOutput().find(c.reason), std::string::npos) << c.name;
    const PuzzleState& p = t.app.puzzle;
    EXPECT_EQ(p.Mode, kModeNumber) << c.name;
    EXPECT_EQ(p.XSize, 7) << c.name;
    EXPECT_EQ(std::memcmp(p.Grid, before->Grid, sizeof p.Grid), 0) << c.name;
    EXPECT_EQ(std::memcmp(p.RowHints, before->RowHints, sizeof p.RowHints), 0) << c.name;
  }
}

// The import always shows how the colours map; a list of puzzles asks only when a colour would
// not show as itself or would be added to the user's colours.
TEST(OpenPuzzleForPlay, TheColourQuestionComesWhenColoursChangeOrAlwaysForTheImport) {
  struct Case {
    ColourQuestion ask;
    Rgb ink;
    bool asked;
  } cases[] = {
      {ColourQuestion::Always, 0x000000, true},
      {ColourQuestion::WhenChanging, 0x000000, false},
      {ColourQuestion::WhenChanging, 0x123456, true},
  };
  for (const Case& c : cases) {
    Opening t;
    PuzzleData d = Picture(5, 5, 1);
    d.colors[1].rgb = c.ink;
    std::string path = t.dir.File("one.non");
    WriteForeignFile(path, d);
    if (c.asked) t.Answer("ok");
    ASSERT_TRUE(OpenPuzzleForPlay(t.app, path, c.ask)) << std::hex << c.ink;
    bool shown = t.TakeOutput().find("色は次のように置き換えます。") != std::string::npos;
    EXPECT_EQ(shown, c.asked) << std::hex << c.ink;
  }
}

TEST(OpenPuzzleForPlay, TheLimitsOfPlayAndOfTheProgramsOwnFilesDiffer) {
  EXPECT_EQ(WhyNotPlayable(Picture(99, 99, 9)), "");
  EXPECT_EQ(WhyNotHeld(Picture(20, 20, 9)), "");
  EXPECT_EQ(WhyNotHeld(Picture(21, 20, 1)), "盤面が 21 × 20 です（20 × 20 まで）。");
  PuzzleData tooWide;
  tooWide.width = 100;
  tooWide.height = 3;
  EXPECT_EQ(WhyNotPlayable(tooWide), "盤面が 100 × 3 です（99 × 99 まで）。");
}

}  // namespace
}  // namespace gw
