// The natively learning search that the benchmarks measure against the engine's: its counts must
// be right for the comparison to mean anything. Held against board enumeration on small boards
// and against the engine on bigger ones, with each line's explanation whole and shrunk.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "support/BruteForce.h"
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

// Random pictures (every `mixedEvery`-th round the rows of one with the columns of another, most
// of them without a solution), counted against board enumeration on boards small enough for it
// and against the engine on boards big enough that learned units fix cells at the root between
// the solutions met (a forbidden solution must not watch them) and backjumps cross levels.
struct Rounds {
  unsigned seed;
  int rounds;
  int side;   // the smallest width
  int sides;  // how many widths from it
  bool square;
  int mixedEvery;
  double ink;  // the lowest share of ink, raised by a tenth round by round up to three times
  bool enumerate;
  int leastOfEach;  // boards of 0, 1 and 2+ solutions each at least
  long long leastConflicts;
};

TEST(NogoodSearch, CountsLikeEveryBoardAndTheEngine) {
  const Rounds sets[] = {
      {2602, 400, 2, 5, false, 3, 0.3, true, 30, 1},
      {2603, 150, 12, 13, true, 5, 0.45, false, 5, 2000},
  };
  for (const Rounds& set : sets) {
    std::mt19937 rng(set.seed);
    int bySolutions[3] = {};
    long long conflicts = 0;
    for (int round = 0; round < set.rounds; ++round) {
      const int w = set.side + round % set.sides;
      const int h = set.square ? w : set.side + (round / set.sides) % set.sides;
      const double ink = set.ink + 0.1 * (round % 3);
      const Puzzle p = round % set.mixedEvery == 0 ? brute::MixedPuzzle(rng, w, h, 1)
                                                   : brute::PuzzleOf(brute::RandomPicture(rng, w, h, 1, ink));
      const int want = set.enumerate ? brute::BoardCounter(p).Count(2) : Analyze(p).solutions;
      for (bool shrink : {false, true})
        ASSERT_EQ(NativeCount(p, shrink, &conflicts), want)
            << "seed " << set.seed << " round " << round << " shrink " << shrink;
      ++bySolutions[want];
    }
    for (int n : bySolutions) EXPECT_GE(n, set.leastOfEach) << set.seed;
    EXPECT_GE(conflicts, set.leastConflicts) << set.seed;
  }
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
