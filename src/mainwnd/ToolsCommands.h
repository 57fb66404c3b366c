#pragma once
// The commands of the ツール menu that bring puzzles in from other programs and take them out:
// import of puzzle files and images, export of files and page pictures, and new puzzles made by
// the generator.
#include <string>

#include "App.h"
#include "formats/PuzzleData.h"

namespace gw {

inline constexpr const char* kImportTitle = "インポート";
inline constexpr const char* kExportTitle = "エクスポート";

void ImportCommand(App& app);
// The box that shows how a foreign puzzle's colours map onto the table: the import command always
// shows it (its OK is the consent to change the user's colours); a list of puzzles only when a
// colour would not show as itself or would be added to the table.
enum class ColourQuestion { Always, WhenChanging };
// Opens a puzzle file the readers accept (.xml, .non, .g, and the program's own .gwm and .gwc)
// for play, boards up to 99 x 99, after the unsaved-work question: the one way in for the import
// command and for anything that lists puzzles. A refusal (too large, more than 9 colours, not
// readable) is told and leaves the board as it was, its boxes titled after the way in (`title`).
// True when the puzzle opened.
bool OpenPuzzleForPlay(App& app, const std::string& path, ColourQuestion ask = ColourQuestion::Always,
                       const char* title = kImportTitle);
void ExportCommand(App& app);
void NewPuzzleCommand(App& app);

// The text that shows where each colour of the puzzle goes in the colour table.
std::string MappingText(const PuzzleData& p, const struct ColorMapping& m);

}  // namespace gw
