// Generated puzzles: for each size, colour count and difficulty the engine confirms that the
// puzzle is unique and of the class asked for, every colour is used, and a seed repeats it.
#include <gtest/gtest.h>

#include "formats/EngineInput.h"
#include "formats/ForeignFiles.h"
#include "pictures/PuzzleGenerator.h"

namespace gw {
namespace {

using analysis::Difficulty;

TEST(PuzzleGenerator, UniqueAndOfTheRequestedClassForEverySizeAndColourCount) {
  for (Difficulty d : {Difficulty::kLine, Difficulty::kProbe})
    for (int colors : {1, 2, 4})
      for (auto [w, h] : {std::pair{5, 5}, {10, 10}, {20, 15}, {20, 20}}) {
        GenerateRequest r{w, h, colors, d, 42, 30};
        GenerateResult g = GeneratePuzzle(r);
        std::string what = std::to_string(w) + "x" + std::to_string(h) + " " + std::to_string(colors) + " " +
                           DifficultyName(d);
        ASSERT_TRUE(g.puzzle) << what;
        const PuzzleData& p = *g.puzzle;
        EXPECT_EQ(p.width, w) << what;
        EXPECT_EQ(p.height, h) << what;
        EXPECT_EQ(p.ColorCount(), colors) << what;
        EXPECT_NO_THROW(CheckPuzzle(p)) << what;
        analysis::Analysis a = analysis::Analyze(EnginePuzzle(p));
        EXPECT_EQ(a.solutions, 1) << what;
        EXPECT_EQ(a.difficulty, d) << what;
      }
}

TEST(PuzzleGenerator, TheSameSeedGivesTheSamePuzzleAndAnotherSeedAnother) {
  GenerateRequest r{12, 12, 2, Difficulty::kLine, 7, 30};
  GenerateResult a = GeneratePuzzle(r), b = GeneratePuzzle(r);
  ASSERT_TRUE(a.puzzle && b.puzzle);
  EXPECT_EQ(a.puzzle->solution, b.puzzle->solution);
  r.seed = 8;
  GenerateResult c = GeneratePuzzle(r);
  ASSERT_TRUE(c.puzzle);
  EXPECT_NE(a.puzzle->solution, c.puzzle->solution);
}

TEST(PuzzleGenerator, DifficultyNames) {
  for (Difficulty d : {Difficulty::kLine, Difficulty::kProbe, Difficulty::kSearch}) {
    Difficulty back = Difficulty::kNone;
    ASSERT_TRUE(DifficultyFromName(DifficultyName(d), back));
    EXPECT_EQ(back, d);
  }
  Difficulty unused;
  EXPECT_FALSE(DifficultyFromName("hard", unused));
}

}  // namespace
}  // namespace gw
