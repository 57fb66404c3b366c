#include "system/TextFile.h"

#include <cctype>
#include <cmath>
#include <limits>

#include "system/Convert.h"
#include "text/Cp932.h"
#include "system/FileError.h"
#include "system/FileReplace.h"
#include "system/FileSystem.h"
#include "system/NativeFiles.h"

namespace gw {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// A whole number token: optional sign, digits, optional decimal part.
bool ParseNumber(const std::string& token, double& value) {
  size_t i = 0;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
  size_t digits = 0;
  while (i < token.size() && std::isdigit(static_cast<unsigned char>(token[i]))) ++i, ++digits;
  if (i < token.size() && token[i] == '.') {
    ++i;
    while (i < token.size() && std::isdigit(static_cast<unsigned char>(token[i]))) ++i, ++digits;
  }
  if (digits == 0 || i != token.size()) return false;
  value = std::strtod(token.c_str(), nullptr);
  return std::isfinite(value);
}

template <typename Int>
Int RoundInto(double value, int line) {
  long long r = RoundHalfEven(value);
  if (r < std::numeric_limits<Int>::min() || r > std::numeric_limits<Int>::max())
    throw FileError(kErrOverflow, line);
  return static_cast<Int>(r);
}

}  // namespace

TextReader TextReader::Open(const std::string& path) {
  return TextReader(ReadWholeFile(ResolveCase(path), kMaxOwnFileBytes));
}

TextReader TextReader::FromBytes(std::string bytes) { return TextReader(std::move(bytes)); }

std::string TextReader::Decode(const std::string& raw, int line) const {
  auto text = DecodeCp932(raw);
  if (!text) throw FileError(kErrTypeMismatch, line);
  return *text;
}

bool TextReader::AtLineEnd() const { return AtEnd() || IsLineEnd(bytes_[pos_]); }

void TextReader::ConsumeLineEnd() {
  if (AtEnd()) return;
  if (bytes_[pos_] == '\r') {
    ++pos_;
    if (!AtEnd() && bytes_[pos_] == '\n') ++pos_;
  } else if (bytes_[pos_] == '\n') {
    ++pos_;
  } else {
    return;
  }
  ++line_;
}

void TextReader::SkipBlanks() {
  while (!AtEnd() && IsBlank(bytes_[pos_])) ++pos_;
}

std::string TextReader::ReadLine() {
  if (AtEnd()) throw FileError(kErrPastEnd, line_);
  int line = line_;
  size_t start = pos_;
  while (!AtLineEnd()) ++pos_;
  std::string raw = bytes_.substr(start, pos_ - start);
  ConsumeLineEnd();
  return Decode(raw, line);
}

std::string TextReader::ReadField() {
  if (AtEnd()) throw FileError(kErrPastEnd, line_);
  int line = line_;
  SkipBlanks();
  size_t start = pos_;
  while (!AtLineEnd() && bytes_[pos_] != ',') ++pos_;
  std::string raw = bytes_.substr(start, pos_ - start);
  if (!AtEnd() && bytes_[pos_] == ',') ++pos_;
  else ConsumeLineEnd();
  return Decode(raw, line);
}

double TextReader::ReadNumber() {
  while (!AtEnd() && (IsBlank(bytes_[pos_]) || bytes_[pos_] == ',' || IsLineEnd(bytes_[pos_]))) {
    if (IsLineEnd(bytes_[pos_])) ConsumeLineEnd();
    else ++pos_;
  }
  if (AtEnd()) throw FileError(kErrPastEnd, line_);
  int line = line_;
  size_t start = pos_;
  while (!AtLineEnd() && !IsBlank(bytes_[pos_]) && bytes_[pos_] != ',') ++pos_;
  std::string token = bytes_.substr(start, pos_ - start);
  SkipBlanks();
  if (!AtEnd() && bytes_[pos_] == ',') ++pos_;
  else ConsumeLineEnd();
  double value = 0;
  if (!ParseNumber(token, value)) throw FileError(kErrTypeMismatch, line);
  return value;
}

std::int16_t TextReader::ReadInt16() {
  int line = line_;
  return RoundInto<std::int16_t>(ReadNumber(), line);
}

std::int32_t TextReader::ReadInt32() {
  int line = line_;
  return RoundInto<std::int32_t>(ReadNumber(), line);
}

void TextWriter::WriteLine(const std::string& text) {
  ++lines_;
  auto bytes = EncodeCp932(text);
  if (!bytes) throw FileError(kErrTypeMismatch, lines_);
  bytes_ += *bytes;
  bytes_ += "\r\n";
}

void TextWriter::WriteNumber(long long value) { WriteLine(NumText(value) + " "); }

void TextWriter::Commit() {
  FileReplacement replacement;
  replacement.Add(path_, bytes_, links_);
  replacement.Commit();
}

}  // namespace gw
