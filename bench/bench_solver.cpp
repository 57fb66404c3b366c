// The whole automatic solve, from a freshly read board to the closing message: without drawing on
// every test puzzle, and drawn live in the real window (offscreen) on the hardest 20 × 20 one.
#include <benchmark/benchmark.h>

#include "QtBenchMain.h"

#include <QApplication>
#include <filesystem>
#include <string>

#include "../tools/gwtool/QuietPlatform.h"
#include "App.h"
#include "mainwnd/MainWnd.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtPlatform.h"
#include "solver/AutoSolve.h"
#include "state/PuzzleFiles.h"

namespace gw {
namespace {

namespace fs = std::filesystem;

const fs::path kPuzzles = fs::path(GW_SOURCE_DIR) / "tests/solver/puzzles";
constexpr const char* kHardest = "wilk-data022";  // 20 × 20, the most probes and lines of the set

PuzzleState ReadPuzzle(const std::string& name) {
  QuietPlatform ui;
  App app(ui);
  app.puzzle.Mode = kModePlay;
  ReadHintPuzzle(app, (kPuzzles / (name + ".gwm")).string());
  return app.puzzle;
}

// Each iteration starts from the board as read (copying it is part of the time, about 1 µs).
template <class Ui>
void SolveRepeatedly(benchmark::State& state, App& app, Ui& ui, const PuzzleState& read) {
  long lines = 0;
  for (auto _ : state) {
    app.puzzle = read;
    SolveOutcome o = RunAutoSolve(app);
    benchmark::DoNotOptimize(o);
    lines = app.solver.LinePicks;
    ui.Forget();
  }
  state.counters["lines"] = static_cast<double>(lines);
}

struct Quiet : QuietPlatform {
  void Forget() { messages.clear(); }
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
};

void BM_SolveDrawn(benchmark::State& state) {
  PuzzleState read = ReadPuzzle(kHardest);
  Window ui;
  App app(ui);
  MainWindow window(ui, app);
  ui.SetWindow(&window);
  window.resize(1024, 768);
  window.show();
  MainWndLoad(app);
  QApplication::processEvents();
  if (state.range(0) == 0) ui.SetWindow(nullptr);
  SolveRepeatedly(state, app, ui, read);
  ui.SetWindow(nullptr);
}

void RegisterAll() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kPuzzles))
    if (entry.path().extension() == ".gwm") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  for (const std::string& name : names)
    benchmark::RegisterBenchmark(("BM_Solve/" + name).c_str(), BM_Solve, name)
        ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark((std::string("BM_SolveDrawn/") + kHardest).c_str(), BM_SolveDrawn)
      ->Arg(0)->Arg(1)->ArgName("window")->Unit(benchmark::kMicrosecond);
}

}  // namespace
}  // namespace gw

int main(int argc, char** argv) { return gw::RunQtBenchmarks(argc, argv, gw::RegisterAll); }
