#pragma once
#include <optional>
#include <string>

namespace gw {

// Code page 932 as the Windows table has it (glibc iconv "CP932"), strictly: a byte sequence that
// does not decode, or a lead byte cut off at the end, gives nothing, and so does a character the
// code page cannot hold.
std::optional<std::string> DecodeCp932(const std::string& bytes);
std::optional<std::string> EncodeCp932(const std::string& utf8);

}  // namespace gw
