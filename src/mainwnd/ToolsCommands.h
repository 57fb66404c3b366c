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
// The image kinds the import reads (.png .jpg .jpeg .bmp .gif), by extension whatever its case.
bool IsImagePath(const std::string& path);
// 画像から問題を作る on the image at `path`: the dialog, then the puzzle it made in the window
// (a picture in image input mode, or for play when larger than a picture file holds). A file
// that is no readable image is told and changes nothing. True when the puzzle is in the window.
bool ImportImageFile(App& app, const std::string& path);
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
// A puzzle given as data rather than as a file (pasted text) opens for play without a file, as a
// new puzzle does; the colour question only where a colour would change. The unsaved-work
// question is the caller's. True when it opened.
bool OpenUnfiledPuzzle(App& app, const PuzzleData& d);
void ExportCommand(App& app);
void NewPuzzleCommand(App& app);

// The text that shows where each colour of the puzzle goes in the colour table.
std::string MappingText(const PuzzleData& p, const struct ColorMapping& m);

}  // namespace gw
