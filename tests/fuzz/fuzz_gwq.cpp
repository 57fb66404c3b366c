// libFuzzer target for the reader of .gwq files, the saved games of boards over 20 x 20: run for
// example  build/tests/fuzz/fuzz_gwq -max_total_time=60 tests/fuzz/corpus/gwq
// Any broken promise of the reader aborts the run.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "GwqFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  std::string why = gw::fuzz::CheckGwq(bytes);
  if (!why.empty()) {
    std::fprintf(stderr, "reader broke its promise: %s\n", why.c_str());
    std::abort();
  }
  return 0;
}
