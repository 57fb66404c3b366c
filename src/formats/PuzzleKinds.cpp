#include "formats/PuzzleKinds.h"

#include <algorithm>

#include "formats/EngineInput.h"
#include "formats/PuzzleBridge.h"

namespace gw {

const std::vector<PuzzleFileKind>& PuzzleFileKinds() {
  static const std::vector<PuzzleFileKind> kKinds = {
      // kind, extensions, picture, parse, foreign, writable, {title, author, answer, solution}
      {PuzzleKind::Gwm, {".gwm"}, false, ParseHintPuzzle, ForeignFormat::None, true, {true, false, true, false}},
      {PuzzleKind::Gwc, {".gwc"}, false, ParseMonoHintPuzzle, ForeignFormat::None, true, {true, false, false, false}},
      {PuzzleKind::Gwk, {".gwk"}, true, ParsePicture, ForeignFormat::None, true, {false, false, false, true}},
      {PuzzleKind::Gwa, {".gwa"}, true, ParseMonoPicture, ForeignFormat::None, false, {false, false, false, true}},
      {PuzzleKind::Xml, {".xml", ".pbn"}, false, nullptr, ForeignFormat::Xml, true, {true, true, false, true}},
      {PuzzleKind::Non, {".non"}, false, nullptr, ForeignFormat::Non, true, {true, true, false, true}},
      {PuzzleKind::Olsak, {".g"}, false, nullptr, ForeignFormat::Olsak, false, {true, true, false, true}},
  };
  return kKinds;
}

const PuzzleFileKind* PuzzleKindOf(const std::string& path) {
  for (const PuzzleFileKind& k : PuzzleFileKinds())
    if (std::any_of(k.extensions.begin(), k.extensions.end(), [&](const std::string& e) { return HasExt(path, e); }))
      return &k;
  return nullptr;
}

const PuzzleFileKind& FileKind(PuzzleKind kind) {
  return *std::find_if(PuzzleFileKinds().begin(), PuzzleFileKinds().end(),
                       [&](const PuzzleFileKind& k) { return k.kind == kind; });
}

bool IsOwnHintFile(const std::string& path) {
  const PuzzleFileKind* kind = PuzzleKindOf(path);
  return kind && kind->own() && !kind->picture;
}

std::unique_ptr<PuzzleState> ReadOwnPuzzle(const PuzzleFileKind& kind, const std::string& path,
                                           const PuzzleState& base) {
  TextReader reader = TextReader::Open(path);
  ParsedPuzzle parsed = kind.parse(reader, base);
  if (!parsed.puzzle) throw FormatError(kRefusedBoardText);
  parsed.puzzle->Mode = kind.picture ? kModeImage : kModePlay;
  return std::move(parsed.puzzle);
}

namespace {

const PuzzleFileKind& ReadableKind(const std::string& path) {
  const PuzzleFileKind* kind = PuzzleKindOf(path);
  if (!kind) throw FormatError("このファイルの形式は読めません。");
  return *kind;
}

}  // namespace

PuzzleData ReadPuzzleData(const std::string& path, const Rgb table[32], const PuzzleState& base) {
  const PuzzleFileKind& kind = ReadableKind(path);
  if (!kind.own()) return ReadForeignFile(path);
  std::unique_ptr<PuzzleState> p = ReadOwnPuzzle(kind, path, base);
  return kind.picture ? DataFromPicture(*p, table) : DataFromHints(*p, table);
}

analysis::Puzzle ReadEnginePuzzle(const std::string& path) {
  const PuzzleFileKind& kind = ReadableKind(path);
  if (!kind.own()) return EnginePuzzle(ReadForeignFile(path));
  std::unique_ptr<PuzzleState> p = ReadOwnPuzzle(kind, path);
  return kind.picture ? PicturePuzzle(*p) : HintPuzzle(*p);
}

}  // namespace gw
