#include "system/Memory.h"

#include <cstdlib>  // before the test below: it brings the C library's own macros in

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace gw {

void UseOneHeap() {
#if defined(__GLIBC__)
  mallopt(M_ARENA_MAX, 1);
#endif
}

}  // namespace gw
