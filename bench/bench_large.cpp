// A 99 x 99 puzzle with long hints (a random picture of half its cells, about 30 hints a line) on
// the real image surface of a 1264 x 909 pixel window: opening it to its first paint, a full
// repaint fitted to the window, one step of a drag, and a step of scrolling and of zooming.
#include <benchmark/benchmark.h>

#include "QtBenchMain.h"

#include <random>

#include "App.h"
#include "display/BoardLayout.h"
#include "display/Draw.h"
#include "display/Viewport.h"
#include "formats/NonFormat.h"
#include "formats/PuzzleBridge.h"
#include "frontends/qt/QtPlatform.h"
#include "history/EditHistory.h"
#include "mainwnd/MainWnd.h"
#include "settings/Settings.h"

namespace gw {
namespace {

constexpr int kSide = 99;

// The picture's hints as a .non file holds them, made once.
const std::string& RandomNonText() {
  static const std::string text = [] {
    std::mt19937 rng(23);
    PuzzleData d;
    d.width = d.height = kSide;
    d.colors = {{"white", 0xFFFFFF, '.'}, {"black", 0, '#'}};
    d.solution.assign(kSide, std::vector<int>(kSide, 0));
    for (auto& row : d.solution)
      for (int& c : row) c = static_cast<int>(rng() % 2);
    DeriveClues(d);
    d.solution.clear();
    return WriteNon(d);
  }();
  return text;
}

struct Window {
  QtPlatform ui;
  App app{ui};
  Window() {
    LoadSettings(app);
    ImageSurface& image = ui.Image(SurfaceId::Main);
    image.Resize(QSize(1264, 909), 1);
    image.SetOuterSize({19200, 14592});
    app.puzzle.Mode = kModePlay;
  }
  // What an import does once the file is chosen and the colours agreed: read, hold, draw.
  void Open() {
    PuzzleData d = ReadNon(RandomNonText());
    HintsToState(d, MapColors(d, app.colors.ColorTable, false), app.puzzle);
    ResetHistory(app);
    PaintBoard(app);
    benchmark::DoNotOptimize(ui.Image(SurfaceId::Main).image().constBits());
  }
  double X(int col) const { return app.puzzle.XHintCount + col + 0.5; }
  double Y(int row) const { return app.puzzle.YHintCount + row + 0.5; }
};

void BM_LargeOpenToFirstPaint(benchmark::State& state) {
  Window w;
  for (auto _ : state) w.Open();
}
BENCHMARK(BM_LargeOpenToFirstPaint)->Unit(benchmark::kMillisecond);

void BM_LargeRepaintFitted(benchmark::State& state) {
  Window w;
  w.Open();
  // Half the cells painted, so that the repaint draws them.
  for (int y = 1; y <= kSide; ++y)
    for (int x = 1; x <= kSide; ++x) w.app.puzzle.Grid[x][y] = (x * 7 + y * 3) % 2 ? 1 : 0;
  for (auto _ : state) {
    PaintBoard(w.app);
    benchmark::DoNotOptimize(w.ui.Image(SurfaceId::Main).image().constBits());
  }
}
BENCHMARK(BM_LargeRepaintFitted)->Unit(benchmark::kMillisecond);

// One move of a drag along a row and back, as the mouse reports it: the stroke, the cell, the
// hover highlight and the hint check of both lines.
void BM_LargeDragStep(benchmark::State& state) {
  Window w;
  w.Open();
  w.app.puzzle.AutoCheck = 1;
  MainWndMouseDown(w.app, kLeftButton, 0, w.X(1), w.Y(50));
  int i = 0;
  for (auto _ : state) {
    int col = 1 + (i % 196 < 98 ? i % 98 : 97 - i % 98);
    MainWndMouseMove(w.app, kLeftButton, 0, w.X(col), w.Y(50));
    ++i;
  }
}
BENCHMARK(BM_LargeDragStep)->Unit(benchmark::kMicrosecond);

void BM_LargeScrollStep(benchmark::State& state) {
  Window w;
  w.Open();
  ZoomBoardAtCentre(w.app, 4);
  int i = 0;
  for (auto _ : state) {
    ScrollBoardBy(w.app, i % 20 < 10 ? 1 : -1, i % 20 < 10 ? 1 : -1);
    benchmark::DoNotOptimize(w.ui.Image(SurfaceId::Main).image().constBits());
    ++i;
  }
}
BENCHMARK(BM_LargeScrollStep)->Unit(benchmark::kMillisecond);

void BM_LargeZoomStep(benchmark::State& state) {
  Window w;
  w.Open();
  int i = 0;
  for (auto _ : state) {
    ZoomBoardAtCentre(w.app, i % 8 < 4 ? 1 : -1);
    benchmark::DoNotOptimize(w.ui.Image(SurfaceId::Main).image().constBits());
    ++i;
  }
}
BENCHMARK(BM_LargeZoomStep)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gw

int main(int argc, char** argv) { return gw::RunQtBenchmarks(argc, argv); }
