#pragma once
#include <optional>
#include <string>

namespace gw {

// Code page 932 as the Windows table has it, strictly: a byte sequence that does not decode, or a
// lead byte cut off at the end, gives nothing, and so does a character the code page cannot hold.
std::optional<std::string> DecodeCp932(const std::string& bytes);
std::optional<std::string> EncodeCp932(const std::string& utf8);

// The system's converter behind the two, with the same strictness: glibc's iconv "CP932"
// (Cp932_posix.cpp) or the Windows API's code page 932 (Cp932_win.cpp).
std::optional<std::string> SystemDecodeCp932(const std::string& bytes);
std::optional<std::string> SystemEncodeCp932(const std::string& utf8);

}  // namespace gw
