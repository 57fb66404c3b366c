// libFuzzer target for one file reader, chosen at build time by GW_FUZZ_FORMAT (Gwm, Gwc, Gwk,
// Gwa, Gwp or Gwb). Any broken promise of the reader aborts the run.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <sanitizer/common_interface_defs.h>

#include "ReaderFuzz.h"

namespace {

// The folder the inputs are written to; removed when the run ends (libFuzzer ends a run by exit(),
// which destroys it), before a broken promise aborts and when a sanitizer ends the run.
struct ScratchFolder {
  ScratchFolder() {
    char pattern[] = "/tmp/gwfuzz.XXXXXX";
    const char* made = mkdtemp(pattern);
    if (!made) std::abort();
    path = made;
  }
  ~ScratchFolder() { Remove(); }
  void Remove() const {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  std::string path;
};

const ScratchFolder& Scratch() {
  static const ScratchFolder folder;
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Scratch();
  __sanitizer_set_death_callback([] { Scratch().Remove(); });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  std::string why = gw::fuzz::CheckReader(gw::fuzz::Format::GW_FUZZ_FORMAT, bytes, Scratch().path);
  if (!why.empty()) {
    std::fprintf(stderr, "reader broke its promise: %s\n", why.c_str());
    Scratch().Remove();
    std::abort();
  }
  return 0;
}
