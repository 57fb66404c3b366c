#pragma once

#include <memory>
#include <string>

#include "display/BoardLayout.h"
#include "history/History.h"
#include "library/PlayClock.h"
#include "platform/Platform.h"
#include "settings/Options.h"
#include "solver/SolverState.h"
#include "state/GuessLayer.h"
#include "state/PuzzleState.h"

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

struct LibraryWindow;

// The program's process-wide state, created once by main (and once per test). Every procedure
// takes it first.
struct App {
  explicit App(Platform& platform) : ui(platform) { ui.Bind(*this); }
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  PuzzleState puzzle;
  BoardLayout layout;
  Colors colors;
  SolverState solver;
  WindowState wnd;
  Options options;
  History history;
  // The levels of guesses the player has begun in play (ツール > 仮置きを始める).
  GuessLayer guess;
  // Made when the library is first used (ツール > ライブラリ, or a record to keep).
  std::shared_ptr<LibraryWindow> library;
  PlayClock clock;
  Platform& ui;
};

}  // namespace gw
