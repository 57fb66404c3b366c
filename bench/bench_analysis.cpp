// The verdict of the complete solver (solution count and difficulty) on every test puzzle and on
// the hard random cases of bench/puzzles, from the hints as read to the Analysis.
#include <benchmark/benchmark.h>

#include "QtBenchMain.h"

#include <algorithm>
#include <filesystem>
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
}

void RegisterFolder(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().extension() == ".gwm") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  for (const fs::path& f : files)
    benchmark::RegisterBenchmark(("BM_Analyze/" + f.stem().string()).c_str(), BM_Analyze, f)
        ->Unit(benchmark::kMicrosecond);
}

void RegisterAll() {
  RegisterFolder(kRoot / "tests/solver/puzzles");
  RegisterFolder(kRoot / "bench/puzzles");
}

}  // namespace
}  // namespace gw

int main(int argc, char** argv) { return gw::RunQtBenchmarks(argc, argv, gw::RegisterAll); }
