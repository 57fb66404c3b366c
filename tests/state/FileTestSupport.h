#pragma once
#include <functional>

#include "system/FileError.h"

namespace gw::test {

// The number of the FileError `f` raises, 0 when it raises none.
inline int ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const FileError& e) {
    return e.number();
  }
  return 0;
}

}  // namespace gw::test
