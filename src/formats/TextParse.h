#pragma once
// Small pieces of text reading shared by the line-oriented formats.
#include <string>
#include <vector>

namespace gw {

std::string Trim(const std::string& s);
// Lines without their ends (LF, CR LF or CR).
std::vector<std::string> SplitLines(const std::string& text);
// Pieces separated by any run of the given characters.
std::vector<std::string> SplitAny(const std::string& s, const char* separators);
// A run length: decimal digits only, at most 999; false otherwise.
bool ParseCount(const std::string& s, int& out);
// The text between double quotes when quoted, otherwise the trimmed text.
std::string Unquote(const std::string& s);
bool StartsWith(const std::string& s, const char* head);
// A colour name that every format can carry as it is: ASCII letters, digits, '-' and '_'.
bool IsPlainName(const std::string& s);
// A title or an author as one line of valid UTF-8 that XML can hold: bytes that are not UTF-8
// become U+FFFD, control characters (line ends included) go.
std::string CleanText(const std::string& s);

}  // namespace gw
