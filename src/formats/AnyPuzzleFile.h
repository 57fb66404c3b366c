#pragma once
// Any puzzle file by its extension, the program's own (.gwm, .gwc, .gwk, .gwa) and the foreign
// ones, as plain data: what conversion between them goes through.
#include <string>
#include <vector>

#include "App.h"
#include "formats/PuzzleData.h"

namespace gw {

// Reads the file; the program's own formats through their readers (into app.puzzle, with the
// colours of app.colors). FileError or FormatError when it cannot be read or is refused.
PuzzleData ReadAnyPuzzle(App& app, const std::string& path);

// Writes the puzzle in the format the extension names. A target that cannot hold it (more than
// 20 x 20 or 9 colours for the program's own formats, colours in a .gwc, a picture without a
// solution the engine can find) is refused with a FormatError before anything is written.
// The program's formats map the colours onto the table as it is, filling no user-made slot.
void WriteAnyPuzzle(App& app, PuzzleData p, const std::string& path);

// The fields of the puzzle (タイトル, 作者, 答, 答えの絵) the format `path` names has no place for,
// in that order: a conversion keeps everything else.
std::vector<std::string> FieldsNotHeld(const PuzzleData& p, const std::string& path);

}  // namespace gw
