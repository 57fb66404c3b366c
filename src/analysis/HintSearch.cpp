#include "analysis/HintSearch.h"

#include <bit>
#include <optional>

namespace gw {
namespace {

using analysis::Candidates;
using analysis::CellSet;
using analysis::LineRef;

// What the player has settled about each cell, within what the puzzle allows.
Candidates BoardCandidates(const analysis::Puzzle& puzzle, const PlayerBoard& board) {
  Candidates c = analysis::BlankCandidates(puzzle);
  if (c.cells.size() != board.cells.size()) c.cells.assign(board.cells.size(), analysis::kAllValues);
  for (size_t i = 0; i < board.cells.size(); ++i) {
    int v = board.cells[i];
    if (v < 0) c.cells[i] = analysis::kEmptyBit;
    else if (v > 0 && v <= analysis::kMaxColors) c.cells[i] = analysis::ColorBit(v);
  }
  return c;
}

bool Decided(CellSet s) { return std::has_single_bit(static_cast<unsigned>(s)); }
int ValueOf(CellSet s) { return std::countr_zero(static_cast<unsigned>(s)); }

struct LineOutcome {
  bool fits = true;
  std::vector<CellPos> decided;
};

LineOutcome SolveOneLine(const analysis::Puzzle& puzzle, const Candidates& c, const PlayerBoard& board,
                         LineRef line) {
  int length = line.isRow ? c.width : c.height;
  std::vector<CellSet> cells(length);
  auto pos = [&](int i) { return line.isRow ? CellPos{i, line.index} : CellPos{line.index, i}; };
  for (int i = 0; i < length; ++i) cells[i] = c.At(pos(i).x, pos(i).y);
  const analysis::LineRuns& runs = line.isRow ? puzzle.rows[line.index] : puzzle.cols[line.index];
  LineOutcome out;
  out.fits = analysis::SolveLine(runs, cells);
  if (!out.fits) return out;
  for (int i = 0; i < length; ++i) {
    CellPos p = pos(i);
    if (board.At(p.x, p.y) == 0 && Decided(cells[i])) out.decided.push_back({p.x, p.y, ValueOf(cells[i])});
  }
  return out;
}

std::optional<Hint> BestLine(const analysis::Puzzle& puzzle, const Candidates& c, const PlayerBoard& board) {
  std::optional<Hint> best;
  for (int pass = 0; pass < 2; ++pass) {
    bool rows = pass == 0;
    for (int i = 0; i < (rows ? c.height : c.width); ++i) {
      LineRef line{rows, i};
      LineOutcome o = SolveOneLine(puzzle, c, board, line);
      if (!o.fits) return Hint{HintKind::kContradiction, line, {}};
      if (!o.decided.empty() && (!best || o.decided.size() > best->cells.size()))
        best = Hint{HintKind::kLine, line, std::move(o.decided)};
    }
  }
  return best;
}

std::optional<Hint> ProbeCell(const analysis::Puzzle& puzzle, const Candidates& c, const PlayerBoard& board) {
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x) {
      if (board.At(x, y) != 0) continue;
      CellSet left = c.At(x, y) & ~analysis::RefutedValues(puzzle, c, x, y);
      if (Decided(left)) return Hint{HintKind::kProbe, {true, y}, {{x, y, ValueOf(left)}}};
    }
  return std::nullopt;
}

}  // namespace

std::vector<CellPos> FindMistakes(const PlayerBoard& board, const analysis::Board& solution) {
  std::vector<CellPos> wrong;
  if (solution.width != board.width || solution.height != board.height) return wrong;
  for (int y = 0; y < board.height; ++y)
    for (int x = 0; x < board.width; ++x) {
      int v = board.At(x, y), s = solution.At(x, y);
      if ((v > 0 && v != s) || (v < 0 && s > 0)) wrong.push_back({x, y, s});
    }
  return wrong;
}

Hint FindHint(const analysis::Puzzle& puzzle, const PlayerBoard& board) {
  bool blank = false;
  for (int v : board.cells) blank |= v == 0;
  if (!blank) return Hint{HintKind::kSolved, {}, {}};
  Candidates c = BoardCandidates(puzzle, board);
  if (std::optional<Hint> h = BestLine(puzzle, c, board)) return *h;
  if (std::optional<Hint> h = ProbeCell(puzzle, c, board)) return *h;
  return Hint{};
}

}  // namespace gw
