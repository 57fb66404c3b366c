#pragma once
// The commands of the ツール menu that bring puzzles in from other programs and take them out:
// import of puzzle files and images, export of files and page pictures, and new puzzles made by
// the generator.
#include <string>

#include "App.h"
#include "text/Tr.h"
#include "formats/PuzzleData.h"

namespace gw {

inline constexpr const char* kImportTitle = TrNoop("インポート");
inline constexpr const char* kExportTitle = TrNoop("エクスポート");

void ImportCommand(App& app);
// The image kinds the import reads (.png .jpg .jpeg .bmp .gif), by extension whatever its case.
bool IsImagePath(const std::string& path);
// 画像から問題を作る on the image at `path`: the dialog, then the puzzle it made in the window
// (a picture in image input mode, or for play when larger than a picture file holds). A file
// that is no readable image is told and changes nothing. True when the puzzle is in the window.
bool ImportImageFile(App& app, const std::string& path);
// Opens a puzzle file the readers accept (.xml, .non, .g, and the program's own .gwm and .gwc)
// for play, boards up to 99 x 99, after the unsaved-work question: the one way in for the import
// command and for anything that lists puzzles. A refusal (too large, more than 9 colours, not
// readable) is told and leaves the board as it was, its boxes titled after the way in (`title`, the
// text as written here; it is translated where a box shows it).
// A foreign puzzle plays in its own colours: nothing is asked about them and the colour table and
// the settings file stay as they were. True when the puzzle opened.
bool OpenPuzzleForPlay(App& app, const std::string& path, const char* title = kImportTitle);
// A puzzle given as data rather than as a file (pasted text) opens for play without a file, as a
// new puzzle does, in its own colours. The unsaved-work question is the caller's. True when it
// opened.
bool OpenUnfiledPuzzle(App& app, const PuzzleData& d);
void ExportCommand(App& app);
void NewPuzzleCommand(App& app);

// The text that shows where each colour of the puzzle goes in the colour table: asked before hints
// in number input mode or an image's picture take colours into it (its OK is the consent to change
// the user's colours).
std::string MappingText(const PuzzleData& p, const struct ColorMapping& m);

}  // namespace gw
