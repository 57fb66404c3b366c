// Undo and redo of a drag stroke on the real image surface: a 20-cell stroke along row 11 of the
// penguin sample, then one replay per iteration, undo and redo in turn. Each puts 20 cells back
// through SetCell and, with the automatic check on, checks the row and the 20 columns again.
#include <benchmark/benchmark.h>

#include "QtBenchMain.h"

#include "PenguinGame.h"
#include "history/EditHistory.h"
#include "mainwnd/MainWnd.h"

namespace gw {
namespace {

void BM_UndoStroke(benchmark::State& state) {
  Game g;
  g.app.puzzle.AutoCheck = static_cast<int>(state.range(0));
  MainWndMouseDown(g.app, kLeftButton, 0, g.X(1), g.Y(11));
  for (int col = 2; col <= 20; ++col) MainWndMouseMove(g.app, kLeftButton, 0, g.X(col), g.Y(11));
  EndStep(g.app);
  bool undo = true;
  for (auto _ : state) {
    if (undo) Undo(g.app);
    else Redo(g.app);
    undo = !undo;
  }
  state.SetLabel("penguin 20 x 20, row 11, undo or redo");
}
BENCHMARK(BM_UndoStroke)->Arg(1)->Arg(0)->ArgName("check")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace gw

int main(int argc, char** argv) { return gw::RunQtBenchmarks(argc, argv); }
