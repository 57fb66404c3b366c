#pragma once
#include <array>
#include <cstdint>
#include <string_view>
#include <unordered_map>

#include "App.h"
#include "solver/SolverState.h"
#include "state/PuzzleState.h"

namespace gw {

// Results of SolveWorkLine by everything it reads: the line's length and cells, its runs, and for each
// colour of its runs which cells the crossing lines can no longer give that colour. A trial of the
// proof by contradiction mostly re-solves lines other trials have solved already; a hit gives the
// same cells, Contradiction, EnumDone and SolveSteps as solving again, so the order of lines and
// every result stay as they were.
class WorkLineCache {
 public:
  // Solves the work line of app.solver, from the cache when the same line was solved before.
  void Solve(App& app);

  long hits() const { return hits_; }
  long misses() const { return misses_; }
  std::size_t size() const { return results_.size(); }

 private:
  // L, n, cells, run lengths, run colours, and per colour 1..9 a mask of the cells whose crossing
  // line has no unticked hint of it (only for the colours of the runs).
  static constexpr std::size_t kKeySize = 2 + 3 * kMaxSize + 9 * 4;
  using Key = std::array<std::uint8_t, kKeySize>;
  struct Result {
    std::int8_t cells[kMaxSize];
    std::int32_t steps;
    bool contradiction;
    bool enumDone;
  };
  struct KeyHash {
    std::size_t operator()(const Key& k) const {
      return std::hash<std::string_view>()(
          std::string_view(reinterpret_cast<const char*>(k.data()), k.size()));
    }
  };
  // False for a line outside the codes the key can hold (a malformed file): it is solved afresh.
  static bool MakeKey(const SolverState& s, Key& key);

  std::unordered_map<Key, Result, KeyHash> results_;
  long hits_ = 0, misses_ = 0;
};

}  // namespace gw
