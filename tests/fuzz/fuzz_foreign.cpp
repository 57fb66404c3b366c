// libFuzzer target for one reader of a foreign format, chosen at build time by GW_FUZZ_FOREIGN
// (Xml, Non or Olsak). Any broken promise aborts the run.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ForeignFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  std::string why = gw::fuzz::CheckForeign(gw::ForeignFormat::GW_FUZZ_FOREIGN, bytes);
  if (!why.empty()) {
    std::fprintf(stderr, "reader broke its promise: %s\n", why.c_str());
    std::abort();
  }
  return 0;
}
