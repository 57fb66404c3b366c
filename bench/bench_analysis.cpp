// The verdict of the complete solver (solution count and difficulty) on every test puzzle and on
// every puzzle of bench/puzzles (hard random cases, the n-Dom family, published and generated
// large puzzles), from the hints as read to the Analysis; and how promptly a search past its
// budget or cancelled gives up.
#include <benchmark/benchmark.h>

#include "QtBenchMain.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>
#include <string>
#include <vector>

#include "analysis/Analysis.h"
#include "formats/PuzzleKinds.h"

namespace gw {
namespace {

namespace fs = std::filesystem;

const fs::path kRoot = fs::path(GW_SOURCE_DIR);

// Every benchmarked file is a .gwm, read as gwtool check reads it: without a window.
analysis::Puzzle ReadPuzzle(const fs::path& path) { return ReadEnginePuzzle(path.string()); }

void BM_Analyze(benchmark::State& state, fs::path path) {
  const analysis::Puzzle puzzle = ReadPuzzle(path);
  analysis::Analysis a;
  for (auto _ : state) {
    a = analysis::Analyze(puzzle);
    benchmark::DoNotOptimize(a);
  }
  state.counters["solutions"] = a.solutions;
  state.counters["lines"] = static_cast<double>(a.lines);
  state.counters["probes"] = static_cast<double>(a.probes);
  state.counters["nodes"] = static_cast<double>(a.nodes);
  state.counters["conflicts"] = static_cast<double>(a.conflicts);
}

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// 12-Dom takes the search that learns seconds; stopped a quarter second in, by the budget or by the
// cancel flag set from another thread, it must give up at once. Reported: the median time past
// the deadline, in milliseconds.
void BM_StopPastTheDeadline(benchmark::State& state, bool byCancel) {
  const analysis::Puzzle puzzle = ReadPuzzle(kRoot / "bench/puzzles/ndom-12.non");
  constexpr double kDeadlineMs = 250;
  std::vector<double> late;
  for (auto _ : state) {
    std::atomic<bool> cancel{false};
    analysis::Budget budget;
    if (byCancel) budget.cancel = &cancel;
    else budget.seconds = kDeadlineMs / 1000;
    Clock::time_point start = Clock::now();
    std::thread canceller;
    if (byCancel)
      canceller = std::thread([&] {
        std::this_thread::sleep_until(start + std::chrono::microseconds(static_cast<long>(kDeadlineMs * 1000)));
        cancel = true;
      });
    analysis::Analysis a = analysis::Analyze(puzzle, budget);
    double ms = MillisecondsSince(start);
    if (canceller.joinable()) canceller.join();
    if (a.solutions != analysis::kUnknown) state.SkipWithError("decided before the deadline");
    late.push_back(ms - kDeadlineMs);
  }
  std::sort(late.begin(), late.end());
  state.counters["late_ms"] = late[late.size() / 2];
}

void RegisterFolder(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().extension() == ".gwm" || entry.path().extension() == ".non")
      files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  for (const fs::path& f : files)
    benchmark::RegisterBenchmark(("BM_Analyze/" + f.stem().string()).c_str(), BM_Analyze, f)
        ->Unit(benchmark::kMicrosecond);
}

void RegisterAll() {
  RegisterFolder(kRoot / "tests/solver/puzzles");
  RegisterFolder(kRoot / "bench/puzzles");  // the n-Dom family and the published puzzles too
  benchmark::RegisterBenchmark("BM_StopPastTheDeadline/budget", BM_StopPastTheDeadline, false)
      ->Unit(benchmark::kMillisecond)->Iterations(5);
  benchmark::RegisterBenchmark("BM_StopPastTheDeadline/cancel", BM_StopPastTheDeadline, true)
      ->Unit(benchmark::kMillisecond)->Iterations(5);
}

}  // namespace
}  // namespace gw

int main(int argc, char** argv) { return gw::RunQtBenchmarks(argc, argv, gw::RegisterAll); }
