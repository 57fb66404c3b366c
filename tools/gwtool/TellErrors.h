#pragma once
// How every gwtool command tells a file it cannot read or write: its path and the reason, in the
// program's own words, on standard error.
#include <cstdio>
#include <string>

#include "formats/PuzzleData.h"
#include "system/FileError.h"

namespace gw {

// Runs `work`; false when it threw a file error or a refusal, which has then been told.
template <typename Work>
bool RunTellingErrors(const std::string& path, Work work) {
  try {
    work();
  } catch (const FileError& e) {
    std::fprintf(stderr, "gwtool: %s: %s\n", path.c_str(), FileErrorMessage(e).c_str());
    return false;
  } catch (const FormatError& e) {
    std::fprintf(stderr, "gwtool: %s: %s\n", path.c_str(), e.what());
    return false;
  }
  return true;
}

}  // namespace gw
