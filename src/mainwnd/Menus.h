#pragma once
#include "App.h"
#include "commands/Commands.h"

namespace gw {

// An item chosen in the menu bar by its position, as the window and the scripts deliver it.
void MenuClick(App& app, MenuId menu, int index);
// Runs a command as its item does (through the history's rule for it).
void RunMenuCommand(App& app, Command command);
void HelpClick(App& app);

}  // namespace gw
