// Drawing costs on the real image surface: one cell change, and a full repaint of the largest
// board with ten hint slots each way.
#include <benchmark/benchmark.h>

#include "QtBenchMain.h"

#include <QApplication>

#include "App.h"
#include "display/Draw.h"
#include "frontends/qt/QtPlatform.h"
#include "settings/Settings.h"

namespace gw {
namespace {

// The start-up colours and a 20 × 20 puzzle on a window of 1264 × 909 pixels (the scripted
// platform's window): every row and column with ten hints of two colours, half the cells painted.
struct Board {
  QtPlatform ui;
  App app{ui};

  explicit Board(double ratio = 1) {
    LoadSettings(app);
    ImageSurface& image = ui.Image(SurfaceId::Main);
    image.Resize(QSize(1264, 909), ratio);
    image.SetOuterSize({19200, 14592});
    PuzzleState& p = app.puzzle;
    p.Mode = kModePlay;
    p.XSize = p.YSize = 20;
    p.XHintCount = p.YHintCount = 10;
    p.Palette[2] = 12;
    for (int line = 1; line <= 20; ++line) {
      for (int s = 1; s <= 10; ++s) {
        for (auto* hint : {p.RowHints[s][line], p.ColHints[line][s]}) {
          hint[kHintNumber] = (line + s) % 12;
          hint[kHintColor] = 1 + s % 2;
        }
      }
    }
    for (int y = 1; y <= 20; ++y)
      for (int x = 1; x <= 20; ++x) p.Grid[x][y] = (x + y) % 2 ? 1 + x % 2 : -1;
    PaintBoard(app);
  }
};

void BM_SetCell(benchmark::State& state) {
  Board b;
  b.app.puzzle.MarkStyle = static_cast<int>(state.range(0));
  // Every cell in turn goes to the next of: painted, marked, blank, painted in the other colour.
  const int values[] = {1, -1, 0, 2};
  int i = 0;
  for (auto _ : state) {
    int x = 1 + i % 20, y = 1 + (i / 20) % 20;
    benchmark::DoNotOptimize(SetCell(b.app, x, y, values[(i / 400) % 4]));
    ++i;
  }
}
BENCHMARK(BM_SetCell)->Arg(0)->Arg(1)->Arg(2)->ArgName("mark");

// Every cell of the board drawn in one batch and the picture read, as a live solve does at its
// end (each iteration draws the cells on or off again).
void BM_DrawAllCells(benchmark::State& state) {
  Board b;
  ImageSurface& image = b.ui.Image(SurfaceId::Main);
  for (auto _ : state) {
    DrawCells(b.app);
    benchmark::DoNotOptimize(image.image().constBits());
  }
  state.SetLabel("400 cells");
}
BENCHMARK(BM_DrawAllCells)->Unit(benchmark::kMicrosecond);

void BM_FullRepaint20x20(benchmark::State& state) {
  Board b;
  for (auto _ : state) PaintBoard(b.app);
  state.SetLabel("20 x 20, 10 hint slots each way");
}
BENCHMARK(BM_FullRepaint20x20)->Unit(benchmark::kMillisecond);

// The same window on a display scaled by 2: four times the pixels.
void BM_FullRepaint20x20Scale2(benchmark::State& state) {
  Board b(2);
  for (auto _ : state) PaintBoard(b.app);
}
BENCHMARK(BM_FullRepaint20x20Scale2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gw

int main(int argc, char** argv) { return gw::RunQtBenchmarks(argc, argv); }
