#pragma once
#include <string>

#include "App.h"
#include "text/Tr.h"

namespace gw {

// The mode dialog "モード変更": three option buttons and OK.
struct Modecg : Dialog {
  DialogKind Kind() const override { return DialogKind::Modecg; }
  int option = 0;  // the selected option button, 1..3
};

inline constexpr const char* kModecgCaption = TrNoop("モード変更");
std::string ModecgOptionText(int n);

void ModecgLoad(App& app, Modecg& dlg);
// Choosing an option button sets Mode at once.
void ModecgOptionClick(App& app, Modecg& dlg, int n);
void ModecgOk(App& app, Modecg& dlg);
// Closing by the frame counts as OK, so that Mode, caption and menus always agree.
void ModecgClose(App& app, Modecg& dlg);

// Shows the mode dialog modally.
void RunModeDialog(App& app);

// Caption suffix of each mode (" : プレイモード" …).
std::string ModeSuffix(int mode);
// Enables the mode-dependent menu items and the key preview for the current mode.
void ApplyModeMenus(App& app);

}  // namespace gw
