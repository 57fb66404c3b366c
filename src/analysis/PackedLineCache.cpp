#include "analysis/PackedLineCache.h"

namespace gw::analysis {

void PackedLineCache::Reset(size_t slots, size_t budgetBytes) {
  size_t count = 1;
  while (count * 2 <= slots && count * 2 * sizeof(Slot) <= budgetBytes) count *= 2;
  mask_ = count - 1;
  slots_.assign(count, Slot{});
}

}  // namespace gw::analysis
