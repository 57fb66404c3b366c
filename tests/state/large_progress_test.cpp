// The stored game of a board over 20 x 20: what is written reads back exactly, and a file of
// another board, a damaged file or a short one is refused without changing anything.
#include "state/LargeProgress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>

#include "system/FileError.h"
#include "state/ProgressFiles.h"
#include "support/TestApp.h"

namespace gw {
namespace {

// A 37 x 23 board with random hints, cells and ticks.
PuzzleState RandomBoard(unsigned seed) {
  std::mt19937 rng(seed);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  PuzzleState p;
  p.XSize = 37;
  p.YSize = 23;
  p.XHintCount = 9;
  p.YHintCount = 6;
  for (int y = 1; y <= p.YSize; ++y)
    for (int x = 1; x <= p.XSize; ++x) p.Grid[x][y] = pick(-1, 9);
  for (int y = 1; y <= p.YSize; ++y)
    for (int s = 1; s <= p.XHintCount; ++s) {
      p.RowHints[s][y][kHintNumber] = pick(0, 5);
      p.RowHints[s][y][kHintColor] = pick(1, 3);
      p.RowHints[s][y][kHintCheck] = -pick(0, 1);
    }
  for (int x = 1; x <= p.XSize; ++x)
    for (int s = 1; s <= p.YHintCount; ++s) {
      p.ColHints[x][s][kHintNumber] = pick(0, 5);
      p.ColHints[x][s][kHintColor] = pick(1, 3);
      p.ColHints[x][s][kHintCheck] = -pick(0, 1);
    }
  return p;
}

TEST(LargeProgress, WhatIsWrittenReadsBackExactly) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    PuzzleState written = RandomBoard(seed);
    auto read = std::make_unique<PuzzleState>(written);
    ClearGrid(*read);
    ClearHintChecks(*read);
    ApplyLargeProgress(*read, LargeProgressText(written));
    for (int y = 1; y <= written.YSize; ++y)
      for (int x = 1; x <= written.XSize; ++x)
        // Every empty mark is stored as one.
        ASSERT_EQ(read->Grid[x][y], written.Grid[x][y] < 0 ? -1 : written.Grid[x][y]) << seed;
    for (int y = 1; y <= written.YSize; ++y)
      for (int s = 1; s <= written.XHintCount; ++s)
        ASSERT_EQ(read->RowHints[s][y][kHintCheck], written.RowHints[s][y][kHintCheck]) << seed;
    for (int x = 1; x <= written.XSize; ++x)
      for (int s = 1; s <= written.YHintCount; ++s)
        ASSERT_EQ(read->ColHints[x][s][kHintCheck], written.ColHints[x][s][kHintCheck]) << seed;
  }
}

TEST(LargeProgress, AFileThatDoesNotFitThisBoardIsRefusedAndChangesNothing) {
  PuzzleState board = RandomBoard(7);
  std::string good = LargeProgressText(board);
  PuzzleState other = RandomBoard(8);
  struct Case {
    const char* name;
    std::string text;
  };
  std::string badCell = good;
  badCell[good.find("\r\n", good.find("HINTS")) + 2] = 'x';
  const std::vector<Case> cases = {
      {"another board's game", LargeProgressText(other)},
      {"a line missing", good.substr(0, good.rfind("\r\n", good.size() - 3) + 2)},
      {"a line too many", good + "0\r\n"},
      {"a cell that is no cell", badCell},
      {"another header", "GWQ 2" + good.substr(5)},
      {"nothing", ""},
  };
  for (const Case& c : cases) {
    auto p = std::make_unique<PuzzleState>(board);
    EXPECT_THROW(ApplyLargeProgress(*p, c.text), FileError) << c.name;
    EXPECT_EQ(std::memcmp(p->Grid, board.Grid, sizeof board.Grid), 0) << c.name;
    EXPECT_EQ(std::memcmp(p->RowHints, board.RowHints, sizeof board.RowHints), 0) << c.name;
  }
}

// A cell may hold any colour the puzzle has, and none it lacks: a free palette entry is no colour.
TEST(LargeProgress, ACellOfAColourThePuzzleLacksIsRefused) {
  PuzzleState board = RandomBoard(11);
  for (int k = 4; k <= 9; ++k) board.Palette[k] = kFreeColor;
  for (int y = 1; y <= board.YSize; ++y)
    for (int x = 1; x <= board.XSize; ++x) board.Grid[x][y] = board.Grid[x][y] % 4;
  std::string good = LargeProgressText(board);
  size_t firstCell = good.find("\r\n", good.find("HINTS")) + 2;
  for (char digit = '1'; digit <= '9'; ++digit) {
    std::string text = good;
    text[firstCell + 5] = digit;
    auto p = std::make_unique<PuzzleState>(board);
    if (digit <= '3') {
      ApplyLargeProgress(*p, text);
      EXPECT_EQ(p->Grid[6][1], digit - '0');
    } else {
      EXPECT_THROW(ApplyLargeProgress(*p, text), FileError) << digit;
      EXPECT_EQ(std::memcmp(p->Grid, board.Grid, sizeof board.Grid), 0) << digit;
    }
  }
}

// The game a store keeps in memory (the library's, for puzzles where no file can be written) is the
// text of the file the board's size calls for, and reads back as that file does.
TEST(LargeProgress, AGameKeptInMemoryTakesTheFileOfItsSize) {
  for (int side : {37, 15}) {
    test::TestApp t;
    t.Start();
    t.app.puzzle = RandomBoard(5);
    PuzzleState& p = t.app.puzzle;
    p.XSize = side;
    p.YSize = std::min(side, 23);
    std::string bytes = ProgressBytes(t.app.puzzle);
    EXPECT_EQ(bytes.starts_with("GWQ 1\r\n"), side > 20) << side;
    auto played = std::make_unique<PuzzleState>(p);
    ClearGrid(p);
    ReadProgressBytes(t.app.puzzle, bytes);
    for (int y = 1; y <= p.YSize; ++y)
      for (int x = 1; x <= p.XSize; ++x) ASSERT_EQ(p.Grid[x][y], played->Grid[x][y]) << side;
  }
}

TEST(LargeProgress, TheFingerprintChangesWithAnyHintAndOnlyBoardsOver20AreLarge) {
  PuzzleState p = RandomBoard(3);
  std::uint64_t before = HintFingerprint(p);
  p.ColHints[37][6][kHintColor] ^= 1;
  EXPECT_NE(HintFingerprint(p), before);
  p.ColHints[37][6][kHintColor] ^= 1;
  EXPECT_EQ(HintFingerprint(p), before);
  p.Grid[1][1] = 5;  // cells are no part of it
  EXPECT_EQ(HintFingerprint(p), before);
  EXPECT_TRUE(IsLargeBoard(p));
  p.XSize = 20;
  p.YSize = 20;
  EXPECT_FALSE(IsLargeBoard(p));
  EXPECT_EQ(LargeProgressPath("a/castle.non"), "a/castle.non.gwq");
}

}  // namespace
}  // namespace gw
