#pragma once

#include "App.h"
#include "state/Document.h"
#include "state/PuzzleState.h"

namespace gw {

// The unsaved-work question. True when the asking command may go on: nothing was unsaved, the
// user answered No, or the save wrote its file. False (Dirty still 1) when the user chose to save
// and the save was cancelled or failed: the command is then abandoned.
bool OfferProgressSave(App& app);
// The game on the board is the one kept (opened, taken up or saved): a puzzle of another
// program's file asks nothing when it is left so.
void NoteGameKept(App& app);
bool GameUnchanged(App& app);
void NewHintPuzzle(App& app);
void NewPicture(App& app);
// kind 1: the file dialog; kind 2: the puzzle list.
void OpenForPlay(App& app, int kind);
// Where the stored game of the puzzle lives: its .gwp, or the file of a board over 20 x 20.
std::string StoredGamePath(const PuzzleState& p, const Document& doc);
// The offer to go on with the stored game of the puzzle just opened, when there is one.
void OfferStoredGame(App& app);
// ファイルを開く of `mode` without its dialog: the program's own file at `path` read as that mode
// reads (hints, .gwm or .gwc, for play and number input; a picture, .gwk or .gwa, for image
// input), read errors shown as the dialog shows them, then what the mode's open does after its
// dialog. The mode changes with the file; a refusal leaves it as it was. True when it opened.
bool OpenPathInMode(App& app, int mode, const std::string& path);
void OpenHintPuzzle(App& app);
void OpenPicture(App& app);
// Each save of a mode: true when it wrote its file(s).
bool SaveProgress(App& app);
bool SaveHintPuzzle(App& app);
bool SavePicture(App& app);
// The save of the current mode; only a save that wrote clears Dirty.
bool SaveCommand(App& app);

}  // namespace gw
