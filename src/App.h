#pragma once

#include <memory>

#include "platform/Platform.h"

namespace gw {

// The parts of the program's state, each defined in the header of its own subsystem: a procedure
// includes the headers of the parts it uses, and this header stays below every subsystem.
struct PuzzleState;
struct Document;
struct FileReport;
struct BoardLayout;
struct Colors;
struct SolverState;
struct WindowState;
struct Options;
struct History;
struct GuessLayer;
class PlayClock;
struct LibraryWindow;

// The program's process-wide state, created once by main (and once per test). Every procedure
// takes it first. The parts live in one block made with the App (mainwnd/AppParts.cpp); the
// members name them.
struct App {
  explicit App(Platform& platform);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;

 public:
  // The one puzzle in memory: sizes, cells, hints, palette, title.
  PuzzleState& puzzle;
  // The file it belongs to, and whether it changed since.
  Document& document;
  // What the file dialogs and readers reported last, for `dump state` only.
  FileReport& fileReport;
  BoardLayout& layout;
  Colors& colors;
  SolverState& solver;
  WindowState& wnd;
  Options& options;
  History& history;
  // The levels of guesses the player has begun in play (ツール > 仮置きを始める).
  GuessLayer& guess;
  // Made when the library is first used (ツール > ライブラリ, or a record to keep).
  std::shared_ptr<LibraryWindow> library;
  PlayClock& clock;
  Platform& ui;
};

}  // namespace gw
