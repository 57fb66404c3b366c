// The natively learning search that the benchmarks measure against the engine's: its counts must
// be right for the comparison to mean anything. Held against board enumeration on small boards
// and against the engine on bigger ones, with each line's explanation whole and shrunk.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "BruteForce.h"
#include "NogoodSearch.h"
#include "analysis/Analysis.h"
#include "analysis/Engine.h"
#include "formats/PuzzleKinds.h"

namespace gw::analysis {
namespace {

// From the line-solved state, as the benchmark starts it; 0 where line solving already fails.
int NativeCount(const Puzzle& p, bool shrink, long long* conflicts = nullptr) {
  Engine engine(p, nullptr);
  if (!engine.Propagate()) return 0;
  bench::NogoodSearch search(p, engine.cells(), shrink);
  const int count = search.Count(1000000);
  if (conflicts) *conflicts += search.conflicts;
  return count;
}

// The rows of one picture with the columns of another: most such pairs have no solution.
Puzzle Mixed(std::mt19937& rng, int w, int h) {
  Puzzle p = brute::PuzzleOf(brute::RandomPicture(rng, w, h, 1, 0.5));
  p.cols = brute::PuzzleOf(brute::RandomPicture(rng, w, h, 1, 0.5)).cols;
  return p;
}

TEST(NogoodSearch, CountsLikeEveryBoard) {
  std::mt19937 rng(2602);
  int bySolutions[3] = {};
  long long conflicts = 0;
  for (int round = 0; round < 400; ++round) {
    const int w = 2 + round % 5, h = 2 + (round / 5) % 5;
    const Puzzle p = round % 3 == 0 ? Mixed(rng, w, h)
                                    : brute::PuzzleOf(brute::RandomPicture(rng, w, h, 1, 0.3 + 0.1 * (round % 4)));
    const int want = brute::BoardCounter(p, 1).Count(2);
    for (bool shrink : {false, true})
      ASSERT_EQ(NativeCount(p, shrink, &conflicts), want) << "round " << round << " shrink " << shrink;
    ++bySolutions[want];
  }
  EXPECT_GT(bySolutions[0], 30);
  EXPECT_GT(bySolutions[1], 30);
  EXPECT_GT(bySolutions[2], 30);
  EXPECT_GT(conflicts, 0);
}

// Boards big enough that learned units fix cells at the root between the solutions met (a
// forbidden solution must not watch them) and that backjumps cross several levels.
TEST(NogoodSearch, CountsLikeTheEngineOnBiggerBoards) {
  std::mt19937 rng(2603);
  int bySolutions[3] = {};
  long long conflicts = 0;
  for (int round = 0; round < 150; ++round) {
    const int w = 12 + round % 13;
    const Puzzle p = round % 5 == 0 ? Mixed(rng, w, w)
                                    : brute::PuzzleOf(brute::RandomPicture(rng, w, w, 1, 0.45 + 0.05 * (round % 3)));
    const int want = Analyze(p).solutions;
    for (bool shrink : {false, true})
      ASSERT_EQ(NativeCount(p, shrink, &conflicts), want) << "round " << round << " shrink " << shrink;
    ++bySolutions[want];
  }
  EXPECT_GT(bySolutions[0], 5);
  EXPECT_GT(bySolutions[1], 5);
  EXPECT_GT(bySolutions[2], 5);
  EXPECT_GT(conflicts, 2000);
}

// Past its conflicts it gives no count at all, never a guess; given enough, it proves 9-Dom unique.
TEST(NogoodSearch, GivesUpPastItsConflictsWithoutAVerdict) {
  const Puzzle p = ReadEnginePuzzle(std::string(GW_SOURCE_DIR) + "/bench/puzzles/ndom-09.non");
  Engine engine(p, nullptr);
  ASSERT_TRUE(engine.Propagate());
  for (bool shrink : {false, true}) {
    bench::NogoodSearch capped(p, engine.cells(), shrink);
    EXPECT_EQ(capped.Count(10), kUnknown) << shrink;
    EXPECT_EQ(capped.conflicts, 11) << shrink;
  }
  bench::NogoodSearch search(p, engine.cells(), true);
  EXPECT_EQ(search.Count(100000), 1);
  EXPECT_GT(search.conflicts, 100);
}

}  // namespace
}  // namespace gw::analysis
