// Drawing costs on the real image surface: one cell change with its redraw, a full repaint of the
// largest board with ten hint slots each way (also with pale hints drawn on cells of their
// colour), and a step of a drag on a 99 x 99 board, where the row and column under the pointer
// are tinted.
#include <benchmark/benchmark.h>

#include "QtBenchMain.h"

#include <QApplication>

#include "App.h"
#include "display/BoardLayout.h"
#include "display/Draw.h"
#include "display/Viewport.h"
#include "mainwnd/MainWnd.h"
#include "frontends/qt/QtPlatform.h"
#include "settings/Settings.h"
#include "state/PuzzleState.h"

namespace gw {
namespace {

// The start-up colours and a 20 × 20 puzzle on a window of 1264 × 909 pixels (the scripted
// platform's window): every row and column with ten hints of two colours, half the cells painted.
struct Board {
  QtPlatform ui;
  App app{ui};

  explicit Board(double ratio = 1, int secondColour = 12) {
    LoadSettings(app);
    ImageSurface& image = ui.Image(SurfaceId::Main);
    image.Resize(QSize(1264, 909), ratio);
    image.SetOuterSize({19200, 14592});
    PuzzleState& p = app.puzzle;
    p.Mode = kModePlay;
    p.XSize = p.YSize = 20;
    p.XHintCount = p.YHintCount = 10;
    p.Palette[2] = secondColour;
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
    Redraw(b.app);  // the change reaches the picture
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

// Colour 2 yellow: half the hints too pale to read on white, each drawn on a cell of its colour
// with a black digit.
void BM_FullRepaint20x20PaleHints(benchmark::State& state) {
  Board b(1, 14);
  for (auto _ : state) PaintBoard(b.app);
  state.SetLabel("20 x 20, 10 hint slots each way, half of them yellow");
}
BENCHMARK(BM_FullRepaint20x20PaleHints)->Unit(benchmark::kMillisecond);

// A 99 x 99 board with 31 hint slots each way, as it opens; each step drags the painting pointer
// on by one cell along a row of the board and back, so the hover strips, the checks of two lines
// and the tint of the row and column move every step.
void BM_DragStep99x99(benchmark::State& state) {
  QtPlatform ui;
  App app{ui};
  LoadSettings(app);
  ImageSurface& image = ui.Image(SurfaceId::Main);
  image.Resize(QSize(1264, 909), 1);
  image.SetOuterSize({19200, 14592});
  PuzzleState& p = app.puzzle;
  p.Mode = kModePlay;
  p.AutoCheck = 1;
  p.XSize = p.YSize = 99;
  p.XHintCount = p.YHintCount = 31;
  for (int line = 1; line <= 99; ++line)
    for (int s = 1; s <= 31; ++s)
      for (auto* hint : {p.RowHints[s][line], p.ColHints[line][s]}) {
        hint[kHintNumber] = 1 + (line + s) % 3;
        hint[kHintColor] = 1;
      }
  PaintBoard(app);
  auto at = [&](int col, int row, double& x, double& y) {
    x = p.XHintCount + col + 0.5;
    y = p.YHintCount + row + 0.5;
    BoardToWindow(app, x, y);
  };
  double x = 0, y = 0;
  at(1, 5, x, y);
  MainWndMouseDown(app, kLeftButton, 0, x, y);
  int i = 0;
  for (auto _ : state) {
    int step = i % 38, col = 1 + (step < 19 ? step : 37 - step), row = 5 + (i / 38) % 20;
    at(col, row, x, y);
    MainWndMouseMove(app, kLeftButton, 0, x, y);
    ++i;
  }
  state.SetLabel(app.layout.PointerLine.empty() ? "99 x 99, no line tint" : "99 x 99 with the line tint");
}
BENCHMARK(BM_DragStep99x99)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace gw

int main(int argc, char** argv) { return gw::RunQtBenchmarks(argc, argv); }
