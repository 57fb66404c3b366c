// A drag in play mode on the real image surface: each mouse move paints (or clears) the cell it
// enters, moves the hover highlight and runs the automatic check of the cell's row and column,
// drawing every change. The drag sweeps a 20-cell line of the penguin sample to and fro, as a
// player's strokes do. Along a row the highlight that moves is the column-hint strip, five slots
// tall; down a column it is the row-hint strip, three slots wide. With the exact ticks each check
// asks the engine's line solver where every run may start.
#include <benchmark/benchmark.h>

#include "QtBenchMain.h"

#include <QApplication>

#include "PenguinGame.h"
#include "display/BoardLayout.h"
#include "mainwnd/MainWnd.h"
#include "play/PlayInput.h"
#include "settings/Options.h"

namespace gw {
namespace {

// Sweeps line 11 to and fro: along row 11 (hints 5 2 3 in black and red), or down column 11.
// Turning round is a new stroke: paint on the way out, clear on the way back.
void Sweep(benchmark::State& state, bool alongRow) {
  Game g;
  // check: 0 off, 1 the automatic check, 2 the exact ticks of the option.
  g.app.puzzle.AutoCheck = state.range(0) > 0 ? 1 : 0;
  g.app.options.exactTicks = state.range(0) == 2;
  auto move = [&](int held, int i, bool press) {
    double x = alongRow ? g.X(i) : g.X(11), y = alongRow ? g.Y(11) : g.Y(i);
    if (press) PlayMouseDown(g.app, held, 0, x, y);
    else PlayMouseMove(g.app, held, 0, x, y);
  };
  move(0, 1, false);
  move(kLeftButton, 1, true);
  int i = 1, step = 1;
  for (auto _ : state) {
    if (i + step < 1 || i + step > 20) {
      step = -step;
      g.app.layout.DragValue = g.app.layout.DragValue == 0 ? 1 : 0;
    }
    i += step;
    move(kLeftButton, i, false);
  }
  state.SetLabel("penguin 20 x 20, line 11");
}

void BM_DragAlongRow(benchmark::State& state) { Sweep(state, true); }
void BM_DragDownColumn(benchmark::State& state) { Sweep(state, false); }
BENCHMARK(BM_DragAlongRow)->Arg(1)->Arg(2)->Arg(0)->ArgName("check")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DragDownColumn)->Arg(1)->Arg(2)->ArgName("check")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace gw

int main(int argc, char** argv) { return gw::RunQtBenchmarks(argc, argv); }
