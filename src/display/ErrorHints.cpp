#include "display/ErrorHints.h"

#include <algorithm>

#include "display/Draw.h"
#include "rules/ExactTicks.h"
#include "display/Highlight.h"
#include "settings/Options.h"

namespace gw {
namespace {

int Lines(const PuzzleState& p, bool row) { return std::min(row ? p.YSize : p.XSize, kMaxBoard); }

bool LineGoneWrong(const PuzzleState& p, bool row, int index) {
  int count = std::min(row ? p.XHintCount : p.YHintCount, kMaxBoard);
  int size = Lines(p, !row);
  analysis::LineRuns runs;
  for (int s = 1; s <= count; ++s) {
    const int* hint = row ? p.RowHints[s][index] : p.ColHints[index][s];
    if (hint[kHintNumber] > 0) runs.push_back({hint[kHintNumber], hint[kHintColor]});
  }
  // A line without hints shows no number to colour.
  if (runs.empty()) return false;
  std::vector<int> cells;
  for (int i = 1; i <= size; ++i) cells.push_back(row ? p.Grid[i][index] : p.Grid[index][i]);
  return !LineFits(runs, cells);
}

std::vector<int> CellsOf(const PuzzleState& p) {
  std::vector<int> cells;
  for (int x = 0; x <= Lines(p, false); ++x)
    for (int y = 0; y <= Lines(p, true); ++y) cells.push_back(p.Grid[x][y]);
  return cells;
}

}  // namespace

bool ShowsErrorHints(const App& app) {
  const PuzzleState& p = app.puzzle;
  return app.options.errorHints && p.Mode == kModePlay && p.XSize > 0 && p.YSize > 0;
}

ErrorLines FindErrorLines(const PuzzleState& p) {
  ErrorLines e;
  e.rows.assign(Lines(p, true) + 1, 0);
  e.cols.assign(Lines(p, false) + 1, 0);
  for (int y = 1; y < int(e.rows.size()); ++y) e.rows[y] = LineGoneWrong(p, true, y);
  for (int x = 1; x < int(e.cols.size()); ++x) e.cols[x] = LineGoneWrong(p, false, x);
  e.cells = CellsOf(p);
  return e;
}

Rgb ErrorHintColour(const App& app, bool row, int index, Rgb own) {
  const std::vector<char>& lines = row ? app.layout.ErrorsShown.rows : app.layout.ErrorsShown.cols;
  bool wrong = index >= 0 && index < int(lines.size()) && lines[index];
  return wrong ? KindColour(HighlightKind::Mistake) : own;
}

bool FollowErrorHints(App& app) {
  const PuzzleState& p = app.puzzle;
  ErrorLines& shown = app.layout.ErrorsShown;
  if (!ShowsErrorHints(app)) {
    if (shown.rows.empty() && shown.cols.empty()) return false;
    PaintBoard(app);  // takes the error colour off
    return true;
  }
  ErrorLines now = shown;
  std::vector<int> cells = CellsOf(p);
  bool sameBoard = now.rows.size() == size_t(Lines(p, true) + 1) && now.cols.size() == size_t(Lines(p, false) + 1) &&
                   now.cells.size() == cells.size();
  if (!sameBoard) {
    now = FindErrorLines(p);
  } else {
    // Only the lines through a changed cell are judged again: a drag judges one row and column.
    const int height = Lines(p, true) + 1;
    std::vector<char> rowTouched(now.rows.size(), 0), colTouched(now.cols.size(), 0);
    for (int x = 1; x < int(now.cols.size()); ++x)
      for (int y = 1; y < height; ++y)
        if (cells[x * height + y] != now.cells[x * height + y]) rowTouched[y] = colTouched[x] = 1;
    for (int y = 1; y < int(now.rows.size()); ++y)
      if (rowTouched[y]) now.rows[y] = LineGoneWrong(p, true, y);
    for (int x = 1; x < int(now.cols.size()); ++x)
      if (colTouched[x]) now.cols[x] = LineGoneWrong(p, false, x);
    now.cells = std::move(cells);
  }
  bool changed = now.rows != shown.rows || now.cols != shown.cols;
  shown = std::move(now);
  if (!changed) return false;
  // The hover highlight is put back after the repaint, so the pointer's lines stay marked.
  BoardLayout& l = app.layout;
  int hoverCol = l.HoverCol, hoverRow = l.HoverRow;
  PaintBoard(app);
  if (hoverCol >= 1 && hoverCol <= p.XSize && hoverRow >= 1 && hoverRow <= p.YSize) {
    ToggleRowStrip(app, hoverRow);
    ToggleColStrip(app, hoverCol);
    l.HoverCol = hoverCol;
    l.HoverRow = hoverRow;
  }
  return true;
}

}  // namespace gw
