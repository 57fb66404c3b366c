// The whole automatic solve, from a freshly read board to the closing message: without drawing on
// every test puzzle, and drawn live in the real window (offscreen) on every 20 × 20 one. The cost
// of drawing reads as the ratio of the two; BM_SolveDrawnRatio measures both solve by solve in
// one run, under the same load and the same caches.
#include <benchmark/benchmark.h>

#include "QtBenchMain.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>
#include <string>

#include "frontends/quiet/QuietPlatform.h"
#include "App.h"
#include "display/Draw.h"
#include "mainwnd/MainWnd.h"
#include "frontends/qt/MainWindow.h"
#include "frontends/qt/QtPlatform.h"
#include "solver/AutoSolve.h"
#include "solver/SolverState.h"
#include "state/Document.h"
#include "state/PuzzleFiles.h"

namespace gw {
namespace {

namespace fs = std::filesystem;

const fs::path kPuzzles = fs::path(GW_SOURCE_DIR) / "tests/solver/puzzles";

PuzzleState ReadPuzzle(const std::string& name) {
  QuietPlatform ui;
  App app(ui);
  app.puzzle.Mode = kModePlay;
  ReadHintPuzzle(app, (kPuzzles / (name + ".gwm")).string());
  return app.puzzle;
}

// What a solve changes, put back as read: the cells and the run's flags (the ticks it clears
// itself). The whole state holds 99 x 99 planes; copying it would leave the caches cold for the
// solve, as the window never does.
void RestoreSolvedBoard(PuzzleState& p, Document& doc, const PuzzleState& read) {
  for (int x = 0; x <= read.XSize; ++x) std::copy_n(read.Grid[x], read.YSize + 1, p.Grid[x]);
  p.SolveState = read.SolveState;
  doc.Dirty = 0;
  p.CurColor = read.CurColor;
}

// Each iteration starts from the board as read (putting it back is part of the time). With
// `opened`, the window shows the board as read before the solve starts, as it does after the file
// was opened (that repaint is not timed); otherwise it still shows the last solve's board.
template <class Ui>
void SolveRepeatedly(benchmark::State& state, App& app, Ui& ui, const PuzzleState& read,
                     bool opened = false) {
  long lines = 0;
  app.puzzle = read;
  for (auto _ : state) {
    if (opened) {
      state.PauseTiming();
      app.puzzle = read;
      PaintBoard(app);
      ui.Show();
      state.ResumeTiming();
    }
    RestoreSolvedBoard(app.puzzle, app.document, read);
    SolveOutcome o = RunAutoSolve(app);
    benchmark::DoNotOptimize(o);
    lines = app.solver.LinePicks;
    ui.Forget();
  }
  state.counters["lines"] = static_cast<double>(lines);
}

struct Quiet : QuietPlatform {
  void Forget() { messages.clear(); }
  void Show() {}
};

void BM_Solve(benchmark::State& state, std::string name) {
  PuzzleState read = ReadPuzzle(name);
  Quiet ui;
  App app(ui);
  SolveRepeatedly(state, app, ui, read);
}

// The real window, shown offscreen; message boxes are answered at once instead of waiting. With
// window:0 the solve draws on the window's image but the window never shows it, which tells the
// drawing apart from the repaints.
struct Window : QtPlatform {
  MsgResult MsgBox(const std::string&, MsgButtons, MsgIcon, int, const std::string&) override {
    return MsgResult::Ok;
  }
  void Forget() {}
  // The window shows the board: its picture is read.
  void Show() { Image(SurfaceId::Main).image(); }
};

// The program's window at 1024 × 768, started and shown.
struct ShownWindow {
  Window ui;
  App app{ui};
  MainWindow window{ui, app};
  ShownWindow() {
    ui.SetWindow(&window);
    window.resize(1024, 768);
    window.show();
    MainWndLoad(app);
    QApplication::processEvents();
  }
  ~ShownWindow() { ui.SetWindow(nullptr); }
};

void BM_SolveDrawn(benchmark::State& state, std::string name, bool opened) {
  PuzzleState read = ReadPuzzle(name);
  ShownWindow w;
  if (state.range(0) == 0) w.ui.SetWindow(nullptr);
  SolveRepeatedly(state, w.app, w.ui, read, opened);
}

double Median(std::vector<double> v) {
  std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
  return v[v.size() / 2];
}

// The drawn and the undrawn solve of one puzzle in every iteration, each right after the window
// painted the board as opened (not timed), in alternating order: a change in the machine's load
// meets both alike, and both start from what the paint left in the caches. The undrawn solve is
// then run once more at once, with its caches warm, as BM_Solve runs it. Reported: the medians in
// microseconds, drawn ÷ undrawn, and drawn ÷ warm undrawn. The iteration's time is all three.
void BM_SolveDrawnRatio(benchmark::State& state, std::string name) {
  PuzzleState read = ReadPuzzle(name);
  ShownWindow shown;
  Window& ui = shown.ui;
  App& app = shown.app;
  Quiet quiet;
  App plain(quiet);
  std::vector<double> drawn, undrawn, warm;
  app.puzzle = read;
  plain.puzzle = read;
  auto timedSolve = [&](App& solving, bool paintFirst) {
    if (paintFirst) {
      state.PauseTiming();
      app.puzzle = read;
      PaintBoard(app);
      ui.Show();
      state.ResumeTiming();
    }
    auto start = std::chrono::steady_clock::now();
    RestoreSolvedBoard(solving.puzzle, solving.document, read);
    SolveOutcome o = RunAutoSolve(solving);
    benchmark::DoNotOptimize(o);
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
  };
  bool drawnFirst = true;
  for (auto _ : state) {
    for (bool draw : {drawnFirst, !drawnFirst}) {
      if (draw) {
        drawn.push_back(timedSolve(app, true));
      } else {
        undrawn.push_back(timedSolve(plain, true));
        warm.push_back(timedSolve(plain, false));
      }
    }
    quiet.Forget();
    drawnFirst = !drawnFirst;
  }
  double d = Median(drawn), u = Median(undrawn), w = Median(warm);
  state.counters["drawn_us"] = d;
  state.counters["undrawn_us"] = u;
  state.counters["warm_us"] = w;
  state.counters["ratio"] = d / u;
  state.counters["ratio_warm"] = d / w;
}

void RegisterAll() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kPuzzles))
    if (entry.path().extension() == ".gwm") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) {
    benchmark::RegisterBenchmark(("BM_Solve/" + name).c_str(), BM_Solve, name)
        ->Unit(benchmark::kMicrosecond);
  }
  for (const std::string& name : names) {
    PuzzleState p = ReadPuzzle(name);
    if (p.XSize != 20 || p.YSize != 20) continue;
    benchmark::RegisterBenchmark(("BM_SolveDrawn/" + name).c_str(), BM_SolveDrawn, name, false)
        ->Arg(0)->Arg(1)->ArgName("window")->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("BM_SolveOpened/" + name).c_str(), BM_SolveDrawn, name, true)
        ->Arg(1)->ArgName("window")->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("BM_SolveDrawnRatio/" + name).c_str(), BM_SolveDrawnRatio, name)
        ->Unit(benchmark::kMicrosecond);
  }
}

}  // namespace
}  // namespace gw

int main(int argc, char** argv) { return gw::RunQtBenchmarks(argc, argv, gw::RegisterAll); }
