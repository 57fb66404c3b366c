#include "analysis/LineCache.h"

#include <algorithm>
#include <cstring>

namespace gw::analysis {

void LineCache::Reset(int maxLength, size_t slots, size_t budgetBytes) {
  stride_ = 2 * std::max(maxLength, 1);
  size_t slotBytes = sizeof(Slot) + stride_ * sizeof(CellSet);
  size_t count = 1;
  while (count * 2 <= slots && count * 2 * slotBytes <= budgetBytes) count *= 2;
  mask_ = count - 1;
  slots_.assign(count, Slot{});
  data_.reset(new CellSet[count * stride_]);
}

static std::uint64_t HashLine(int line, const CellSet* cells, int n) {
  std::uint64_t h = 0x9E3779B97F4A7C15ull ^ static_cast<std::uint64_t>(line);
  for (int i = 0; i < n; ++i) h = (h ^ cells[i]) * 0x100000001B3ull;
  return h ^ (h >> 29);
}

int LineCache::Find(int line, CellSet* cells, int n, std::uint64_t* hash) const {
  *hash = HashLine(line, cells, n);
  if (slots_.empty()) return -1;
  size_t at = *hash & mask_;
  const Slot& slot = slots_[at];
  if (slot.line != line || slot.hash != *hash) return -1;
  const CellSet* stored = &data_[at * stride_];
  if (std::memcmp(stored, cells, n * sizeof(CellSet)) != 0) return -1;
  if (!slot.fits) return 0;
  std::memcpy(cells, stored + n, n * sizeof(CellSet));
  return 1;
}

void LineCache::Store(int line, const CellSet* before, const CellSet* after, int n, bool fits,
                      std::uint64_t hash) {
  if (slots_.empty() || 2 * n > stride_) return;
  size_t at = hash & mask_;
  slots_[at] = Slot{hash, line, fits ? 1 : 0};
  CellSet* stored = &data_[at * stride_];
  std::memcpy(stored, before, n * sizeof(CellSet));
  if (fits) std::memcpy(stored + n, after, n * sizeof(CellSet));
}

}  // namespace gw::analysis
