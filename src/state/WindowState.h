#pragma once
#include <string>

namespace gw {

// What the main window keeps beyond the puzzle.
struct WindowState {
  // 1 = the colour printer box of the print dialog is ticked; lasts for the run.
  int ColorPrinter = 0;
  // False once the main window has closed: the program has ended.
  bool running = true;
  // The folder the program started in (the player's puzzle folder) and the installed collection:
  // where the library looks.
  std::string startFolder;
  std::string collectionFolder;
  // The game in play as it was last opened, taken up or saved (its progress bytes).
  std::string keptGame;
};

}  // namespace gw
