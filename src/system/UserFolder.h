#pragma once
#include <string>

namespace gw {

// The per-user puzzle folder of an installed program: $XDG_DATA_HOME/gridwick/puzzles, or
// ~/.local/share/gridwick/puzzles when XDG_DATA_HOME is unset or not an absolute path. Empty when
// neither gives a place.
std::string UserPuzzleFolder();

// Makes `folder` (with its parents) when it does not exist yet and fills it with the files of
// `samples`, so that a first start finds the sample puzzles in the puzzle list and can write
// progress and completer files beside them. An existing folder is left as the player left it.
// Throws FileError when the folder cannot be made or filled.
void PrepareUserFolder(const std::string& folder, const std::string& samples);

}  // namespace gw
