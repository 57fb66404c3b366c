#pragma once
#include <string>
#include <vector>

#include "App.h"

namespace gw {

// The menu bar in order: the drop-down menus, then the direct help command. "-" is a separator.
// `script` is the menu's name in scenario scripts (`menu Tools 0`).
struct MenuDef {
  MenuId id;
  std::string script;
  std::string caption;
  std::vector<std::string> items;
};
const std::vector<MenuDef>& MenuBar();
inline constexpr const char* kHelpCaption = "説明(&H)";

void MenuClick(App& app, MenuId menu, int index);
void HelpClick(App& app);

}  // namespace gw
