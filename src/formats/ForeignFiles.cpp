#include "formats/ForeignFiles.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "formats/NonFormat.h"
#include "formats/OlsakFormat.h"
#include "formats/PuzzleKinds.h"
#include "formats/WebpbnXml.h"
#include "system/FileError.h"
#include "system/FileReplace.h"
#include "system/NativeFiles.h"
#include "text/Utf8.h"
#include "text/Tr.h"

namespace gw {
namespace {

// Foreign files are small; anything much bigger is not a puzzle.
constexpr std::size_t kMaxFileBytes = 4 << 20;

}  // namespace

bool HasExt(const std::string& path, const std::string& ext) {
  return path.size() > ext.size() && EqualsIgnoringCase(path.substr(path.size() - ext.size()), ext);
}

ForeignFormat ForeignFormatOf(const std::string& path) {
  const PuzzleFileKind* kind = PuzzleKindOf(path);
  return kind ? kind->foreign : ForeignFormat::None;
}

PuzzleData ParseForeign(ForeignFormat f, const std::string& bytes) {
  switch (f) {
    case ForeignFormat::Xml: return ReadWebpbnXml(bytes);
    case ForeignFormat::Non: return ReadNon(bytes);
    case ForeignFormat::Olsak: return ReadOlsak(bytes);
    case ForeignFormat::None: break;
  }
  throw FormatError(Tr("このファイルの形式は読めません。"));
}

std::string FormatForeign(ForeignFormat f, const PuzzleData& p) {
  if (f == ForeignFormat::Xml) return WriteWebpbnXml(p);
  if (f == ForeignFormat::Non) return WriteNon(p);
  throw FormatError(Tr("この形式では書き出せません。"));
}

// Foreign files go through the same safe replacement as the program's own: a failed write keeps
// the old file, and a write-protected one is refused.
void ReplaceFile(const std::string& path, const std::string& bytes) {
  FileReplacement replacement;
  replacement.Add(path, bytes);
  replacement.Commit();
}

PuzzleData ReadForeignFile(const std::string& path) {
  std::string bytes;
  try {
    bytes = ReadWholeFile(path, kMaxFileBytes);
  } catch (const FileError& e) {
    if (e.number() != kErrTooLarge) throw;
    throw FormatError(Tr("ファイルが大きすぎます（読めるのは 4 MB までです）。"));
  }
  return ParseForeign(ForeignFormatOf(path), bytes);
}

void WriteForeignFile(const std::string& path, const PuzzleData& p) {
  ReplaceFile(path, FormatForeign(ForeignFormatOf(path), p));
}

}  // namespace gw
