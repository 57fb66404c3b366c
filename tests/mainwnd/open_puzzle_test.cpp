// The one way in for puzzles of any kind: boards past 20 x 20 open for play, and a file the board
// cannot hold is refused with its reason while the board, its sizes and the mode stay as they
// were.
#include "display/BoardLayout.h"
#include "files/ToolsCommands.h"

#include <gtest/gtest.h>

#include "formats/WebpbnXml.h"

#include <cstring>
#include <filesystem>

#include "formats/ForeignFiles.h"
#include "display/Colors.h"
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
    t.Answer("ok");  // the refusal
    EXPECT_FALSE(OpenPuzzleForPlay(t.app, path)) << c.name;
    EXPECT_NE(t.TakeOutput().find(c.reason), std::string::npos) << c.name;
    const PuzzleState& p = t.app.puzzle;
    EXPECT_EQ(p.Mode, kModeNumber) << c.name;
    EXPECT_EQ(p.XSize, 7) << c.name;
    EXPECT_EQ(std::memcmp(p.Grid, before->Grid, sizeof p.Grid), 0) << c.name;
    EXPECT_EQ(std::memcmp(p.RowHints, before->RowHints, sizeof p.RowHints), 0) << c.name;
  }
}

// Puzzle after puzzle, each brings colours the table does not hold (more of them together than
// the sixteen user-made slots): each is shown, exported and printed in exactly its own colours,
// nothing is asked, and the colour table is what it was before the first.
TEST(OpenPuzzleForPlay, EachPuzzlePlaysInItsOwnColoursAndTheTableStays) {
  if (!WebpbnXmlReadable()) GTEST_SKIP() << "this build reads no XML";
  Opening t;
  Rgb table[32];
  std::memcpy(table, t.app.colors.ColorTable, sizeof table);
  for (int n = 0; n < 6; ++n) {
    PuzzleData d = Picture(9, 7, 5);
    for (int k = 1; k <= 5; ++k) d.colors[k].rgb = MakeRgb(30 + 40 * k, 17 * n + 3 * k, 200 - 25 * k + n);
    std::string path = t.dir.File("colours" + std::to_string(n) + ".xml");
    WriteForeignFile(path, d);
    ASSERT_TRUE(OpenPuzzleForPlay(t.app, path)) << n << t.TakeOutput();
    EXPECT_EQ(t.TakeOutput().find("置き換えます"), std::string::npos) << n;
    PuzzleData shown = DataFromHints(t.app.puzzle, t.app.colors.ColorTable);
    ASSERT_EQ(shown.ColorCount(), 5) << n;
    for (int k = 1; k <= 5; ++k) {
      EXPECT_EQ(SlotColor(t.app, k), d.colors[k].rgb) << n << " colour " << k;
      EXPECT_EQ(shown.colors[k].rgb, d.colors[k].rgb) << n << " colour " << k;
      EXPECT_NE(t.app.puzzle.Palette[k], kFreeColor) << n << " colour " << k;
    }
    for (int k = 6; k <= 9; ++k) EXPECT_EQ(t.app.puzzle.Palette[k], kFreeColor) << n;
    EXPECT_EQ(std::memcmp(table, t.app.colors.ColorTable, sizeof table), 0) << n;
  }
}

// The program's own puzzle files keep to the colour table: opening one after a puzzle of its own
// colours shows the table's colours again.
TEST(OpenPuzzleForPlay, TheProgramsOwnFilesShowTheTablesColoursAgain) {
  Opening t;
  PuzzleData d = Picture(9, 7, 2);
  d.colors[1].rgb = MakeRgb(10, 200, 100);
  d.colors[2].rgb = MakeRgb(250, 230, 140);
  std::string foreign = t.dir.File("own.non");
  WriteForeignFile(foreign, d);
  ASSERT_TRUE(OpenPuzzleForPlay(t.app, foreign)) << t.TakeOutput();
  ASSERT_EQ(SlotColor(t.app, 2), MakeRgb(250, 230, 140));
  std::string own = t.dir.File("apple.gwm");
  std::filesystem::copy_file(std::string(GW_SOURCE_DIR) + "/samples/apple.gwm", own);
  ASSERT_TRUE(OpenPuzzleForPlay(t.app, own)) << t.TakeOutput();
  for (int k = 1; k <= 9; ++k) {
    EXPECT_FALSE(t.app.puzzle.HasOwnColor[k]) << k;
    EXPECT_EQ(SlotColor(t.app, k), t.app.colors.ColorTable[t.app.puzzle.Palette[k]]) << k;
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
