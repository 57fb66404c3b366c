// libFuzzer target for one file reader, chosen at build time by GW_FUZZ_FORMAT (Gwm, Gwc, Gwk,
// Gwa, Gwp or Gwb). Any broken promise of the reader aborts the run.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ReaderFuzz.h"

namespace {

const std::string& Folder() {
  static const std::string folder = [] {
    char pattern[] = "/tmp/gwfuzz.XXXXXX";
    const char* made = mkdtemp(pattern);
    if (!made) std::abort();
    return std::string(made);
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  std::string why = gw::fuzz::CheckReader(gw::fuzz::Format::GW_FUZZ_FORMAT, bytes, Folder());
  if (!why.empty()) {
    std::fprintf(stderr, "reader broke its promise: %s\n", why.c_str());
    std::abort();
  }
  return 0;
}
