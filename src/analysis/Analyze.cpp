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
  if (engine.Undecided() == 0) {
    result.difficulty = Difficulty::kLine;
  } else {
    int best;
    if (!engine.ProbeToFixpoint(ProbeMode::kRemoveOnly, &best)) {
      result.solutions = 0;
      return;
    }
    result.difficulty = engine.Undecided() == 0 ? Difficulty::kProbe : Difficulty::kSearch;
  }
  // From here the search finds the one board of a line or probe puzzle at its first node.
  int count = 0;
  engine.CountSolutions(result.boards, count);
  result.solutions = count;
  if (count != 1) result.difficulty = Difficulty::kNone;
}

}  // namespace

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
  result.elapsedUs = std::chrono::duration_cast<std::chrono::microseconds>(
                         std::chrono::steady_clock::now() - start).count();
  return result;
}

}  // namespace gw::analysis
