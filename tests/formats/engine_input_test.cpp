// The board's hint slots read once for the engine and for the foreign files: empty slots are left
// out wherever they stand, and a random picture's hints reach the engine as its runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

#include "formats/EngineInput.h"
#include "formats/PuzzleBridge.h"

namespace gw::test {
namespace {

using Runs = std::vector<std::pair<int, int>>;

std::vector<int> LengthsOf(const analysis::LineRuns& line) {
  std::vector<int> out;
  for (const analysis::Run& r : line) out.push_back(r.length);
  return out;
}

Runs RunsOf(const analysis::LineRuns& line) {
  Runs out;
  for (const analysis::Run& r : line) out.push_back({r.length, r.color});
  return out;
}

struct SlotCase {
  std::vector<int> numbers;  // slots 1..n of row 1, 0 an empty slot
  Runs runs;
};

TEST(EngineInput, EmptySlotsAreLeftOutWhereverTheyStand) {
  const SlotCase cases[] = {
      {{0, 0, 3}, {{3, 3}}},
      {{2, 0, 1}, {{2, 1}, {1, 3}}},
      {{0, 0, 0}, {}},
      {{kHintA0, 0, 0}, {{kHintA0, 1}}},
      {{1, 1, 1}, {{1, 1}, {1, 2}, {1, 3}}},
  };
  for (const SlotCase& c : cases) {
    auto p = std::make_unique<PuzzleState>();
    p->XSize = p->YSize = 5;
    p->XHintCount = static_cast<int>(c.numbers.size());
    for (int s = 1; s <= p->XHintCount; ++s) {
      p->RowHints[s][1][kHintNumber] = c.numbers[s - 1];
      p->RowHints[s][1][kHintColor] = s;
    }
    analysis::Puzzle e = HintPuzzle(*p);
    ASSERT_EQ(e.rows.size(), 5u);
    EXPECT_EQ(RunsOf(e.rows[0]), c.runs);
    ASSERT_EQ(RowClues(*p).size(), 5u);
    EXPECT_EQ(RowClues(*p)[0].size(), c.runs.size());
  }
}

TEST(EngineInput, APicturesHintsReachTheEngineAsTheForeignFilesHoldThem) {
  std::mt19937 rng(22);
  Rgb table[32] = {};
  for (int i = 0; i < 32; ++i) table[i] = MakeRgb(i * 8, 255 - i * 8, i * 3);
  for (int round = 0; round < 50; ++round) {
    auto p = std::make_unique<PuzzleState>();
    p->XSize = 1 + int(rng() % kMaxSize);
    p->YSize = 1 + int(rng() % kMaxSize);
    for (int k = 1; k <= 9; ++k) p->Palette[k] = k;
    for (int x = 1; x <= p->XSize; ++x)
      for (int y = 1; y <= p->YSize; ++y) p->Grid[x][y] = int(rng() % 4);
    analysis::Puzzle picture = PicturePuzzle(*p);
    DeriveHints(*p);
    analysis::Puzzle hints = HintPuzzle(*p);
    analysis::Puzzle data = EnginePuzzle(DataFromHints(*p, table));
    ASSERT_EQ(picture.rows.size(), size_t(p->YSize));
    ASSERT_EQ(picture.cols.size(), size_t(p->XSize));
    for (size_t y = 0; y < picture.rows.size(); ++y) {
      EXPECT_EQ(RunsOf(picture.rows[y]), RunsOf(hints.rows[y])) << "round " << round << " row " << y;
      EXPECT_EQ(LengthsOf(picture.rows[y]), LengthsOf(data.rows[y])) << "round " << round << " row " << y;
    }
    for (size_t x = 0; x < picture.cols.size(); ++x)
      EXPECT_EQ(RunsOf(picture.cols[x]), RunsOf(hints.cols[x])) << "round " << round << " column " << x;
    analysis::Board board = PictureBoard(*p);
    for (int y = 0; y < board.height; ++y)
      for (int x = 0; x < board.width; ++x)
        EXPECT_EQ(board.At(x, y), std::max(0, p->Grid[x + 1][y + 1]));
  }
}

}  // namespace
}  // namespace gw::test
