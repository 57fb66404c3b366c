#include "history/EditHistory.h"

#include "display/Highlight.h"
#include "display/ErrorHints.h"
#include "display/LiveHints.h"
#include "history/Replay.h"

namespace gw {

CommandRole RoleOf(Command command) {
  using C = Command;
  switch (command) {
    // Import and the generator put a new puzzle in memory too.
    case C::New: case C::Open: case C::Open2: case C::ChangeMode: case C::Import: case C::NewPuzzle:
    case C::PastePuzzle:
      return CommandRole::Load;
    case C::Undo: case C::Redo:
      return CommandRole::Self;
    case C::StartOver: case C::InvertImage: case C::ScrollImage: case C::Judge: case C::AutoSolve:
    case C::EraseColour: case C::GuessStart: case C::GuessKeep: case C::GuessDrop:
      return CommandRole::Step;
    default:
      return CommandRole::Plain;
  }
}

void RunCommand(App& app, CommandRole role, const std::function<void()>& command) {
  if (role == CommandRole::Self) {
    command();
    FollowErrorHints(app);
    return;
  }
  // The highlight of a check or a hint shows the board as it was: any change takes it down first.
  if (role != CommandRole::Plain) EndHighlight(app, HighlightEnd::Change);
  if (role == CommandRole::Step) {
    BeginStroke(app);
    command();
    EndStep(app);
  } else if (role == CommandRole::Load) {
    EndStep(app);
    PuzzleIdentity before = IdentityOf(app.puzzle, app.document);
    command();
    // A cancelled open leaves the puzzle and its history as they were.
    if (!SamePuzzle(before, app.puzzle, app.document)) ResetHistory(app);
  } else {
    EndStep(app);
    command();
  }
  SyncEditMenu(app);
  FollowLiveHints(app);
  FollowErrorHints(app);
}

void BeginStroke(App& app) {
  EndHighlight(app, HighlightEnd::Change);
  EndStep(app);
  History& h = app.history;
  TakeSnapshot(app.puzzle, h.before);
  h.guessBefore = app.guess;
  h.open = true;
  h.openChanged = false;
}

void ContinueStroke(App& app) {
  if (!app.history.open) BeginStroke(app);
}

void NoteStroke(App& app) {
  History& h = app.history;
  if (!h.open || h.openChanged || SameBoard(h.before, app.puzzle)) return;
  h.openChanged = true;
  h.undone.clear();
  SyncEditMenu(app);
}

void EndStep(App& app) {
  History& h = app.history;
  if (!h.open) return;
  h.open = false;
  Step step = DiffBoard(h.before, app.puzzle);
  if (!(h.guessBefore == app.guess))
    step.guess = std::make_shared<const std::pair<GuessLayer, GuessLayer>>(std::move(h.guessBefore), app.guess);
  if (step.changes.empty() && !step.guess) return;
  h.done.push_back(std::move(step));
  h.undone.clear();
}

bool CanUndo(const App& app) {
  const History& h = app.history;
  return !h.done.empty() || (h.open && h.openChanged);
}

bool CanRedo(const App& app) {
  const History& h = app.history;
  return !h.undone.empty() && !(h.open && h.openChanged);
}

namespace {

// Replays the last step of one list and hands it to the other: undo from `done` to `undone`,
// redo the other way.
void Replay(App& app, std::vector<Step>& from, std::vector<Step>& to, Direction dir) {
  EndStep(app);
  if (!from.empty()) {
    Step step = std::move(from.back());
    from.pop_back();
    ReplayStep(app, step, dir);
    to.push_back(std::move(step));
  }
  SyncEditMenu(app);
}

}  // namespace

void Undo(App& app) { Replay(app, app.history.done, app.history.undone, Direction::Back); }

void Redo(App& app) { Replay(app, app.history.undone, app.history.done, Direction::Forward); }

void ResetHistory(App& app) {
  History& h = app.history;
  h.done.clear();
  h.undone.clear();
  h.open = false;
  h.openChanged = false;
  // A guess belongs to the board it was made on.
  app.guess = GuessLayer{};
}

void SyncEditMenu(App& app) {
  EnableCommand(app.ui, Command::Undo, CanUndo(app));
  EnableCommand(app.ui, Command::Redo, CanRedo(app));
  bool guessing = app.guess.Depth() > 0;
  EnableCommand(app.ui, Command::GuessStart, app.puzzle.Mode == kModePlay);
  EnableCommand(app.ui, Command::GuessKeep, guessing);
  EnableCommand(app.ui, Command::GuessDrop, guessing);
}

}  // namespace gw
