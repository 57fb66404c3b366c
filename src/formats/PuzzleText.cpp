#include "formats/PuzzleText.h"

#include <cctype>

#include "formats/ForeignFiles.h"
#include "formats/PatternId.h"
#include "formats/PuzzleBridge.h"
#include "formats/PuzzleKinds.h"
#include "formats/TextParse.h"
#include "text/Cp932.h"
#include "system/FileError.h"
#include "text/Utf8.h"
#include "text/Tr.h"

namespace gw {
namespace {

std::string FirstWord(const std::string& line) {
  std::string t = Trim(line);
  size_t end = 0;
  while (end < t.size() && std::isalpha(static_cast<unsigned char>(t[end]))) ++end;
  return LowerAscii(t.substr(0, end));
}

bool IsNon(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    std::string w = FirstWord(line);
    if (w == "width" || w == "height" || w == "rows" || w == "columns") return true;
  }
  return false;
}

// Olšák's files have their sections on lines that begin with a colon.
bool IsOlsak(const std::vector<std::string>& lines) {
  for (const std::string& line : lines)
    if (line.starts_with(":") && (FirstWord(line.substr(1)) == "rows" || FirstWord(line.substr(1)) == "columns"))
      return true;
  return false;
}

// The palette line of the program's own files: nine fields of two characters.
bool IsPaletteLine(const std::string& line) {
  if (line.size() != 18) return false;
  for (char c : line)
    if (c != ' ' && !std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

bool StartsWithNumber(const std::string& line) {
  std::string t = Trim(line);
  return !t.empty() && (std::isdigit(static_cast<unsigned char>(t[0])) || t[0] == '-');
}

// Which of the program's own formats the lines have the shape of, if any: a hint file has its
// palette on line 4, a picture on line 2; a monochrome picture starts with its sizes and a
// monochrome hint file has them after its title.
const PuzzleFileKind* OwnKindOf(const std::vector<std::string>& lines) {
  auto line = [&](size_t i) { return i < lines.size() ? lines[i] : std::string(); };
  if (IsPaletteLine(line(3)) && StartsWithNumber(line(2))) return &FileKind(PuzzleKind::Gwm);
  if (IsPaletteLine(line(1)) && StartsWithNumber(line(0))) return &FileKind(PuzzleKind::Gwk);
  if (StartsWithNumber(line(0))) return &FileKind(PuzzleKind::Gwa);
  if (StartsWithNumber(line(1))) return &FileKind(PuzzleKind::Gwc);
  return nullptr;
}

PuzzleData ParseOwn(const PuzzleFileKind& kind, const std::string& utf8, const Rgb table[32]) {
  std::optional<std::string> bytes = EncodeCp932(utf8);
  if (!bytes) throw FormatError(Tr("シフト JIS（コードページ 932）にない文字があります。"));
  TextReader reader = TextReader::FromBytes(*bytes);
  ParsedPuzzle parsed = kind.parse(reader, PuzzleState{});
  if (!parsed.puzzle) throw FormatError(kRefusedBoardText);
  return kind.picture ? DataFromPicture(*parsed.puzzle, table) : DataFromHints(*parsed.puzzle, table);
}

std::string ExtensionOf(const PuzzleFileKind& kind) { return kind.extensions.front(); }

template <typename Read>
TextPuzzle Attempt(const std::string& format, Read read) {
  TextPuzzle t;
  t.format = format;
  try {
    t.puzzle = read();
  } catch (const FormatError& e) {
    t.why = e.what();
  } catch (const FileError& e) {
    t.why = FileErrorMessage(e);
  }
  return t;
}

}  // namespace

TextPuzzle ReadPuzzleText(const std::string& raw, const Rgb table[32]) {
  // Text that is no UTF-8 may be a file of the program's own, in code page 932.
  std::string text = raw;
  if (ValidUtf8(raw) != raw)
    if (std::optional<std::string> decoded = DecodeCp932(raw)) text = *decoded;
  std::string trimmed = Trim(text);
  if (LooksLikePatternId(trimmed)) return Attempt(Tr("ゲーム ID"), [&] { return ParsePatternId(trimmed); });
  if (trimmed.starts_with("<"))
    return Attempt(".xml", [&] { return ParseForeign(ForeignFormat::Xml, text); });
  std::vector<std::string> lines = SplitLines(text);
  if (IsOlsak(lines)) return Attempt(".g", [&] { return ParseForeign(ForeignFormat::Olsak, text); });
  if (IsNon(lines)) return Attempt(".non", [&] { return ParseForeign(ForeignFormat::Non, text); });
  if (const PuzzleFileKind* own = OwnKindOf(lines))
    return Attempt(ExtensionOf(*own), [&] { return ParseOwn(*own, text, table); });
  return {};
}

}  // namespace gw
