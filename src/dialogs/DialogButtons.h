#pragma once

#include "App.h"
#include "state/Document.h"
#include "state/PuzzleFiles.h"

namespace gw {

// How a file dialog ended, for the command that showed it. A dialog closed without a button
// press ends as None, which no caller takes for an open or a save.
enum class FileDialogEnd { None, Cancelled, Opened, Refused, Saved, NotSaved };

// How OK that read a puzzle ends the dialog.
inline FileDialogEnd OpenedEnd(ReadOutcome read) {
  return read == ReadOutcome::Read ? FileDialogEnd::Opened : FileDialogEnd::Refused;
}

// The start of every button press of the file dialogs: Cancel (button 1) ends the dialog as
// Cancelled and closes it. The press is also traced in DialogCancelled. True when it was Cancel.
template <typename D>
bool PressCancel(App& app, D& dlg, int i) {
  app.fileReport.DialogCancelled = i == 1 ? 1 : 0;
  if (i != 1) return false;
  dlg.end = FileDialogEnd::Cancelled;
  app.ui.CloseDialog(dlg);
  return true;
}

// How the dialogs that report whether they were accepted end: the answer kept, the dialog closed.
template <typename D>
void EndDialog(App& app, D& dlg, bool accepted) {
  dlg.accepted = accepted;
  app.ui.CloseDialog(dlg);
}

}  // namespace gw
