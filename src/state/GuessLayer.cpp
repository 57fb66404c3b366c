#include "state/GuessLayer.h"

namespace gw {
namespace {

int Index(const GuessLayer& g, int x, int y) { return (x - 1) * g.height + (y - 1); }

bool Inside(const GuessLayer& g, int x, int y) { return x >= 1 && x <= g.width && y >= 1 && y <= g.height; }

}  // namespace

int GuessLevelOf(const GuessLayer& g, int x, int y, int value) {
  if (!Inside(g, x, y)) return 0;
  for (int level = g.Depth(); level >= 1; --level)
    if (g.starts[level - 1][Index(g, x, y)] != value) return level;
  return 0;
}

void PushGuessLevel(GuessLayer& g, const PuzzleState& p) {
  // A layer left from another board starts afresh (loads end every guess; this is the safety).
  if (g.width != p.XSize || g.height != p.YSize) g = GuessLayer{p.XSize, p.YSize, {}};
  std::vector<int> cells(static_cast<size_t>(g.width) * g.height);
  for (int x = 1; x <= g.width; ++x)
    for (int y = 1; y <= g.height; ++y) cells[Index(g, x, y)] = p.Grid[x][y];
  g.starts.push_back(std::move(cells));
}

std::vector<GuessedCell> InnermostCells(const GuessLayer& g, const PuzzleState& p) {
  std::vector<GuessedCell> cells;
  if (g.starts.empty()) return cells;
  const std::vector<int>& start = g.starts.back();
  for (int y = 1; y <= g.height; ++y)
    for (int x = 1; x <= g.width; ++x)
      if (start[Index(g, x, y)] != p.Grid[x][y]) cells.push_back({x, y, start[Index(g, x, y)]});
  return cells;
}

}  // namespace gw
