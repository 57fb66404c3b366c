// The parts of App, made with it. This is the one place that knows every part's type, so it sits
// with the program's start rather than beside App.h, which stays below every subsystem.
#include "App.h"

#include "display/BoardLayout.h"
#include "history/History.h"
#include "library/PlayClock.h"
#include "settings/Options.h"
#include "solver/SolverState.h"
#include "state/Document.h"
#include "state/GuessLayer.h"
#include "state/PuzzleState.h"
#include "state/WindowState.h"

namespace gw {

struct App::Parts {
  PuzzleState puzzle;
  Document document;
  FileReport fileReport;
  BoardLayout layout;
  Colors colors;
  SolverState solver;
  WindowState wnd;
  Options options;
  History history;
  GuessLayer guess;
  PlayClock clock;
};

App::App(Platform& platform)
    : parts_(std::make_unique<Parts>()),
      puzzle(parts_->puzzle),
      document(parts_->document),
      fileReport(parts_->fileReport),
      layout(parts_->layout),
      colors(parts_->colors),
      solver(parts_->solver),
      wnd(parts_->wnd),
      options(parts_->options),
      history(parts_->history),
      guess(parts_->guess),
      clock(parts_->clock),
      ui(platform) {
  ui.Bind(*this);
}

// Defined here, where Parts is complete.
App::~App() = default;

}  // namespace gw
