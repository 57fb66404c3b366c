#include "solver/AutoSolve.h"

#include <algorithm>

#include "display/BoardLayout.h"
#include "display/Draw.h"
#include "display/ShownPicture.h"
#include "Messages.h"
#include "system/Convert.h"
#include "solver/HintTotals.h"
#include "solver/LineRules.h"
#include "solver/ProofByContradiction.h"
#include "solver/Propagate.h"
#include "solver/WorkLine.h"
#include "text/Tr.h"

namespace gw {
namespace {

int Capped(int v) { return std::min(v, kMaxSize); }

// One rule over every row, then over every column, each load reading what the stores before it
// left on the board.
void InitialPass(App& app, int (*rule)(App&), PendingArray& RowPending, PendingArray& ColPending) {
  for (int y = 1; y <= Capped(app.puzzle.YSize); ++y) {
    LoadRowLine(app, y);
    if (rule(app)) StoreRowLine(app, y, RowPending, ColPending);
  }
  for (int x = 1; x <= Capped(app.puzzle.XSize); ++x) {
    LoadColLine(app, x);
    if (rule(app)) StoreColLine(app, x, RowPending, ColPending);
  }
}

void EndRun(App& app) {
  app.ui.SetPointer(Pointer::Normal);
  app.solver.SolverRunning = 0;
}

// The board as the solve left it, drawn before the closing message shows the window again.
void ShowSolvedPicture(App& app, SolveView view) {
  if (view == SolveView::Shown) Redraw(app);
}

}  // namespace

SolveOutcome RunAutoSolve(App& app, SolveView view) {
  SolveOutcome outcome;
  PuzzleState& p = app.puzzle;
  PendingArray RowPending{}, ColPending{};
  // Its line tables hold 20 cells: a larger board is told so before anything changes.
  if (p.XSize > kMaxSize || p.YSize > kMaxSize) {
    Msg(app, Tr("自動で解けるのは 20 × 20 までの盤面です。") + CR + Tr("一意性チェックで答えを確かめられます。"));
    outcome.cancelled = true;
    return outcome;
  }
  if (AnyCellDecided(p)) {
    MsgResult answer = Ask(app, Tr("画面を初期化してから解かせますか？"), MsgButtons::YesNoCancel);
    if (answer == MsgResult::Cancel) {
      outcome.cancelled = true;
      return outcome;
    }
    if (answer == MsgResult::Yes) ClearGrid(p);
  }
  ClearHintChecks(p);
  CountHintColours(app);
  app.ui.SetPointer(Pointer::Busy);
  app.solver.SolverRunning = 1;
  app.solver.LinePicks = 0;
  p.SolveState = 1;
  // Cells and crosses are drawn when the window shows itself and at the end: a cell decided and
  // a cross put on and taken off again between two frames cost no drawing but one.
  if (view == SolveView::Shown) RepaintUnlessOnlyCellsDiffer(app);

  InitialPass(app, OverlapRule, RowPending, ColPending);
  InitialPass(app, EdgeRule, RowPending, ColPending);
  app.solver.Contradiction = 0;
  PropagateBoardLines(app, RowPending, ColPending);
  if (app.solver.Contradiction == 1) {
    EndRun(app);
    ShowSolvedPicture(app, view);
    Msg(app, Tr("矛盾が発生しました。") + CR + Tr("  x 座標 = ") + NumText(RowPending[0]) + CR + Tr("  y 座標 = ") +
                 NumText(ColPending[0]));
    outcome.contradiction = true;
    return outcome;
  }
  outcome.contradiction = !ProveByContradiction(app, outcome.probes, RowPending, ColPending, view);
  EndRun(app);
  EraseHintChecks(app);
  ShowSolvedPicture(app, view);
  std::string closing = outcome.probes == 0 ? Tr("ノーマルで解けましたね。")
                                            : Fill(Tr("背理法を {1} 回使いました。"), {std::to_string(outcome.probes)});
  Msg(app, closing + CR + Tr("OKキーを押してください。"));
  return outcome;
}

void AutoSolve(App& app) { RunAutoSolve(app); }

}  // namespace gw
