#pragma once
// Answers of the line solver for lines whose whole state fits one machine word: each cell's
// values packed into a few bits, so that a lookup is one hash, one comparison and one copy. A
// monochrome line of up to 32 cells takes two bits a cell. Direct-mapped, of a fixed size.
#include <cstdint>
#include <vector>

#include "analysis/Analysis.h"

namespace gw::analysis {

class PackedLineCache {
 public:
  // Room for `slots` answers (rounded down to a power of two) within about budgetBytes.
  void Reset(size_t slots, size_t budgetBytes);
  // The answer for line `line` in state `key`: false when not known; else *fits, and the
  // narrowed state in *answer when the runs fit.
  bool Find(int line, std::uint64_t key, bool* fits, std::uint64_t* answer) const {
    const Slot& slot = slots_[Index(line, key)];
    if (slot.key != key || slot.line != line) return false;
    *fits = slot.fits != 0;
    *answer = slot.answer;
    return true;
  }
  void Store(int line, std::uint64_t key, bool fits, std::uint64_t answer) {
    slots_[Index(line, key)] = Slot{key, answer, line, fits ? 1 : 0};
  }

 private:
  struct Slot {
    std::uint64_t key = 0;
    std::uint64_t answer = 0;
    std::int32_t line = -1;
    std::int32_t fits = 0;
  };
  size_t Index(int line, std::uint64_t key) const {
    std::uint64_t h = (key ^ (static_cast<std::uint64_t>(line) << 48)) * 0x9E3779B97F4A7C15ull;
    return static_cast<size_t>(h >> 32) & mask_;
  }
  size_t mask_ = 0;
  std::vector<Slot> slots_ = std::vector<Slot>(1);
};

}  // namespace gw::analysis
