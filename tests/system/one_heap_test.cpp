// The process keeps one heap: memory a solver grows on its own thread is reused by the rest of the
// program instead of being left behind in a heap of that thread's.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "system/Memory.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
// How many heaps the allocator reports, from the XML it writes of itself.
int Heaps() {
  char* text = nullptr;
  size_t size = 0;
  FILE* out = open_memstream(&text, &size);
  malloc_info(0, out);
  std::fclose(out);
  const std::string xml(text, size);
  std::free(text);
  int heaps = 0;
  for (size_t at = xml.find("<heap nr="); at != std::string::npos; at = xml.find("<heap nr=", at + 1))
    ++heaps;
  return heaps;
}
#endif

TEST(OneHeap, AnotherThreadAllocatesFromTheSameHeap) {
#if !defined(__GLIBC__) || defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "a heap per thread is the GNU C library's own (and the sanitizers bring theirs)";
#else
  // First in this program, as in main: no other thread has allocated yet.
  gw::UseOneHeap();
  std::vector<void*> blocks;
  std::thread([&blocks] {
    for (int i = 0; i < 1000; ++i) blocks.push_back(std::malloc(200));
  }).join();
  EXPECT_EQ(Heaps(), 1);
  for (void* block : blocks) std::free(block);
#endif
}

}  // namespace
