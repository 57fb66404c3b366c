#pragma once
#include <string>

#include "App.h"
#include "state/PuzzleState.h"

namespace gw {

// The progress file .gwp of the current puzzle. Throws FileError; LinkLeadsOut when the .gwp is a
// link to a file outside its folder (as SaveCompleters does for the .gwb).
void WriteProgress(const PuzzleState& p, const std::string& path);
// Throws FileError, leaving the puzzle as it was, when the file does not fit the board: every line
// must be exactly as long as the sizes and hint counts say, and none may follow.
void ReadProgress(PuzzleState& p, const std::string& path);
// The same content as bytes in memory, for games kept where no progress file can be written (a
// board over 20 x 20 as the text of its own file).
std::string ProgressBytes(const PuzzleState& p);
void ReadProgressBytes(PuzzleState& p, const std::string& bytes);

// The completer list .gwb: at most 10 entries, newest first; list[1..count] are used.
struct CompleterList {
  std::string entries[11];
  int count = 0;
};
// `path` is any file of the puzzle; it is changed to the .gwb path.
void ReadCompleters(App& app, std::string& path, CompleterList& list);
// Puts `entry` in front (dropping the oldest of 10) and rewrites the file; throws FileError.
void SaveCompleters(App& app, const std::string& path, const std::string& entry, CompleterList& list);

// The details box of a puzzle or picture file and its completers.
void ShowFileInfo(App& app, const std::string& folder, const std::string& name);

}  // namespace gw
