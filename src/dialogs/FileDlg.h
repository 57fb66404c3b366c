#pragma once

#include "App.h"

namespace gw {

// The program's own open and save dialog.
struct FileDlg : Dialog {
  DialogKind Kind() const override { return DialogKind::FileDlg; }
};

}  // namespace gw
