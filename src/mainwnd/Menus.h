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

// Keys that choose an item exactly as its menu does, in the portable key names the window reads
// ("Ctrl+Z"); the first is the one the menu shows. `help` stands for the direct help command.
struct MenuShortcut {
  MenuId menu;
  int index;
  bool help;
  std::vector<std::string> keys;
};
const std::vector<MenuShortcut>& MenuShortcuts();

void MenuClick(App& app, MenuId menu, int index);
void HelpClick(App& app);

}  // namespace gw
