#pragma once

#include "App.h"

namespace gw {

// The puzzle list "ファイルを開く２".
struct FileSel2 : Dialog {
  DialogKind Kind() const override { return DialogKind::FileSel2; }
};

}  // namespace gw
