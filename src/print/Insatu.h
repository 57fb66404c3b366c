#pragma once

#include "App.h"

namespace gw {

// The print dialog "印刷フォーム".
struct Insatu : Dialog {
  DialogKind Kind() const override { return DialogKind::Insatu; }
};

void RunPrintDialog(App& app);

}  // namespace gw
