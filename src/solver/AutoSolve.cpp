#include "solver/AutoSolve.h"

#include <algorithm>

#include "display/BoardLayout.h"
#include "display/Draw.h"
#include "display/ShownPicture.h"
#include "Messages.h"
#include "platform/Convert.h"
#include "solver/HintTotals.h"
#include "solver/LineRules.h"
#include "solver/ProofByContradiction.h"
#include "solver/Propagate.h"
#include "solver/WorkLine.h"

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
void ShowSolvedPicture(App& app) {
  CatchUpPicture(app);
  app.layout.DrawingDeferred = false;
}

}  // namespace

SolveOutcome RunAutoSolve(App& app) {
  SolveOutcome outcome;
  PuzzleState& p = app.puzzle;
  PendingArray RowPending{}, ColPending{};
  // Its line tables hold 20 cells: a larger board is told so before anything changes.
  if (p.XSize > kMaxSize || p.YSize > kMaxSize) {
    Msg(app, "自動で解けるのは 20 × 20 までの盤面です。" + std::string(CR) + "一意性チェックで答えを確かめられます。");
    outcome.cancelled = true;
    return outcome;
  }
  if (AnyCellDecided(p)) {
    MsgResult answer = Ask(app, "画面を初期化してから解かせますか？", MsgButtons::YesNoCancel);
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
  // Cells and crosses are drawn when the window shows itself and at the end.
  RedrawBoardDeferred(app);

  InitialPass(app, OverlapRule, RowPending, ColPending);
  InitialPass(app, EdgeRule, RowPending, ColPending);
  app.solver.Contradiction = 0;
  PropagateBoardLines(app, RowPending, ColPending);
  if (app.solver.Contradiction == 1) {
    EndRun(app);
    ShowSolvedPicture(app);
    Msg(app, std::string("矛盾が発生しました。") + CR + "  x 座標 = " + NumText(RowPending[0]) + CR +
                 "  y 座標 = " + NumText(ColPending[0]));
    outcome.contradiction = true;
    return outcome;
  }
  outcome.contradiction = !ProveByContradiction(app, outcome.probes, RowPending, ColPending);
  EndRun(app);
  EraseHintChecks(app);
  ShowSolvedPicture(app);
  std::string closing = outcome.probes == 0 ? std::string("ノーマルで解けましたね。")
                                            : "背理法を" + NumText(outcome.probes) + " 回使いました。";
  Msg(app, closing + CR + "OKキーを押してください。");
  return outcome;
}

void AutoSolve(App& app) { RunAutoSolve(app); }

}  // namespace gw
