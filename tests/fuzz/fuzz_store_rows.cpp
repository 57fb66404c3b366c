// libFuzzer target for the rows of the library's store: index, play and solve rows of any types
// and values. Any broken promise aborts the run.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "StoreRowFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string why = gw::fuzz::CheckStoreRows(std::string(reinterpret_cast<const char*>(data), size));
  if (!why.empty()) {
    std::fprintf(stderr, "the store's checks broke a promise: %s\n", why.c_str());
    std::abort();
  }
  return 0;
}
