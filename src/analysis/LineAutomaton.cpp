// A line as the states of the automaton that reads its cells one by one: in the gap before run j,
// or in run j at its i-th cell. One variable per state a cell may leave the line in, kept to the
// states that can be reached from the line's start and can still reach its end with the values
// its cells may take. Each state says its cell's value, has a state before it and one after it;
// a cell's value needs a state that says it. Unit propagation on these clauses narrows a line as
// far as the line solver does, and their size grows with the line's length times its slack
// instead of with the length of its runs.
#include <vector>

#include "analysis/LineClauses.h"

namespace gw::analysis {
namespace {

// The states in reading order: gap 0, run 0's cells, gap 1, run 1's cells, ..., gap k. The line
// begins as in gap 0, and ends in gap k or in the last cell of run k-1.
class LineStates {
 public:
  explicit LineStates(const LineRuns& runs) {
    for (const Run& run : runs) {
      color_.push_back(0);
      for (int i = 0; i < run.length; ++i) color_.push_back(static_cast<int>(run.color));
      lastOfRun_.resize(color_.size(), false);
      lastOfRun_.back() = true;
    }
    color_.push_back(0);
    lastOfRun_.resize(color_.size(), false);
  }
  int size() const { return static_cast<int>(color_.size()); }
  // The value of the cell that leaves the line in state q.
  int Color(int q) const { return color_[q]; }
  bool Accepting(int q) const { return q >= size() - 2 && (q == size() - 1 || lastOfRun_[q]); }
  // The state after q on reading a cell of value v; -1 when the line cannot go on so.
  int Next(int q, int v) const {
    if (color_[q] == 0) return v == 0 ? q : (q + 1 < size() && color_[q + 1] == v ? q + 1 : -1);
    if (!lastOfRun_[q]) return color_[q + 1] == v ? q + 1 : -1;
    if (v == 0) return q + 1;  // the gap after this run
    // The next run straight on, where its colour differs.
    return q + 2 < size() && color_[q + 2] == v && color_[q + 2] != color_[q] ? q + 2 : -1;
  }
  // Whether a run begins at state q (its first cell).
  bool FirstOfRun(int q) const { return color_[q] != 0 && color_[q - 1] == 0; }

 private:
  std::vector<int> color_;
  std::vector<bool> lastOfRun_;
};

}  // namespace

void BoardClauses::AddAutomaton(const LineRuns& runs, int first, int step, int n) {
  const LineStates states(runs);
  const int s = states.size();
  auto allows = [&](int x, int v) { return CellVar(first + x * step, v) != 0; };
  // live[x * s + q]: the line can be in state q after cell x, from its start and to its end.
  std::vector<char> live(static_cast<size_t>(n) * s, 0);
  std::vector<char> ahead(static_cast<size_t>(s), 0), next(static_cast<size_t>(s), 0);
  ahead[0] = 1;
  for (int x = 0; x < n; ++x) {
    std::fill(next.begin(), next.end(), 0);
    for (int q = 0; q < s; ++q)
      if (ahead[q])
        for (int v = 0; v < kValues; ++v)
          if (allows(x, v))
            if (const int t = states.Next(q, v); t >= 0) next[t] = 1;
    for (int q = 0; q < s; ++q) live[static_cast<size_t>(x) * s + q] = next[q];
    ahead.swap(next);
  }
  for (int q = 0; q < s; ++q) live[static_cast<size_t>(n - 1) * s + q] &= states.Accepting(q);
  for (int x = n - 2; x >= 0; --x)
    for (int q = 0; q < s; ++q) {
      char& here = live[static_cast<size_t>(x) * s + q];
      if (!here) continue;
      bool onward = false;
      for (int v = 0; v < kValues && !onward; ++v)
        if (allows(x + 1, v))
          if (const int t = states.Next(q, v); t >= 0) onward = live[static_cast<size_t>(x + 1) * s + t];
      here = onward;
    }
  // One variable per live state of each cell.
  std::vector<int> var(static_cast<size_t>(n) * s, 0);
  for (int x = 0; x < n; ++x) {
    bool any = false;
    for (int q = 0; q < s; ++q)
      if (live[static_cast<size_t>(x) * s + q]) {
        var[static_cast<size_t>(x) * s + q] = cnf_.NewVar();
        any = true;
      }
    if (!any) {
      cnf_.Add({});  // the line fits its cells nowhere: no solution
      return;
    }
  }
  auto at = [&](int x, int q) { return x >= 0 && x < n && q >= 0 && q < s ? var[static_cast<size_t>(x) * s + q] : 0; };
  for (int x = 0; x < n; ++x) {
    for (int q = 0; q < s; ++q) {
      const int v = at(x, q);
      if (!v) continue;
      cnf_.Add({-v, CellVar(first + x * step, states.Color(q))});
      // A state before it (the line's start is gap 0) ...
      if (x > 0) {
        cnf_.literals.push_back(-v);
        for (int p = q - 2; p <= q; ++p)
          if (p >= 0 && at(x - 1, p) && states.Next(p, states.Color(q)) == q) cnf_.literals.push_back(at(x - 1, p));
        cnf_.literals.push_back(0);
      }
      // ... and one after it.
      if (x + 1 < n) {
        cnf_.literals.push_back(-v);
        for (int t = q; t <= q + 2 && t < s; ++t)
          if (at(x + 1, t) && states.Next(q, states.Color(t)) == t) cnf_.literals.push_back(at(x + 1, t));
        cnf_.literals.push_back(0);
      }
    }
    // A value of the cell needs a state that says it.
    for (int c = 0; c < kValues; ++c) {
      const int cell = CellVar(first + x * step, c);
      if (!cell) continue;
      cnf_.literals.push_back(-cell);
      for (int q = 0; q < s; ++q)
        if (at(x, q) && states.Color(q) == c) cnf_.literals.push_back(at(x, q));
      cnf_.literals.push_back(0);
    }
  }
  if (step != 1) return;
  // Where each run of a row may start, for the clause that forbids a solution.
  std::vector<RunStarts>& row = rowStarts_[first / width_];
  for (int q = 1; q < s; ++q) {
    if (!states.FirstOfRun(q)) continue;
    RunStarts run;
    for (int x = 0; x < n; ++x)
      if (const int v = at(x, q)) {
        run.at.push_back(x);
        run.start.push_back(v);
      }
    row.push_back(std::move(run));
  }
}

}  // namespace gw::analysis
