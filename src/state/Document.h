#pragma once
#include <string>

namespace gw {

// The file the puzzle in memory belongs to, and whether it has changed since it was last saved
// or the player was last asked about it. Opening or saving a file sets the names; every change
// the player makes to the board or the hints sets Dirty, and only a save, a declined or settled
// question, or a fresh puzzle clears it.
struct Document {
  std::string CurFolder;
  std::string CurFileName;  // without the folder, e.g. "NoName.GWM"
  std::string CurPath;      // set only when a puzzle file was opened successfully
  int Dirty = 0;
};

// What the file dialogs and the puzzle readers reported last, as `dump state` shows it. Nothing
// in the program decides on these two: a dialog hands the command that showed it how it ended,
// and a reader returns what it did; this is only their trace.
struct FileReport {
  int DialogCancelled = 0;  // 0 after OK or details of a file dialog, 1 after its Cancel
  int LoadRefused = 0;      // 0 when a puzzle read starts, 1 when it refused the file
};

}  // namespace gw
