// The verdict: how many solutions, and for a unique puzzle the weakest reasoning that finds it.
#include <chrono>

#include "analysis/Analysis.h"
#include "analysis/Engine.h"

namespace gw::analysis {
namespace {

void Rate(Engine& engine, Analysis& result) {
  if (!engine.valid() || !engine.Propagate()) {
    result.solutions = 0;
    return;
  }
  const bool lineSolved = engine.Undecided() == 0;
  // The count comes before the rating: most puzzles that line reasoning leaves open have
  // several solutions, and for them probing every cell to rate a unique one would be wasted.
  int count = 0;
  engine.CountSolutions(result.boards, count);
  result.solutions = count;
  if (count != 1) return;
  if (lineSolved) {
    result.difficulty = Difficulty::kLine;
    return;
  }
  // The search leaves the state narrowed only by refuted values and what follows from them,
  // which probing removes as well, so probing from here ends where it ends from line solving.
  const bool probed = engine.ProbeToFixpoint() && engine.Undecided() == 0;
  result.difficulty = probed ? Difficulty::kProbe : Difficulty::kSearch;
}

}  // namespace

bool LearningAvailable() {
#if GW_HAVE_CADICAL
  return true;
#else
  return false;
#endif
}

Analysis Analyze(const Puzzle& puzzle, const Budget& budget) {
  const auto start = std::chrono::steady_clock::now();
  Analysis result;
  if (puzzle.width > kMaxSide || puzzle.height > kMaxSide) return result;
  Engine engine(puzzle, &budget);
  try {
    Rate(engine, result);
  } catch (const Stopped& stop) {
    result.solutions = kUnknown;
    result.difficulty = Difficulty::kNone;
    result.boards.clear();
    result.cancelled = stop.cancelled;
  }
  result.lines = engine.lines;
  result.probes = engine.probes;
  result.nodes = engine.nodes;
  result.conflicts = engine.conflicts;
  result.learned = engine.learned;
  result.elapsedUs = std::chrono::duration_cast<std::chrono::microseconds>(
                         std::chrono::steady_clock::now() - start).count();
  return result;
}

}  // namespace gw::analysis
