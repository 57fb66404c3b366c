#include "analysis/LineClauses.h"

#include <algorithm>
#include <bit>

namespace gw::analysis {

void Cnf::Add(std::initializer_list<int> clause) {
  for (int lit : clause)
    if (lit != 0) literals.push_back(lit);
  literals.push_back(0);
}

// The places one run may start: at[t] its t-th place, start[t] "starts there", by[t] "has
// started there or before"; upTo[q] the last by[] at or before cell q (0 before the first place).
struct BoardClauses::Ladder {
  int length = 0;
  int color = 0;
  std::vector<int> at;
  std::vector<int> start;
  std::vector<int> by;
  std::vector<int> upTo;
  int ByCell(int q) const {
    if (q < 0) return 0;
    return q < static_cast<int>(upTo.size()) ? upTo[q] : by.back();
  }
};

BoardClauses::BoardClauses(int width, int height, const std::vector<LineRuns>& lines,
                           const std::vector<CellSet>& cells, LineEncoding encoding,
                           const Folding* folding)
    : width_(width), height_(height), cells_(cells), folding_(folding) {
  AddCells();
  rowStarts_.resize(height_);
  const auto add = encoding == LineEncoding::kAutomaton ? &BoardClauses::AddAutomaton : &BoardClauses::AddLine;
  auto kept = [&](int line) { return !folding_ || folding_->kept[line]; };
  for (int y = 0; y < height_; ++y)
    if (kept(y)) (this->*add)(lines[y], y * width_, 1, width_);
  for (int x = 0; x < width_; ++x)
    if (kept(height_ + x)) (this->*add)(lines[height_ + x], x, width_, height_);
}

void BoardClauses::AddCells() {
  // Exactly one value per cell, among those still open.
  cellVars_.assign(cells_.size() * kValues, 0);
  for (size_t i = 0; i < cells_.size(); ++i) {
    if (folding_ && folding_->standIn[i] != static_cast<int>(i)) continue;
    int* vars = &cellVars_[i * kValues];
    for (int v = 0; v < kValues; ++v)
      if (cells_[i] & (1u << v)) vars[v] = cnf_.NewVar();
    for (int v = 0; v < kValues; ++v)
      if (vars[v]) cnf_.literals.push_back(vars[v]);
    cnf_.literals.push_back(0);
    for (int a = 0; a < kValues; ++a)
      for (int b = a + 1; b < kValues; ++b)
        if (vars[a] && vars[b]) cnf_.Add({-vars[a], -vars[b]});
  }
}

BoardClauses::Ladder BoardClauses::Starts(const Run& run, int lo, int hi, int first, int step,
                                          int n) const {
  Ladder l;
  l.length = run.length;
  l.color = run.color;
  for (int p = lo; p <= hi; ++p) {
    bool fits = true;
    for (int x = p; x < p + run.length && fits; ++x) fits = CellVar(first + x * step, run.color) != 0;
    if (!fits) continue;
    l.at.push_back(p);
    l.start.push_back(0);
    l.by.push_back(0);
  }
  l.upTo.assign(n, 0);
  return l;
}

void BoardClauses::AddLadder(Ladder& l) {
  Cnf& c = cnf_;
  for (size_t t = 0; t < l.at.size(); ++t) {
    l.start[t] = c.NewVar();
    l.by[t] = c.NewVar();
    const int prev = t > 0 ? l.by[t - 1] : 0;
    c.Add({-l.start[t], l.by[t]});
    c.Add({-l.by[t], l.start[t], prev});
    if (prev) {
      c.Add({-prev, l.by[t]});
      c.Add({-prev, -l.start[t]});
    }
  }
  if (l.at.empty()) {
    c.Add({});  // the run fits nowhere: no solution
    return;
  }
  c.Add({l.by.back()});
  for (size_t t = 0, q = 0; q < l.upTo.size(); ++q) {
    while (t + 1 < l.at.size() && l.at[t + 1] <= static_cast<int>(q)) ++t;
    l.upTo[q] = l.at[t] <= static_cast<int>(q) ? l.by[t] : 0;
  }
}

void BoardClauses::AddLine(const LineRuns& runs, int first, int step, int n) {
  const int k = static_cast<int>(runs.size());
  auto gap = [&](int j) { return runs[j].color == runs[j + 1].color ? 1 : 0; };
  // The first and last place of each run, from the room the others take.
  std::vector<int> lo(k), hi(k);
  for (int j = 0; j < k; ++j) lo[j] = j == 0 ? 0 : lo[j - 1] + runs[j - 1].length + gap(j - 1);
  for (int j = k - 1; j >= 0; --j)
    hi[j] = j == k - 1 ? n - runs[j].length : hi[j + 1] - runs[j].length - gap(j);
  std::vector<Ladder> ladders;
  ladders.reserve(k);
  for (int j = 0; j < k; ++j) {
    ladders.push_back(Starts(runs[j], lo[j], hi[j], first, step, n));
    AddLadder(ladders.back());
    if (ladders.back().at.empty()) return;  // no solution: the empty clause says so
  }
  if (step == 1)
    for (const Ladder& l : ladders) rowStarts_[first / width_].push_back({l.at, l.start});
  for (int j = 0; j < k; ++j) {
    const Ladder& l = ladders[j];
    // Run j+1 has started by its place only if run j started early enough before it.
    if (j + 1 < k)
      for (size_t t = 0; t < ladders[j + 1].at.size(); ++t)
        cnf_.Add({-ladders[j + 1].by[t], l.ByCell(ladders[j + 1].at[t] - l.length - gap(j))});
    // A run covers cell x when it has started by x but not by x - length.
    for (int x = l.at.front(); x < l.at.back() + l.length; ++x)
      cnf_.Add({-l.ByCell(x), l.ByCell(x - l.length), CellVar(first + x * step, l.color)});
  }
  AddCover(ladders, first, step, n);
}

void BoardClauses::AddCover(const std::vector<Ladder>& ladders, int first, int step, int n) {
  // A coloured cell lies under a run of its colour.
  for (int x = 0; x < n; ++x)
    for (int v = 1; v < kValues; ++v) {
      const int var = CellVar(first + x * step, v);
      if (!var) continue;
      cnf_.literals.push_back(-var);
      for (const Ladder& l : ladders) {
        if (l.color != v) continue;
        for (size_t t = 0; t < l.at.size(); ++t)
          if (l.at[t] <= x && x < l.at[t] + l.length) cnf_.literals.push_back(l.start[t]);
      }
      cnf_.literals.push_back(0);
    }
}

std::vector<int> BoardClauses::Forbidding(const Board& board) const {
  if (std::vector<int> clause = ForbiddingStarts(board); !clause.empty()) return clause;
  // A board that is no solution of the clauses' puzzle: the clause over its open cells.
  std::vector<int> clause;
  for (size_t i = 0; i < cells_.size(); ++i)
    if (!std::has_single_bit(static_cast<unsigned>(cells_[i])))
      clause.push_back(-CellVar(static_cast<int>(i), board.cells[i]));
  return clause;
}

std::vector<int> BoardClauses::ForbiddingStarts(const Board& board) const {
  std::vector<int> clause;
  // Folded, the rows kept may not tell every cell.
  if (folding_) return clause;
  for (int y = 0; y < height_; ++y) {
    const int first = y * width_;
    bool open = false;
    for (int x = 0; x < width_ && !open; ++x)
      open = !std::has_single_bit(static_cast<unsigned>(cells_[first + x]));
    if (!open) continue;
    // The board's runs of this row in order, each where it starts: a run ends where the colour
    // changes or an empty cell comes.
    size_t j = 0;
    for (int x = 0; x < width_; ++x) {
      const int v = board.cells[first + x];
      if (v == 0 || (x > 0 && board.cells[first + x - 1] == v)) continue;
      if (j == rowStarts_[y].size()) return {};
      const RunStarts& run = rowStarts_[y][j++];
      const auto at = std::find(run.at.begin(), run.at.end(), x);
      if (at == run.at.end()) return {};
      clause.push_back(-run.start[at - run.at.begin()]);
    }
    if (j != rowStarts_[y].size()) return {};
  }
  return clause;
}

}  // namespace gw::analysis
