#pragma once
// The puzzle as clauses for a solver that learns from its conflicts: one variable per value a
// cell may still take, and per run of every line one variable per place it may start with a
// ladder of "has started by here" beside it. The ladders carry the order of the runs, so unit
// propagation sees at once where a run can no longer go and what that leaves its cells. Or, on
// request, each line as the states of its automaton (LineAutomaton.cpp).
#include <vector>

#include "analysis/Analysis.h"
#include "analysis/Symmetry.h"

namespace gw::analysis {

// Clauses in the DIMACS way: literals ±var (vars from 1), each clause ended by 0.
struct Cnf {
  int vars = 0;
  std::vector<int> literals;
  int NewVar() { return ++vars; }
  void Add(std::initializer_list<int> clause);
};

class BoardClauses {
 public:
  // lines: rows top to bottom, then columns left to right; cells: the values still open. Folded,
  // only the pictures that are their own images under the folding's symmetries are described:
  // one cell stands for all it is carried to, and only the lines kept are written (the cells'
  // values must then be the same across each fold).
  BoardClauses(int width, int height, const std::vector<LineRuns>& lines,
               const std::vector<CellSet>& cells, LineEncoding encoding = LineEncoding::kLadders,
               const Folding* folding = nullptr);

  const Cnf& cnf() const { return cnf_; }
  // Once a solver holds the clauses, their copy here is only memory: on a board near the
  // learner's size limit, about 10 MB.
  void ReleaseCnf() { std::vector<int>().swap(cnf_.literals); }
  // The variable of "cell i has this value"; 0 when the value was ruled out before.
  int CellVar(int i, int value) const {
    return cellVars_[static_cast<size_t>(folding_ ? folding_->standIn[i] : i) * kValues + value];
  }
  // The clause that the board is not this one: that some row's runs do not all start where they
  // start on it (where each row's runs start decides every cell), over the rows with open cells.
  std::vector<int> Forbidding(const Board& board) const;

  static constexpr int kValues = kMaxColors + 1;

 private:
  struct Ladder;
  // Forbidding by the rows' run starts; empty when the board does not fit the rows' runs.
  std::vector<int> ForbiddingStarts(const Board& board) const;
  void AddCells();
  void AddLine(const LineRuns& runs, int first, int step, int n);
  void AddAutomaton(const LineRuns& runs, int first, int step, int n);
  Ladder Starts(const Run& run, int lo, int hi, int first, int step, int n) const;
  void AddLadder(Ladder& ladder);
  void AddCover(const std::vector<Ladder>& ladders, int first, int step, int n);

  // Where each run of a row may start, and the variable of each place, rows with open cells only.
  struct RunStarts {
    std::vector<int> at;
    std::vector<int> start;
  };
  std::vector<std::vector<RunStarts>> rowStarts_;
  int width_;
  int height_;
  const std::vector<CellSet>& cells_;
  const Folding* folding_;
  std::vector<int> cellVars_;
  Cnf cnf_;
};

}  // namespace gw::analysis
