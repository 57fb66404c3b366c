#include "system/Memory.h"

namespace gw {

// The Windows heap is one per process already.
void UseOneHeap() {}

}  // namespace gw
