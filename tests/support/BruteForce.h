#pragma once
// Slow, plainly right answers to hold both solvers against (the engine's and the automatic
// solver's): every filling of a line is listed, each run placed at every start in turn; whole
// boards are enumerated row by row.
#include <algorithm>
#include <functional>
#include <random>
#include <vector>

#include "analysis/Analysis.h"

namespace gw::brute {

using analysis::Board;
using analysis::CellSet;
using analysis::LineRuns;
using analysis::Puzzle;
using analysis::Run;
using Line = std::vector<int>;  // 0 empty, 1..9 colour

// The runs a filled line shows.
inline LineRuns RunsOf(const Line& line) {
  LineRuns runs;
  for (size_t i = 0; i < line.size();) {
    if (line[i] == 0) {
      ++i;
      continue;
    }
    size_t start = i;
    while (i < line.size() && line[i] == line[start]) ++i;
    runs.push_back(Run{static_cast<int>(i - start), line[start]});
  }
  return runs;
}

inline bool SameRuns(const LineRuns& a, const LineRuns& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i].length != b[i].length || a[i].color != b[i].color) return false;
  return true;
}

// Every line of n cells that shows exactly these runs: run k at each start after run k - 1, one
// empty cell between two runs of the same colour, none needed between two colours.
inline std::vector<Line> Fillings(const LineRuns& runs, int n) {
  std::vector<Line> out;
  Line line(n, 0);
  std::function<void(size_t, int)> place = [&](size_t k, int from) {
    if (k == runs.size()) {
      out.push_back(line);
      return;
    }
    const Run& r = runs[k];
    for (int start = from; start + r.length <= n; ++start) {
      std::fill(line.begin() + start, line.begin() + start + r.length, r.color);
      const bool gap = k + 1 < runs.size() && runs[k + 1].color == r.color;
      place(k + 1, start + r.length + (gap ? 1 : 0));
      std::fill(line.begin() + start, line.begin() + start + r.length, 0);
    }
  };
  place(0, 0);
  return out;
}

// The union of the fillings that agree with the cells; false when none does.
inline bool SolveByFillings(const std::vector<Line>& fillings, std::vector<CellSet>& cells) {
  std::vector<CellSet> seen(cells.size(), 0);
  bool any = false;
  for (const Line& f : fillings) {
    bool fits = true;
    for (size_t i = 0; i < cells.size() && fits; ++i) fits = cells[i] & (1u << f[i]);
    if (!fits) continue;
    any = true;
    for (size_t i = 0; i < cells.size(); ++i) seen[i] |= CellSet(1u << f[i]);
  }
  if (any) cells = seen;
  return any;
}

// Counts the boards (up to `cap`) whose every row and column shows the puzzle's runs, keeping
// the first two found.
class BoardCounter {
 public:
  explicit BoardCounter(const Puzzle& p) : p_(p) {
    for (const LineRuns& r : p.rows) rowFillings_.push_back(Fillings(r, p.width));
    board_.assign(p.height, Line(p.width, 0));
  }
  int Count(int cap) {
    cap_ = cap;
    count_ = 0;
    found_.clear();
    Place(0);
    return count_;
  }
  const std::vector<std::vector<Line>>& found() const { return found_; }

 private:
  // Whether column x of rows [0, rows) can still grow into the column's runs.
  bool ColumnPrefixFits(int x, int rows) const {
    Line prefix(rows);
    for (int y = 0; y < rows; ++y) prefix[y] = board_[y][x];
    LineRuns have = RunsOf(prefix);
    const LineRuns& want = p_.cols[x];
    if (rows == p_.height) return SameRuns(have, want);
    if (have.size() > want.size()) return false;
    for (size_t j = 0; j < have.size(); ++j) {
      bool open = j + 1 == have.size() && prefix[rows - 1] != 0;
      if (have[j].color != want[j].color) return false;
      if (open ? have[j].length > want[j].length : have[j].length != want[j].length) return false;
    }
    return true;
  }
  void Place(int y) {
    if (count_ >= cap_) return;
    if (y == p_.height) {
      ++count_;
      if (found_.size() < 2) found_.push_back(board_);
      return;
    }
    for (const Line& f : rowFillings_[y]) {
      board_[y] = f;
      bool ok = true;
      for (int x = 0; x < p_.width && ok; ++x) ok = ColumnPrefixFits(x, y + 1);
      if (ok) Place(y + 1);
    }
  }

  const Puzzle& p_;
  std::vector<std::vector<Line>> rowFillings_;
  std::vector<Line> board_;
  std::vector<std::vector<Line>> found_;
  int cap_ = 2;
  int count_ = 0;
};

inline std::vector<Line> ToRows(const Board& b) {
  std::vector<Line> rows(b.height, Line(b.width));
  for (int y = 0; y < b.height; ++y)
    for (int x = 0; x < b.width; ++x) rows[y][x] = b.At(x, y);
  return rows;
}

inline Board ToBoard(const std::vector<Line>& rows) {
  Board b{static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), {}};
  for (const Line& row : rows)
    for (int v : row) b.cells.push_back(static_cast<std::uint8_t>(v));
  return b;
}

// Every line's runs, rows then columns, as the clauses and the symmetries take them.
inline std::vector<LineRuns> AllLines(const Puzzle& p) {
  std::vector<LineRuns> lines = p.rows;
  lines.insert(lines.end(), p.cols.begin(), p.cols.end());
  return lines;
}

inline bool SamePuzzle(const Puzzle& a, const Puzzle& b) {
  if (a.width != b.width || a.height != b.height) return false;
  for (size_t i = 0; i < a.rows.size(); ++i)
    if (!SameRuns(a.rows[i], b.rows[i])) return false;
  for (size_t i = 0; i < a.cols.size(); ++i)
    if (!SameRuns(a.cols[i], b.cols[i])) return false;
  return true;
}

// The puzzle a picture gives.
inline Puzzle PuzzleOf(const std::vector<Line>& rows) {
  Puzzle p;
  p.height = static_cast<int>(rows.size());
  p.width = p.height ? static_cast<int>(rows[0].size()) : 0;
  for (const Line& r : rows) p.rows.push_back(RunsOf(r));
  for (int x = 0; x < p.width; ++x) {
    Line col;
    for (const Line& r : rows) col.push_back(r[x]);
    p.cols.push_back(RunsOf(col));
  }
  return p;
}

inline std::vector<Line> RandomPicture(std::mt19937& rng, int w, int h, int colors, double ink) {
  std::uniform_real_distribution<double> u(0, 1);
  std::uniform_int_distribution<int> c(1, colors);
  std::vector<Line> rows(h, Line(w, 0));
  for (Line& r : rows)
    for (int& v : r) v = u(rng) < ink ? c(rng) : 0;
  return rows;
}

// The rows of one picture with the columns of another: most such pairs have no solution.
inline Puzzle MixedPuzzle(std::mt19937& rng, int w, int h, int colors) {
  Puzzle p = PuzzleOf(RandomPicture(rng, w, h, colors, 0.5));
  p.cols = PuzzleOf(RandomPicture(rng, w, h, colors, 0.5)).cols;
  return p;
}

}  // namespace gw::brute
