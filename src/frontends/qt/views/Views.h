#pragma once

#include "App.h"

namespace gw {

class QtPlatform;

// Each dialog's Qt view: builds its widgets from the dialog's state, forwards every event to the
// core's handlers, and runs modally until a handler closes the dialog.
void RunModecgView(QtPlatform& ui, App& app, Dialog& dialog);
void RunSizeinView(QtPlatform& ui, App& app, Dialog& dialog);
void RunFileDlgView(QtPlatform& ui, App& app, Dialog& dialog);
void RunFileSel2View(QtPlatform& ui, App& app, Dialog& dialog);
void RunCustView(QtPlatform& ui, App& app, Dialog& dialog);
void RunInsatuView(QtPlatform& ui, App& app, Dialog& dialog);
void RunImportImageView(QtPlatform& ui, App& app, Dialog& dialog);
void RunNewPuzzleView(QtPlatform& ui, App& app, Dialog& dialog);

}  // namespace gw
