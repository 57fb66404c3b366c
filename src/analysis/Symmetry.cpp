#include "analysis/Symmetry.h"

#include <algorithm>
#include <optional>

namespace gw::analysis {
namespace {

// The box of the board's non-empty lines: a picture drawn in one corner of a larger board is
// symmetric about its own middle, not the board's.
struct Box {
  int x0 = 0, y0 = 0, w = 0, h = 0;
};

Box BoxOf(int width, int height, const std::vector<LineRuns>& lines) {
  auto filled = [&](int line) { return !lines[line].empty(); };
  Box b;
  int y1 = height, x1 = width;
  while (b.y0 < height && !filled(b.y0)) ++b.y0;
  while (y1 > b.y0 && !filled(y1 - 1)) --y1;
  while (b.x0 < width && !filled(height + b.x0)) ++b.x0;
  while (x1 > b.x0 && !filled(height + x1 - 1)) --x1;
  b.w = std::max(0, x1 - b.x0);
  b.h = std::max(0, y1 - b.y0);
  return b;
}

// The seven turns and mirrorings of the box (the last four swap its sides), as where (u, v) in the
// box goes.
struct Point {
  int u, v;
};
Point Map(int kind, const Box& b, Point p) {
  const int n = b.w - 1, m = b.h - 1;
  switch (kind) {
    case 1: return {n - p.u, p.v};
    case 2: return {p.u, m - p.v};
    case 3: return {n - p.u, m - p.v};
    case 4: return {p.v, p.u};
    case 5: return {m - p.v, p.u};
    case 6: return {p.v, n - p.u};
    default: return {m - p.v, n - p.u};
  }
}

LineRuns Reversed(LineRuns runs) {
  std::reverse(runs.begin(), runs.end());
  return runs;
}

bool SameRuns(const LineRuns& a, const LineRuns& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const Run& x, const Run& y) { return x.length == y.length && x.color == y.color; });
}

// The symmetry of this kind, if the hints allow it. Cells and lines outside the box stay where
// they are: every cell there is empty in every picture.
std::optional<Symmetry> Try(int kind, int width, int height, const Box& b,
                            const std::vector<LineRuns>& lines) {
  Symmetry s;
  s.cells.resize(static_cast<size_t>(width) * height);
  for (size_t i = 0; i < s.cells.size(); ++i) s.cells[i] = static_cast<int>(i);
  s.lines.resize(lines.size());
  for (size_t i = 0; i < s.lines.size(); ++i) s.lines[i] = static_cast<int>(i);
  auto cellAt = [&](Point p) { return (p.v + b.y0) * width + p.u + b.x0; };
  for (int v = 0; v < b.h; ++v)
    for (int u = 0; u < b.w; ++u) s.cells[cellAt({u, v})] = cellAt(Map(kind, b, {u, v}));
  // A line of the box goes to the line its two ends go to, read backwards when they swap.
  auto carry = [&](int line, Point first, Point last) {
    const Point a = Map(kind, b, first), z = Map(kind, b, last);
    const bool row = a.v == z.v;
    const int to = row ? a.v + b.y0 : height + a.u + b.x0;
    const bool backwards = row ? a.u > z.u : a.v > z.v;
    s.lines[line] = to;
    return SameRuns(lines[line], backwards ? Reversed(lines[to]) : lines[to]);
  };
  for (int v = 0; v < b.h; ++v)
    if (!carry(b.y0 + v, {0, v}, {b.w - 1, v})) return std::nullopt;
  for (int u = 0; u < b.w; ++u)
    if (!carry(height + b.x0 + u, {u, 0}, {u, b.h - 1})) return std::nullopt;
  return s;
}

}  // namespace

std::vector<Symmetry> HintSymmetries(int width, int height, const std::vector<LineRuns>& lines) {
  std::vector<Symmetry> found;
  const Box b = BoxOf(width, height, lines);
  // A box of one line or none has nothing to turn that is not the identity in disguise.
  if (b.w < 2 || b.h < 2) return found;
  for (int kind = 1; kind < 8; ++kind) {
    if (kind >= 4 && b.w != b.h) continue;
    if (auto s = Try(kind, width, height, b, lines)) found.push_back(std::move(*s));
  }
  return found;
}

Board Transformed(const Board& board, const Symmetry& symmetry) {
  Board out = board;
  for (size_t i = 0; i < board.cells.size(); ++i) out.cells[symmetry.cells[i]] = board.cells[i];
  return out;
}

bool BoardFits(const Board& board, const std::vector<LineRuns>& lines) {
  if (lines.size() != static_cast<size_t>(board.width + board.height)) return false;
  auto fits = [&](const LineRuns& runs, int first, int step, int n) {
    LineRuns seen;
    for (int k = 0; k < n; ++k) {
      const int v = board.cells[first + k * step];
      if (v == 0) continue;
      if (k > 0 && board.cells[first + (k - 1) * step] == v) ++seen.back().length;
      else seen.push_back({1, v});
    }
    return SameRuns(seen, runs);
  };
  for (int y = 0; y < board.height; ++y)
    if (!fits(lines[y], y * board.width, 1, board.width)) return false;
  for (int x = 0; x < board.width; ++x)
    if (!fits(lines[board.height + x], x, board.width, board.height)) return false;
  return true;
}

void AddImages(std::vector<Board>& met, const std::vector<Symmetry>& symmetries,
               const std::vector<LineRuns>& lines) {
  if (met.empty()) return;
  const Board last = met.back();
  for (const Symmetry& s : symmetries) {
    if (met.size() >= 2) return;
    Board image = Transformed(last, s);
    const bool known = std::any_of(met.begin(), met.end(), [&](const Board& m) { return m.cells == image.cells; });
    if (!known && BoardFits(image, lines)) met.push_back(std::move(image));
  }
}

namespace {

// The smallest of each set the permutations join (a cell or line and all it is carried to, by any
// of them again and again).
std::vector<int> SmallestOfEach(const std::vector<const std::vector<int>*>& maps, int n) {
  std::vector<int> root(n);
  for (int i = 0; i < n; ++i) root[i] = i;
  auto find = [&](int i) {
    while (root[i] != i) i = root[i] = root[root[i]];
    return i;
  };
  for (const std::vector<int>* map : maps)
    for (int i = 0; i < n; ++i) {
      const int a = find(i), b = find((*map)[i]);
      root[std::max(a, b)] = std::min(a, b);
    }
  for (int i = 0; i < n; ++i) root[i] = find(i);
  return root;
}

}  // namespace

Folding FoldBy(const std::vector<Symmetry>& symmetries, int cells, int lines) {
  std::vector<const std::vector<int>*> cellMaps, lineMaps;
  for (const Symmetry& s : symmetries) {
    cellMaps.push_back(&s.cells);
    lineMaps.push_back(&s.lines);
  }
  Folding f;
  f.standIn = SmallestOfEach(cellMaps, cells);
  const std::vector<int> line = SmallestOfEach(lineMaps, lines);
  f.kept.resize(lines);
  for (int l = 0; l < lines; ++l) f.kept[l] = line[l] == l;
  return f;
}

std::vector<Folding> Foldings(const std::vector<Symmetry>& symmetries, int cells, int lines) {
  std::vector<Folding> found;
  if (symmetries.empty()) return found;
  found.push_back(FoldBy(symmetries, cells, lines));
  std::vector<Folding> smaller;
  for (const Symmetry& s : symmetries) {
    Folding f = FoldBy({s}, cells, lines);
    auto same = [&](const Folding& g) { return g.standIn == f.standIn; };
    if (std::none_of(found.begin(), found.end(), same) && std::none_of(smaller.begin(), smaller.end(), same))
      smaller.push_back(std::move(f));
  }
  auto standIns = [](const Folding& f) {
    int n = 0;
    for (size_t i = 0; i < f.standIn.size(); ++i) n += f.standIn[i] == static_cast<int>(i);
    return n;
  };
  std::stable_sort(smaller.begin(), smaller.end(),
                   [&](const Folding& a, const Folding& b) { return standIns(a) < standIns(b); });
  found.insert(found.end(), smaller.begin(), smaller.end());
  return found;
}

}  // namespace gw::analysis
