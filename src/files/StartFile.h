#pragma once
// The file the program is started with (`gridwick FILE`, a double click in a file manager),
// opened by its kind through the ways in the menus already have.
#include <string>

#include "App.h"

namespace gw {

// After start-up: a hint puzzle (.gwm .gwc) or a foreign puzzle (.xml .non .g) opens for play, a
// picture (.gwk .gwa) in image input mode, a stored game (.gwp) as its puzzle, which then offers
// it, and an image goes to 画像から問題を作る. A file that cannot be opened gets its message and
// leaves the window as start-up left it. True when a puzzle or picture is in the window.
bool OpenStartFile(App& app, const std::string& path);

}  // namespace gw
