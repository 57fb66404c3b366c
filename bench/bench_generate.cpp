// New puzzles on demand: the time to generate one, by size, colour count and difficulty (each
// iteration a new seed, so the time includes the pictures thrown away), and the time the engine
// takes to check one of the large public puzzles read from its .non file.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "formats/EngineInput.h"
#include "formats/ForeignFiles.h"
#include "pictures/PuzzleGenerator.h"

namespace gw {
namespace {

namespace fs = std::filesystem;

const fs::path kBigPuzzles = fs::path(GW_SOURCE_DIR) / "bench" / "puzzles";

void BM_Generate(benchmark::State& state) {
  GenerateRequest r;
  r.width = r.height = int(state.range(0));
  r.colors = int(state.range(1));
  r.difficulty = analysis::Difficulty(state.range(2));
  r.seconds = 30;
  int missed = 0;
  for (auto _ : state) {
    ++r.seed;
    GenerateResult g = GeneratePuzzle(r);
    missed += !g.puzzle;
    benchmark::DoNotOptimize(g);
  }
  state.counters["missed"] = missed;
}

void GenerateArgs(benchmark::internal::Benchmark* b) {
  for (int d : {int(analysis::Difficulty::kLine), int(analysis::Difficulty::kProbe)})
    for (int colors : {1, 2, 4})
      for (int side : {5, 10, 15, 20}) b->Args({side, colors, d});
}
BENCHMARK(BM_Generate)->Apply(GenerateArgs)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_CheckLargePuzzle(benchmark::State& state, const char* name) {
  PuzzleData p = ReadForeignFile((kBigPuzzles / name).string());
  analysis::Puzzle e = EnginePuzzle(p);
  for (auto _ : state) benchmark::DoNotOptimize(analysis::Analyze(e));
}
BENCHMARK_CAPTURE(BM_CheckLargePuzzle, webpbn_529_45x45, "webpbn-529.non")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CheckLargePuzzle, copyleft_34x34, "gnonograms-copyleft.non")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CheckLargePuzzle, tux_40x45, "gnonograms-tux.non")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gw

BENCHMARK_MAIN();
