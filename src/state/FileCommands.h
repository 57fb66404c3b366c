#pragma once

#include "App.h"

namespace gw {

void OfferProgressSave(App& app);
void NewHintPuzzle(App& app);
void NewPicture(App& app);
// kind 1: the file dialog; kind 2: the puzzle list.
void OpenForPlay(App& app, int kind);
void OpenHintPuzzle(App& app);
void OpenPicture(App& app);
void SaveProgress(App& app);
void SaveHintPuzzle(App& app);
void SavePicture(App& app);

}  // namespace gw
