#include "state/FileCommands.h"

namespace gw {

// Placeholder until the file commands land.
void OfferProgressSave(App& app) { app.puzzle.Dirty = 0; }
void NewHintPuzzle(App&) {}
void NewPicture(App&) {}
void OpenForPlay(App&, int) {}
void OpenHintPuzzle(App&) {}
void OpenPicture(App&) {}
void SaveProgress(App&) {}
void SaveHintPuzzle(App&) {}
void SavePicture(App&) {}

}  // namespace gw
