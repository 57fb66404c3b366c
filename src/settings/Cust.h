#pragma once

#include "App.h"

namespace gw {

// The customise dialog "カスタマイズ".
struct Cust : Dialog {
  DialogKind Kind() const override { return DialogKind::Cust; }
};

void RunCustDialog(App& app);

}  // namespace gw
