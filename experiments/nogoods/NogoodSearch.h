#pragma once
// The other way to a search that learns, kept to measure against the one the engine ships (the
// puzzle's clauses handed to CaDiCaL): nogoods learned natively, with the engine's own line solver
// as the propagator. A line solve that narrows a cell or fails is explained by the decided cells
// of that line (all of them, or a subset shrunk by further line solves until none can go), and
// conflicts are analysed to their first unique implication point as a clause solver does, with
// activity-ordered decisions, saved phases and Luby restarts. Two-valued puzzles only: the
// hardest published ones are, and the measurement is about the learning, not the colours.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "analysis/Analysis.h"
#include "analysis/LineSolver.h"

namespace gw::bench {

class NogoodSearch {
 public:
  // `start`: each cell's values as the engine left them (singles are fixed at the root).
  NogoodSearch(const analysis::Puzzle& puzzle, const std::vector<analysis::CellSet>& start,
               bool shrinkExplanations);
  // Counts solutions up to two; analysis::kUnknown past `maxConflicts`.
  int Count(long long maxConflicts);

  long long conflicts = 0;
  long long decisions = 0;
  long long lineSolves = 0;
  long long explanationSolves = 0;  // line solves spent shrinking explanations
  long long learnedLiterals = 0;

 private:
  // A literal 2 * cell + value: the cell is empty (0) or inked (1). Its negation is lit ^ 1.
  static constexpr int kNoReason = -1;
  int ValueOf(int lit) const { return val_[lit >> 1] < 0 ? -1 : (val_[lit >> 1] == (lit & 1)); }
  int Level() const { return static_cast<int>(levelStart_.size()); }

  void Assign(int lit, int reason, int bound);
  // Propagates to the fixpoint; returns false on a conflict, its literals (all false) in conflict_.
  bool Propagate();
  bool PropagateClauses(int falsified);
  bool SolveLine(int line);
  // The decided cells of `line` among the first `bound` of the trail that its runs cannot fit,
  // with cell `against` (if >= 0) set to the value it was not given, as false literals in `out`.
  void Explain(int line, int bound, int against, std::vector<int>& out);
  bool Fits(int line, int against);
  void ReasonOf(int lit, std::vector<int>& out);
  // First-unique-implication-point learning from conflict_; returns the level to go back to.
  int Analyse(std::vector<int>& learnt);
  void Backtrack(int level);
  int AddClause(const std::vector<int>& lits);
  int Decide();
  void Bump(int cell);
  void HeapUp(int pos);
  void HeapDown(int pos);
  void HeapPush(int cell);
  int HeapPop();

  int width_, height_;
  std::vector<analysis::LineRuns> runs_;  // rows, then columns
  std::vector<std::vector<int>> lineCells_;
  std::vector<int8_t> val_;     // -1 open, 0 empty, 1 inked
  std::vector<int> levelOf_, posOf_, reason_, bound_;
  std::vector<int8_t> phase_;
  std::vector<int> trail_;
  std::vector<int> levelStart_;
  size_t head_ = 0;
  std::vector<int> lineQueue_;
  std::vector<char> lineQueued_;
  std::vector<std::vector<int>> clauses_;
  std::vector<std::vector<int>> watches_;  // clauses watching a literal, visited when it is false
  std::vector<int> conflict_;
  std::vector<char> seen_;
  std::vector<std::vector<int>> explained_;  // a line reason's literals, once asked for
  std::vector<long long> explainedAt_, assignedAt_;
  long long assignments_ = 0;
  std::vector<double> activity_;
  double bump_ = 1;
  std::vector<int> heap_, heapPos_;
  std::vector<int> rootOpen_;  // cells open at the root: what a forbidden solution is made of
  std::vector<analysis::CellSet> line_;
  std::vector<char> inSet_;
  analysis::LineSolver solver_;
  const bool shrink_;
};

}  // namespace gw::bench
