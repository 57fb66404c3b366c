#pragma once
// One body for the readers of the foreign formats, shared by their libFuzzer targets and by the
// replay of the committed corpus: a read is refused with a FormatError or gives a puzzle that
// passes every check, and a puzzle a writable format accepted reads back the same after writing.
#include <string>

#include "formats/ForeignFiles.h"
#include "formats/WebpbnXml.h"

namespace gw::fuzz {

inline const char* ForeignFolder(ForeignFormat f) {
  switch (f) {
    case ForeignFormat::Xml: return "xml";
    case ForeignFormat::Non: return "non";
    case ForeignFormat::Olsak: return "g";
    case ForeignFormat::None: break;
  }
  return "";
}

inline std::string CheckForeign(ForeignFormat f, const std::string& bytes) {
  PuzzleData p;
  try {
    p = ParseForeign(f, bytes);
  } catch (const FormatError& e) {
    return std::string(e.what()).empty() ? "a refusal without a message" : "";
  }
  try {
    CheckPuzzle(p);
  } catch (const FormatError& e) {
    return std::string("an accepted puzzle fails the checks: ") + e.what();
  }
  for (ForeignFormat out : {ForeignFormat::Xml, ForeignFormat::Non}) {
    if (out == ForeignFormat::Xml && !WebpbnXmlReadable()) continue;  // a build without XML
    PuzzleData back;
    try {
      back = ParseForeign(out, FormatForeign(out, p));
    } catch (const FormatError& e) {
      return std::string("a written puzzle is refused: ") + e.what();
    }
    if (back.rows != p.rows || back.cols != p.cols || back.solution != p.solution ||
        back.ColorCount() != p.ColorCount())
      return std::string("a written puzzle reads back different (") + ForeignFolder(out) + ")";
  }
  return "";
}

}  // namespace gw::fuzz
