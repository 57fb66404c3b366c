#include "solver/Propagate.h"

#include <algorithm>

#include "display/Draw.h"
#include "rules/HintCheck.h"
#include "solver/LineRules.h"
#include "solver/SolveWorkLine.h"
#include "solver/WorkLine.h"

namespace gw {
namespace {

struct Line {
  bool row;
  int index;  // y of a row, x of a column
  int X(int i) const { return row ? i : index; }
  int Y(int i) const { return row ? index : i; }
};

// The pending flags and costs of one propagation, seen from a line and its crossing lines.
struct Queue {
  App& app;
  PendingArray& rowPending;
  PendingArray& colPending;
  LineCosts* costs;  // null for the stores of the initial passes

  int& OwnPending(Line l) { return l.row ? rowPending[l.index] : colPending[l.index]; }
  int& CrossPending(Line l, int i) { return l.row ? colPending[i] : rowPending[i]; }
  int& OwnCost(Line l) { return l.row ? costs->RowCost[l.index] : costs->ColCost[l.index]; }
  int& CrossCost(Line l, int i) { return l.row ? costs->ColCost[i] : costs->RowCost[i]; }
  void SetPosition(int x, int y) {
    rowPending[0] = x;
    colPending[0] = y;
  }
};

void Load(App& app, Line l) {
  if (l.row) LoadRowLine(app, l.index);
  else LoadColLine(app, l.index);
}

void Highlight(App& app, Line l) {
  if (l.row) ToggleRowStrip(app, l.index);
  else ToggleColStrip(app, l.index);
}

void CheckHints(App& app, Line l) {
  if (l.row) CheckRowHints(app, l.index);
  else CheckColHints(app, l.index);
}

void StoreUnchecked(Queue& q, Line l) {
  const SolverState& s = q.app.solver;
  for (int i = 1; i <= WorkLength(s); ++i) {
    if (StoreCell(q.app, l.X(i), l.Y(i), s.LineCells[i]) != 1) continue;
    q.OwnPending(l) = 1;
    q.CrossPending(l, i) = 1;
  }
}

// `conflicts`: whether overwriting a decided cell is a contradiction (after the edge rule) or
// cannot happen (after SolveWorkLine, which never changes a decided cell).
void StoreChecked(Queue& q, Line l, bool conflicts) {
  SolverState& s = q.app.solver;
  const PuzzleState& p = q.app.puzzle;
  for (int i = 1; i <= WorkLength(s); ++i) {
    if (p.Grid[l.X(i)][l.Y(i)] == s.LineCells[i]) continue;  // most cells are as they were
    int report = StoreCell(q.app, l.X(i), l.Y(i), s.LineCells[i]);
    if (report == 2 && conflicts) {
      s.Contradiction = 1;
      q.SetPosition(l.X(i), l.Y(i));  // the last conflicting cell's position remains
    } else if (report == 1) {
      q.CrossPending(l, i) = 1;
      q.CrossCost(l, i) = HalveCost(q.CrossCost(l, i));
      q.OwnCost(l) = HalveCost(q.OwnCost(l));
    }
  }
}

// Solves one line; false when a contradiction ends the propagation.
bool SolvePicked(Queue& q, Line l) {
  App& app = q.app;
  SolverState& s = app.solver;
  ++s.LinePicks;
  Load(app, l);
  if (EdgeRule(app)) {
    StoreChecked(q, l, true);
    if (s.Contradiction == 1) return false;
  }
  // The highlight is drawn only for a line the window will show, as it is on screen only then.
  bool shown = app.ui.DrawingProgressDue();
  if (shown) Highlight(app, l);
  SolveWorkLine(app);
  q.OwnCost(l) = std::min<std::int32_t>(s.SolveSteps, kCostCap);
  if (s.Contradiction == 1) {
    if (l.row) q.SetPosition(0, l.index);
    else q.SetPosition(l.index, 0);
    if (shown) Highlight(app, l);
    return false;
  }
  StoreChecked(q, l, false);
  if (shown) {
    // The window shows itself now: with the line's highlight on and its new cells drawn.
    if (!s.InTrial) Redraw(app);
    app.ui.ShowDrawingProgress();
    Highlight(app, l);
  }
  CheckHints(app, l);
  q.OwnPending(l) = 0;
  return true;
}

int BlankCount(const PuzzleState& p, Line l, int size) {
  int n = 0;
  for (int i = 1; i <= size; ++i) n += p.Grid[l.X(i)][l.Y(i)] == 0 ? 1 : 0;
  return n;
}

int Capped(int v) { return std::min(v, kMaxSize); }

// The pending line of lowest cost; on equal cost rows before columns, lower numbers first.
bool PickLine(Queue& q, Line& picked) {
  const PuzzleState& p = q.app.puzzle;
  int best = kCostCap;
  bool chosen = false, anyPending = false;
  Line first{};
  auto consider = [&](Line l, int cost) {
    if (q.OwnPending(l) != 1) return;
    if (!anyPending) first = l;
    anyPending = true;
    if (cost < best) {
      best = cost;
      picked = l;
      chosen = true;
    }
  };
  for (int y = 1; y <= Capped(p.YSize); ++y) consider({true, y}, q.costs->RowCost[y]);
  for (int x = 1; x <= Capped(p.XSize); ++x) consider({false, x}, q.costs->ColCost[x]);
  // A pending line standing at the cap would never be picked and the queue would never end:
  // take the first pending line then.
  if (!chosen && anyPending) picked = first;
  return anyPending;
}

}  // namespace

int HalveCost(int cost) {
  int half = cost / 2;
  if (cost % 2 != 0 && half % 2 != 0) ++half;
  return half;
}

int StoreCell(App& app, int x, int y, int value) {
  if (value < 0 && app.puzzle.Grid[x][y] < 0) return 0;
  return SetCell(app, x, y, value);
}

void StoreRowLine(App& app, int y, PendingArray& RowPending, PendingArray& ColPending) {
  Queue q{app, RowPending, ColPending, nullptr};
  StoreUnchecked(q, {true, y});
}

void StoreColLine(App& app, int x, PendingArray& RowPending, PendingArray& ColPending) {
  Queue q{app, RowPending, ColPending, nullptr};
  StoreUnchecked(q, {false, x});
}

void StoreRowLineChecked(App& app, int y, PendingArray& RowPending, PendingArray& ColPending,
                         LineCosts& costs) {
  Queue q{app, RowPending, ColPending, &costs};
  StoreChecked(q, {true, y}, true);
}

void StoreColLineChecked(App& app, int x, PendingArray& RowPending, PendingArray& ColPending,
                         LineCosts& costs) {
  Queue q{app, RowPending, ColPending, &costs};
  StoreChecked(q, {false, x}, true);
}

void RunPropagation(App& app, PendingArray& RowPending, PendingArray& ColPending, LineCosts& costs) {
  Queue q{app, RowPending, ColPending, &costs};
  Line l{};
  while (PickLine(q, l))
    if (!SolvePicked(q, l)) return;
}

void PropagateBoardLines(App& app, PendingArray& RowPending, PendingArray& ColPending) {
  const PuzzleState& p = app.puzzle;
  LineCosts costs;
  for (int y = 1; y <= Capped(p.YSize); ++y) costs.RowCost[y] = BlankCount(p, {true, y}, Capped(p.XSize));
  for (int x = 1; x <= Capped(p.XSize); ++x) costs.ColCost[x] = BlankCount(p, {false, x}, Capped(p.YSize));
  RunPropagation(app, RowPending, ColPending, costs);
}

}  // namespace gw
