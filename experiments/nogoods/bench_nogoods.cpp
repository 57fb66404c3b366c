// The two ways to a search that learns, side by side on the two-valued puzzles the plain search
// finds hardest (the n-Dom family, the generated and published ones of bench/puzzles): the
// engine's (its clauses handed to CaDiCaL, here alone from the line-solved state, as
// learnAfterNodes 0 runs it) and nogoods learned natively with the line solver as propagator
// (NogoodSearch), with each line's explanation whole or shrunk. The shipped analysis is timed
// too. Each native count is checked against the shipped verdict.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "NogoodSearch.h"
#include "QtBenchMain.h"
#include "analysis/Analysis.h"
#include "analysis/Engine.h"
#include "formats/PuzzleKinds.h"

namespace gw {
namespace {

namespace fs = std::filesystem;

const fs::path kRoot = fs::path(GW_SOURCE_DIR);

// Conflicts after which the native search gives up: three times what CaDiCaL needs for 12-Dom.
constexpr long long kMaxConflicts = 50000;

bool TwoValued(const analysis::Puzzle& puzzle) {
  for (const auto* lines : {&puzzle.rows, &puzzle.cols})
    for (const analysis::LineRuns& runs : *lines)
      for (const analysis::Run& run : runs)
        if (run.color != 1) return false;
  return true;
}

void BM_Shipped(benchmark::State& state, analysis::Puzzle puzzle) {
  analysis::Analysis a;
  for (auto _ : state) a = analysis::Analyze(puzzle);
  state.counters["solutions"] = a.solutions;
  state.counters["conflicts"] = static_cast<double>(a.conflicts);
}

void BM_CaDiCaL(benchmark::State& state, analysis::Puzzle puzzle) {
  analysis::Budget budget;
  budget.learnAfterNodes = 0;
  analysis::Analysis a;
  for (auto _ : state) a = analysis::Analyze(puzzle, budget);
  state.counters["solutions"] = a.solutions;
  state.counters["conflicts"] = static_cast<double>(a.conflicts);
}

void BM_Native(benchmark::State& state, analysis::Puzzle puzzle, bool shrink) {
  const int expected = analysis::Analyze(puzzle).solutions;
  int count = 0;
  long long conflicts = 0, decisions = 0, lines = 0, explaining = 0, literals = 0;
  for (auto _ : state) {
    analysis::Engine engine(puzzle, nullptr);
    if (!engine.Propagate()) {
      count = 0;
      continue;
    }
    bench::NogoodSearch search(puzzle, engine.cells(), shrink);
    count = search.Count(kMaxConflicts);
    conflicts = search.conflicts;
    decisions = search.decisions;
    lines = search.lineSolves;
    explaining = search.explanationSolves;
    literals = search.learnedLiterals;
  }
  if (count != expected && count != analysis::kUnknown) {
    state.SkipWithError(("counted " + std::to_string(count) + ", the analysis " +
                         std::to_string(expected)).c_str());
    return;
  }
  state.counters["solutions"] = count;
  state.counters["conflicts"] = static_cast<double>(conflicts);
  state.counters["decisions"] = static_cast<double>(decisions);
  state.counters["line_solves"] = static_cast<double>(lines);
  state.counters["explaining"] = static_cast<double>(explaining);
  state.counters["clause_len"] = conflicts ? static_cast<double>(literals) / conflicts : 0;
}

void RegisterAll() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(kRoot / "bench/puzzles"))
    if (entry.path().extension() == ".non") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  for (const fs::path& f : files) {
    const analysis::Puzzle puzzle = ReadEnginePuzzle(f.string());
    if (!TwoValued(puzzle)) continue;
    const std::string name = f.stem().string();
    benchmark::RegisterBenchmark(("BM_Shipped/" + name).c_str(), BM_Shipped, puzzle)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("BM_CaDiCaL/" + name).c_str(), BM_CaDiCaL, puzzle)
        ->Unit(benchmark::kMillisecond);
    for (bool shrink : {false, true})
      benchmark::RegisterBenchmark(
          ("BM_Native/" + name + (shrink ? "/shrunk" : "/whole")).c_str(), BM_Native, puzzle,
          shrink)->Unit(benchmark::kMillisecond);
  }
}

}  // namespace
}  // namespace gw

int main(int argc, char** argv) { return gw::RunQtBenchmarks(argc, argv, gw::RegisterAll); }
