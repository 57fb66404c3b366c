#include "state/PuzzleState.h"

#include <algorithm>

namespace gw {

void ClearGrid(PuzzleState& p) {
  for (auto& column : p.Grid)
    for (int& cell : column) cell = 0;
}

namespace {

template <typename Hints>
void ResetNumbersAndColours(Hints& hints) {
  for (auto& a : hints)
    for (auto& slot : a) {
      slot[kHintNumber] = 0;
      slot[kHintColor] = 1;
    }
}

template <typename Hints>
void ClearChecks(Hints& hints) {
  for (auto& a : hints)
    for (auto& slot : a) slot[kHintCheck] = 0;
}

struct Run {
  int length = 0;
  int color = 0;
};

// The runs of the line of n cells read through `cell(i)`, i = 1..n; a change of colour ends a run.
template <typename Cell>
int ScanRuns(int n, Cell cell, Run (&runs)[kCap]) {
  for (Run& r : runs) r = Run{};
  int count = 0;
  for (int i = 1; i <= n;) {
    int c = cell(i);
    if (c == 0) {
      ++i;
      continue;
    }
    int start = i;
    while (i <= n && cell(i) == c) ++i;
    runs[++count] = Run{i - start, c};
  }
  return count;
}

// Moves the runs of slots 1..count so that the last one sits in slot `count`, emptying the front.
template <typename Slot>
void AlignToBoard(int count, Slot slot) {
  int m = 0;
  for (int s = count; s >= 1 && slot(s)[kHintNumber] == 0; --s) ++m;
  if (m == 0) return;
  for (int i = count - m; i >= 1; --i) {
    slot(i + m)[kHintNumber] = slot(i)[kHintNumber];
    slot(i + m)[kHintColor] = slot(i)[kHintColor];
  }
  for (int i = 1; i <= m; ++i) {
    slot(i)[kHintNumber] = 0;
    slot(i)[kHintColor] = 0;
  }
}

}  // namespace

void ResetRowHints(PuzzleState& p) { ResetNumbersAndColours(p.RowHints); }
void ResetColHints(PuzzleState& p) { ResetNumbersAndColours(p.ColHints); }

// Ticks are only ever set within the board's lines and hint slots, and a board read afresh clears
// every plane (FullReset), so clearing the part in use is enough; the whole planes of a 99 x 99
// board cost more than solving a small puzzle.
void ClearHintChecks(PuzzleState& p) {
  for (int s = 0; s <= std::min(p.XHintCount, kMaxBoard); ++s)
    for (int y = 0; y <= std::min(p.YSize, kMaxBoard); ++y) p.RowHints[s][y][kHintCheck] = 0;
  for (int x = 0; x <= std::min(p.XSize, kMaxBoard); ++x)
    for (int s = 0; s <= std::min(p.YHintCount, kMaxBoard); ++s) p.ColHints[x][s][kHintCheck] = 0;
}

bool AnyCellDecided(const PuzzleState& p) {
  for (int y = 1; y <= std::min(p.YSize, kMaxBoard); ++y)
    for (int x = 1; x <= std::min(p.XSize, kMaxBoard); ++x)
      if (p.Grid[x][y] != 0) return true;
  return false;
}

void FullReset(PuzzleState& p) {
  ClearGrid(p);
  ResetRowHints(p);
  ResetColHints(p);
  ClearChecks(p.RowHints);
  ClearChecks(p.ColHints);
}

void SetDefaultPalette(PuzzleState& p) {
  p.Palette[1] = 9;
  for (int k = 2; k <= 9; ++k) p.Palette[k] = kFreeColor;
  DropOwnColors(p);
}

void DropOwnColors(PuzzleState& p) {
  for (bool& own : p.HasOwnColor) own = false;
}

Rgb PaletteColor(const PuzzleState& p, const Rgb table[32], int k) {
  if (k < 0 || k > 9) return 0;
  if (p.HasOwnColor[k]) return p.OwnColor[k];
  int entry = p.Palette[k];
  return entry >= 0 && entry < 32 ? table[entry] : 0;
}

void DeriveHints(PuzzleState& p) {
  Run runs[kCap];
  p.XHintCount = 0;
  for (int y = 1; y <= p.YSize; ++y) {
    int n = ScanRuns(p.XSize, [&](int x) { return p.Grid[x][y]; }, runs);
    if (n > p.XHintCount) p.XHintCount = n;
    for (int s = 1; s <= kMaxSize; ++s) {
      p.RowHints[s][y][kHintNumber] = runs[s].length;
      p.RowHints[s][y][kHintColor] = runs[s].color;
    }
  }
  for (int y = 1; y <= p.YSize; ++y)
    AlignToBoard(p.XHintCount, [&](int s) -> int* { return p.RowHints[s][y]; });

  p.YHintCount = 0;
  for (int x = 1; x <= p.XSize; ++x) {
    int n = ScanRuns(p.YSize, [&](int y) { return p.Grid[x][y]; }, runs);
    if (n > p.YHintCount) p.YHintCount = n;
    for (int s = 1; s <= kMaxSize; ++s) {
      p.ColHints[x][s][kHintNumber] = runs[s].length;
      p.ColHints[x][s][kHintColor] = runs[s].color;
    }
  }
  for (int x = 1; x <= p.XSize; ++x)
    AlignToBoard(p.YHintCount, [&](int s) -> int* { return p.ColHints[x][s]; });
}

void AlignHintsToBoard(PuzzleState& p) {
  for (int y = 1; y <= p.YSize; ++y) AlignToBoard(p.XHintCount, [&](int s) -> int* { return p.RowHints[s][y]; });
  for (int x = 1; x <= p.XSize; ++x) AlignToBoard(p.YHintCount, [&](int s) -> int* { return p.ColHints[x][s]; });
}

BoardCell PuzzleState::CellAt(int col, int row) const {
  int v = Grid[col + 1][row + 1];
  if (v == 0) return {};
  if (v < 0) return {CellState::MarkedEmpty, -v};
  return {CellState::Filled, v};
}

// A mark keeps its colour as play input stores it; one whose colour is not known is stored as -1,
// as a read progress file stores it.
void PuzzleState::SetCellAt(int col, int row, BoardCell cell) {
  int& v = Grid[col + 1][row + 1];
  switch (cell.state) {
    case CellState::Blank: v = 0; break;
    case CellState::MarkedEmpty: v = -std::max(cell.colour, 1); break;
    case CellState::Filled: v = cell.colour; break;
  }
}

}  // namespace gw
