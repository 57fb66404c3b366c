#pragma once
// The library window's commands (ツール > ライブラリ) and the play timer's and records' hooks in
// the main window's flows. The window's view only shows app.library and calls these.
#include <memory>
#include <string>
#include <vector>

#include "App.h"
#include "text/Tr.h"
#include "library/Library.h"
#include "library/LibraryModel.h"

namespace gw {

inline constexpr const char* kLibraryTitle = TrNoop("ライブラリ");

struct LibraryWindow {
  std::unique_ptr<Library> library;
  LibraryListing view;
};

// Where the store lives: beside the per-user puzzle folder when the program works there
// ($XDG_DATA_HOME/gridwick/library.sqlite), else in the folder it started in.
std::string LibraryStoreFile(const std::string& startFolder);

// ツール > ライブラリ: the window, with every folder listed again.
void LibraryCommand(App& app);
// Takes in the background work finished so far and orders the rows again; true when anything
// changed.
bool LibraryPoll(App& app);
// The rows again after the sort or the filter of app.library->view changed.
void LibraryUpdateRows(App& app);
// Opens the puzzle of the row (an index into the view's rows), resuming its stored game.
void LibraryOpenRow(App& app, int row);
// Asks for a folder and adds it; `folder` given skips the question.
void LibraryAddFolder(App& app, const std::string& folder = "");
// The puzzle in play and its time ("「題」 1:05"), "" when none.
std::string LibraryPlayingText(App& app);

// --- hooks of the main window's flows ----------------------------------------------------------
// An action of the player in the main window, and the window becoming active or not.
void NotePlayActivity(App& app);
void NoteWindowActive(App& app, bool active);
// A completed judgement (not after the automatic solver): its time, date and count are recorded.
void NoteSolved(App& app);
// A game saved in its progress file: its time is kept with it.
void NoteProgressSaved(App& app);
// The player's files of a puzzle (its game, its completers) go to the store instead of its folder
// when that folder is the installed collection, which is every user's and is never written, or
// one the player cannot write. True for the puzzle in play when so (and the store is there).
bool RecordsInLibrary(App& app);
// Saves the game in hand in the store; false (the failure told) when it could not.
bool SaveProgressInLibrary(App& app);
// The stored game of a puzzle whose records are in the store, taken up as it opens; true when one
// was put on the board.
bool ResumeGameFromLibrary(App& app);
// The completers kept in the store for the puzzle in play, newest first; false (the failure
// told) when the store cannot be read.
bool ReadLibraryCompleters(App& app, std::vector<std::string>& entries);
// Adds a completer; false (the failure told) when it could not be kept.
bool AddLibraryCompleter(App& app, const std::string& entry);

}  // namespace gw
