#pragma once
#include <string>

namespace gw {

// Text is UTF-8 in memory. Where the program counts characters (field positions, the three
// characters of an extension, padding of list entries) it counts code points, not bytes.
// Text decoded in one place: every byte that starts no well-formed sequence (a file name in
// another encoding, such as the single byte 0xE9) is one character U+FFFD, so that counting,
// cutting and comparing such a name treats the rest of it as it is.
std::u32string ToU32(const std::string& utf8);
// The text with each such byte replaced by U+FFFD: what a name is shown as.
std::string ValidUtf8(const std::string& bytes);
std::string FromU32(const std::u32string& text);
std::string FromCodePoint(char32_t c);
int CharCount(const std::string& utf8);
// Characters start..start+count-1, counted from 1; out-of-range parts are simply absent.
std::string Mid(const std::string& utf8, int start, int count);
std::string Mid(const std::string& utf8, int start);
std::string LeftChars(const std::string& utf8, int count);
std::string RightChars(const std::string& utf8, int count);
std::string LowerAscii(std::string text);
std::string UpperAscii(std::string text);
bool EqualsIgnoringCase(const std::string& a, const std::string& b);

}  // namespace gw
