// The library over a generated folder of 10 000 puzzles (.non, 5 x 5 to 30 x 30, each a filled
// rectangle: unique and rated by lines alone, so the engine's part stays small): the first scan
// (every file listed, read, rated and indexed into a fresh store) and the listing when the library
// is opened again after it (store read, folder looked at, rows filtered and sorted).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "formats/ForeignFiles.h"
#include "library/Library.h"
#include "library/LibraryModel.h"
#include "library/PathText.h"

namespace gw {
namespace {

constexpr int kPuzzles = 10000;

std::string BenchFolder() {
  static const std::string folder = [] {
    std::string f = PathText(std::filesystem::temp_directory_path() / "gw-bench-library");
    std::filesystem::remove_all(f);
    std::filesystem::create_directories(f + "/puzzles");
    std::mt19937 random(7);
    for (int i = 0; i < kPuzzles; ++i) {
      PuzzleData p;
      p.width = 5 + int(random() % 26);
      p.height = 5 + int(random() % 26);
      p.title = "puzzle " + std::to_string(i);
      p.colors = {{"white", MakeRgb(255, 255, 255), 0}, {"black", 0, 0}};
      int w = 1 + int(random() % p.width), h = 1 + int(random() % p.height);
      int left = int(random() % (p.width - w + 1)), top = int(random() % (p.height - h + 1));
      p.solution.assign(p.height, std::vector<int>(p.width, 0));
      for (int y = top; y < top + h; ++y)
        for (int x = left; x < left + w; ++x) p.solution[y][x] = 1;
      DeriveClues(p);
      WriteForeignFile(f + "/puzzles/p" + std::to_string(i) + ".non", p);
    }
    return f;
  }();
  return folder;
}

std::unique_ptr<Library> OpenLibrary(const std::string& store) {
  OpenedStore s = OpenLibraryStore(store);
  return std::make_unique<Library>(std::move(s.store), LibraryPlaces{BenchFolder() + "/puzzles", ""});
}

void BM_FirstScan(benchmark::State& state) {
  std::string store = BenchFolder() + "/first.sqlite";
  for (auto _ : state) {
    state.PauseTiming();
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(store + suffix);
    state.ResumeTiming();
    std::unique_ptr<Library> lib = OpenLibrary(store);
    lib->Refresh();
    lib->WaitIdle();
    if (lib->Entries().size() != size_t(kPuzzles)) state.SkipWithError("not every puzzle was listed");
  }
  state.SetLabel("10 000 .non files read, rated and indexed");
}
BENCHMARK(BM_FirstScan)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ListAfterScan(benchmark::State& state) {
  std::string store = BenchFolder() + "/listed.sqlite";
  OpenLibrary(store)->WaitIdle();
  {
    std::unique_ptr<Library> lib = OpenLibrary(store);
    lib->Refresh();
    lib->WaitIdle();
  }
  for (auto _ : state) {
    std::unique_ptr<Library> lib = OpenLibrary(store);
    lib->Refresh();
    LibraryListing listing;
    listing.sortColumn = kColRating;
    UpdateRows(*lib, listing);
    if (listing.rows.size() != size_t(kPuzzles) || lib->Pending() != 0) state.SkipWithError("listing incomplete");
  }
  state.SetLabel("10 000 puzzles: store read, folder listed, sorted by difficulty");
}
BENCHMARK(BM_ListAfterScan)->Iterations(10)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace gw

BENCHMARK_MAIN();
