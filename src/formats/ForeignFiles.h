#pragma once
// The foreign puzzle files by extension: .xml, .non (read and written), .g (read only).
#include <string>

#include "formats/PuzzleData.h"

namespace gw {

enum class ForeignFormat { None, Xml, Non, Olsak };

// By the extension, whatever its case, as the table of file kinds (formats/PuzzleKinds.h) has it.
ForeignFormat ForeignFormatOf(const std::string& path);

// Parses the bytes of a file; throws FormatError.
PuzzleData ParseForeign(ForeignFormat f, const std::string& bytes);
std::string FormatForeign(ForeignFormat f, const PuzzleData& p);

// Reads a whole file; FileError when it cannot be read, FormatError when it is refused.
PuzzleData ReadForeignFile(const std::string& path);
// Writes the file in one step (a temporary file put in its place); FileError on failure.
void WriteForeignFile(const std::string& path, const PuzzleData& p);

// Whether the name ends in `ext` (".xml"), in any case.
bool HasExt(const std::string& path, const std::string& ext);

// Replaces a file safely (platform/FileReplace.h); FileError on failure.
void ReplaceFile(const std::string& path, const std::string& bytes);

}  // namespace gw
