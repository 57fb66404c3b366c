#pragma once
#include <functional>

#include "App.h"
#include "commands/Commands.h"
#include "history/History.h"

namespace gw {

// How a menu command meets the history.
enum class CommandRole {
  Plain,  // changes no cell or hint the user would want back (save, print, redraw, …)
  Step,   // one undoable step (start over, invert, scroll, erase, judgement, solver)
  Load,   // may replace the puzzle (new, open, mode change): the history starts afresh if it did
  Self,   // undo and redo, which keep the history themselves
};
CommandRole RoleOf(Command command);
void RunCommand(App& app, CommandRole role, const std::function<void()>& command);

// A press (or a key acting as one) ends the step before it and begins a new one; the drag that
// follows belongs to it.
void BeginStroke(App& app);
// A drag whose press began no step (it came before a menu command) begins one itself.
void ContinueStroke(App& app);
// After each event of an open step: the first change makes the redo list go and undo possible.
void NoteStroke(App& app);
// Ends the open step; a step that changed nothing is dropped.
void EndStep(App& app);

bool CanUndo(const App& app);
bool CanRedo(const App& app);
void Undo(App& app);
void Redo(App& app);
void ResetHistory(App& app);
// Enables 元に戻す and やり直し as the history allows.
void SyncEditMenu(App& app);

}  // namespace gw
