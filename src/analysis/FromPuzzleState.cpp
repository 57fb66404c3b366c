#include "analysis/FromPuzzleState.h"

#include <algorithm>
#include <memory>

namespace gw::analysis {
namespace {

Run SlotRun(const int* slot) { return Run{slot[kHintNumber], slot[kHintColor]}; }

}  // namespace

Puzzle HintPuzzle(const PuzzleState& p) {
  Puzzle out;
  out.width = std::clamp(p.XSize, 0, kMaxBoard);
  out.height = std::clamp(p.YSize, 0, kMaxBoard);
  const int rowSlots = std::clamp(p.XHintCount, 0, kMaxBoard);
  const int colSlots = std::clamp(p.YHintCount, 0, kMaxBoard);
  out.rows.resize(out.height);
  out.cols.resize(out.width);
  for (int y = 1; y <= out.height; ++y)
    for (int s = 1; s <= rowSlots; ++s)
      if (p.RowHints[s][y][kHintNumber] != 0) out.rows[y - 1].push_back(SlotRun(p.RowHints[s][y]));
  for (int x = 1; x <= out.width; ++x)
    for (int s = 1; s <= colSlots; ++s)
      if (p.ColHints[x][s][kHintNumber] != 0) out.cols[x - 1].push_back(SlotRun(p.ColHints[x][s]));
  return out;
}

Puzzle PicturePuzzle(const PuzzleState& p) {
  // Deriving writes the hint planes; a copy keeps the caller's state as it was.
  auto copy = std::make_unique<PuzzleState>(p);
  for (int x = 1; x <= kMaxBoard; ++x)
    for (int y = 1; y <= kMaxBoard; ++y)
      if (copy->Grid[x][y] < 1 || copy->Grid[x][y] > kMaxColors) copy->Grid[x][y] = 0;
  DeriveHints(*copy);
  return HintPuzzle(*copy);
}

Board PictureBoard(const PuzzleState& p) {
  Board b;
  b.width = std::clamp(p.XSize, 0, kMaxBoard);
  b.height = std::clamp(p.YSize, 0, kMaxBoard);
  b.cells.resize(static_cast<size_t>(b.width) * b.height);
  for (int y = 1; y <= b.height; ++y)
    for (int x = 1; x <= b.width; ++x) {
      int v = p.Grid[x][y];
      b.cells[(y - 1) * b.width + (x - 1)] = static_cast<std::uint8_t>(v >= 1 && v <= kMaxColors ? v : 0);
    }
  return b;
}

}  // namespace gw::analysis
