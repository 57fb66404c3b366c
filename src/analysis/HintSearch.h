#pragma once
#include <vector>

#include "analysis/Analysis.h"

namespace gw {

// The player's board as the engine sees it: cells[y * width + x] (0-based), 0 blank, a negative
// value marked empty, 1..9 painted.
struct PlayerBoard {
  int width = 0;
  int height = 0;
  std::vector<int> cells;
  int At(int x, int y) const { return cells[static_cast<size_t>(y) * width + x]; }
};

struct CellPos {
  int x = 0;  // 0-based
  int y = 0;
  int value = 0;  // what the cell is (or should be): 0 empty, 1..9 a colour
  bool operator==(const CellPos&) const = default;
};

// Painted cells of a wrong colour or where the solution is empty, and marks where it is painted,
// in reading order; `value` is the solution's.
std::vector<CellPos> FindMistakes(const PlayerBoard& board, const analysis::Board& solution);

enum class HintKind {
  kLine,           // one line's reasoning decides `cells`
  kProbe,          // no single line decides anything; trying values of `cells[0]` does
  kContradiction,  // the board breaks the hints of `line`
  kSolved,         // no blank cell is left
  kNone,           // neither a line nor a single cell's trial decides anything
};

struct Hint {
  HintKind kind = HintKind::kNone;
  analysis::LineRef line;
  std::vector<CellPos> cells;
};

// The next step a person could take from the board: the line whose own reasoning decides the
// most blank cells (the first such row, then column, on a tie); failing that, the first blank cell
// whose value every other trial refutes.
Hint FindHint(const analysis::Puzzle& puzzle, const PlayerBoard& board);

}  // namespace gw
