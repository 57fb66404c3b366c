#pragma once
// Every puzzle file the program reads or writes, by extension: the one table that open, import,
// export and every gwtool command choose a reader or a writer from.
#include <memory>
#include <string>
#include <vector>

#include "analysis/Analysis.h"
#include "formats/ForeignFiles.h"
#include "formats/PuzzleData.h"
#include "state/PuzzleFiles.h"
#include "state/PuzzleState.h"

namespace gw {

enum class PuzzleKind { Gwm, Gwc, Gwk, Gwa, Xml, Non, Olsak };

// Which fields beyond the board a kind of file keeps: what a conversion into it loses.
struct HeldFields {
  bool title, author, answer, solution;
};

struct PuzzleFileKind {
  PuzzleKind kind;
  std::vector<std::string> extensions;  // lower case, the dot included
  bool picture = false;                 // holds a picture, whose hints are derived from it
  // The program's own kinds: the pure parse of the file. Null for the foreign ones.
  ParsedPuzzle (*parse)(TextReader&, const PuzzleState&) = nullptr;
  ForeignFormat foreign = ForeignFormat::None;
  bool writable = false;
  HeldFields holds{};

  bool own() const { return parse != nullptr; }
};

const std::vector<PuzzleFileKind>& PuzzleFileKinds();
// The kind the name's extension names, whatever its case; null when there is none.
const PuzzleFileKind* PuzzleKindOf(const std::string& path);
const PuzzleFileKind& FileKind(PuzzleKind kind);
// Whether the name is one of the program's own hint files (.gwm, .gwc): a game played from one
// has its saved game and its answer text beside it.
bool IsOwnHintFile(const std::string& path);

// The program's own file read without a window, over `base`: the board, or FormatError with
// kRefusedBoardText when it is refused; FileError when the file cannot be read or is malformed.
std::unique_ptr<PuzzleState> ReadOwnPuzzle(const PuzzleFileKind& kind, const std::string& path,
                                           const PuzzleState& base = PuzzleState{});
// Any puzzle file as plain data, the program's own with the colours their palette takes from
// `table`. FormatError for a kind there is no reader for.
PuzzleData ReadPuzzleData(const std::string& path, const Rgb table[32], const PuzzleState& base = PuzzleState{});
// Any puzzle file as the engine's input: the hints, or the hints a picture gives.
analysis::Puzzle ReadEnginePuzzle(const std::string& path);

}  // namespace gw
