#include "formats/EngineInput.h"

#include <algorithm>
#include <memory>

namespace gw {
namespace {

int Width(const PuzzleState& p) { return std::clamp(p.XSize, 0, kMaxBoard); }
int Height(const PuzzleState& p) { return std::clamp(p.YSize, 0, kMaxBoard); }

// The runs of one line's slots 1..slots, `slot(s)` giving slot s.
template <class Slot>
ClueLine SlotRuns(int slots, Slot slot) {
  ClueLine runs;
  for (int s = 1; s <= std::clamp(slots, 0, kMaxBoard); ++s) {
    const int* h = slot(s);
    if (h[kHintNumber] > 0) runs.push_back({h[kHintNumber], h[kHintColor]});
  }
  return runs;
}

std::vector<analysis::LineRuns> EngineLines(const std::vector<ClueLine>& lines) {
  std::vector<analysis::LineRuns> out;
  out.reserve(lines.size());
  for (const ClueLine& line : lines) {
    analysis::LineRuns runs;
    for (const ClueRun& r : line) runs.push_back({r.length, r.color});
    out.push_back(std::move(runs));
  }
  return out;
}

}  // namespace

std::vector<ClueLine> RowClues(const PuzzleState& p) {
  std::vector<ClueLine> rows;
  for (int y = 1; y <= Height(p); ++y) rows.push_back(SlotRuns(p.XHintCount, [&](int s) { return p.RowHints[s][y]; }));
  return rows;
}

std::vector<ClueLine> ColClues(const PuzzleState& p) {
  std::vector<ClueLine> cols;
  for (int x = 1; x <= Width(p); ++x) cols.push_back(SlotRuns(p.YHintCount, [&](int s) { return p.ColHints[x][s]; }));
  return cols;
}

analysis::Puzzle EnginePuzzle(const PuzzleData& p) {
  return analysis::Puzzle{p.width, p.height, EngineLines(p.rows), EngineLines(p.cols)};
}

analysis::Puzzle HintPuzzle(const PuzzleState& p) {
  return analysis::Puzzle{Width(p), Height(p), EngineLines(RowClues(p)), EngineLines(ColClues(p))};
}

analysis::Puzzle PicturePuzzle(const PuzzleState& p) {
  // Deriving writes the hint planes; a copy keeps the caller's state as it was.
  auto copy = std::make_unique<PuzzleState>(p);
  for (int x = 1; x <= kMaxBoard; ++x)
    for (int y = 1; y <= kMaxBoard; ++y)
      if (copy->Grid[x][y] < 1 || copy->Grid[x][y] > analysis::kMaxColors) copy->Grid[x][y] = 0;
  DeriveHints(*copy);
  return HintPuzzle(*copy);
}

analysis::Board PictureBoard(const PuzzleState& p) {
  analysis::Board b;
  b.width = Width(p);
  b.height = Height(p);
  b.cells.resize(static_cast<size_t>(b.width) * b.height);
  for (int y = 1; y <= b.height; ++y)
    for (int x = 1; x <= b.width; ++x) {
      int v = p.Grid[x][y];
      b.cells[(y - 1) * b.width + (x - 1)] = static_cast<std::uint8_t>(v >= 1 && v <= analysis::kMaxColors ? v : 0);
    }
  return b;
}

}  // namespace gw
