#pragma once
// The XML puzzle format of the web puzzle collections: <puzzleset><puzzle> with <color>,
// <clues type="rows|columns">, <count color=…> and an optional <solution>.
#include <string>

#include "formats/PuzzleData.h"

namespace gw {

// The first puzzle of the set; throws FormatError.
PuzzleData ReadWebpbnXml(const std::string& text);
// False in a build without the XML library (the Windows cross-build), whose reader refuses every file.
bool WebpbnXmlReadable();
std::string WriteWebpbnXml(const PuzzleData& p);

}  // namespace gw
