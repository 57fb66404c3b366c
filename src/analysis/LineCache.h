#pragma once
// Answers of the line solver kept by the line and its cells: probing and search ask the same
// line in the same state again and again. Direct-mapped, of a fixed size, so memory stays bounded.
#include <cstdint>
#include <memory>
#include <vector>

#include "analysis/Analysis.h"

namespace gw::analysis {

class LineCache {
 public:
  // Room for `slots` answers (rounded down to a power of two) about lines of up to maxLength
  // cells, within about budgetBytes.
  void Reset(int maxLength, size_t slots, size_t budgetBytes);
  // The narrowed cells of a line seen before, written over cells; -1 not known, 0 no placement,
  // 1 cells narrowed.
  int Find(int line, CellSet* cells, int n, std::uint64_t* hash) const;
  void Store(int line, const CellSet* before, const CellSet* after, int n, bool fits,
             std::uint64_t hash);

 private:
  struct Slot {
    std::uint64_t hash = 0;
    std::int32_t line = -1;
    std::int32_t fits = 0;
  };
  size_t mask_ = 0;
  int stride_ = 0;  // cells per slot: the state asked about, then the answer
  std::vector<Slot> slots_;
  // Left uninitialised: a slot's cells are only read after its key was written.
  std::unique_ptr<CellSet[]> data_;
};

}  // namespace gw::analysis
