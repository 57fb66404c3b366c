#pragma once
#include <memory>
#include <string>

#include "App.h"
#include "system/TextFile.h"
#include "text/Tr.h"
#include "state/PuzzleState.h"

namespace gw {

// The window's caption of a puzzle: the program, the title and the file (none for a puzzle not
// from a file, which in English would leave a space dangling).
std::string TitleCaption(const std::string& appCaption, const std::string& title, const std::string& fileName);

// Why the program will not hold a board: more than 20 cells on a side, or none.
inline constexpr const char* kRefusedBoardText = TrNoop("プレイできる制限を越えています。");

// The program's own files parsed, with nothing shown and nothing in memory changed: the puzzle
// (`base` with what the file holds put in), or none when the board is refused. Malformed content
// throws FileError.
struct ParsedPuzzle {
  std::unique_ptr<PuzzleState> puzzle;
};
ParsedPuzzle ParseHintPuzzle(TextReader& reader, const PuzzleState& base);      // .gwm
ParsedPuzzle ParseMonoHintPuzzle(TextReader& reader, const PuzzleState& base);  // .gwc
ParsedPuzzle ParsePicture(TextReader& reader, const PuzzleState& base);         // .gwk
ParsedPuzzle ParseMonoPicture(TextReader& reader, const PuzzleState& base);     // .gwa

// What a read into the puzzle in memory did: took the file, or refused its board (told to the
// player, nothing changed).
enum class ReadOutcome { Read, Refused };

// The same read into the puzzle in memory. Readers take the full path, refuse a board over 20
// with kRefusedBoardText and throw FileError for anything malformed; a refused or failed read
// leaves the puzzle in memory as it was. LoadRefused traces the outcome.
ReadOutcome ReadHintPuzzle(App& app, const std::string& path);      // .gwm
ReadOutcome ReadMonoHintPuzzle(App& app, const std::string& path);  // .gwc
ReadOutcome ReadPicture(App& app, const std::string& path);         // .gwk
ReadOutcome ReadMonoPicture(App& app, const std::string& path);     // .gwa
// Writers replace the file atomically; they throw FileError.
void WriteHintPuzzle(App& app, const std::string& path);
void WritePicture(App& app, const std::string& path);

// Reads a puzzle or picture by Mode and extension and makes it current (caption, CurFolder,
// CurFileName, CurPath) unless refused. Throws FileError to the calling dialog.
ReadOutcome OpenPuzzleFile(App& app, const std::string& folder, const std::string& name);
// Writes the puzzle (Mode 2) or picture (Mode 3) after the overwrite question; reports its own
// errors with ShowFileError(…, "SaveFile"). A picture is written together with its companion hint
// file NAME.GWM, derived from it (both or neither), and the hints are then derived in place and
// the window redrawn. True when the file(s) were written.
bool SaveFile(App& app, const std::string& folder, const std::string& name);

}  // namespace gw
