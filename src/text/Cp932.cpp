#include "text/Cp932.h"

#include <algorithm>

namespace gw {
namespace {

bool IsAscii(const std::string& s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

// Code page 932 keeps the ASCII range as it is, and most lines of the program's files are ASCII.
std::optional<std::string> DecodeCp932(const std::string& bytes) {
  return IsAscii(bytes) ? bytes : SystemDecodeCp932(bytes);
}

std::optional<std::string> EncodeCp932(const std::string& utf8) {
  return IsAscii(utf8) ? utf8 : SystemEncodeCp932(utf8);
}

}  // namespace gw
