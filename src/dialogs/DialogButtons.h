#pragma once

#include "App.h"

namespace gw {

// The start of every button press of the file dialogs: the press clears DialogCancelled, and
// Cancel (button 1) sets it and closes the dialog. True when the press was Cancel.
inline bool PressCancel(App& app, Dialog& dlg, int i) {
  app.puzzle.DialogCancelled = 0;
  if (i != 1) return false;
  app.puzzle.DialogCancelled = 1;
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
