#include "text/Utf8.h"

#include <algorithm>

namespace gw {

namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The code point of the well-formed sequence at `i` and its length, or a length of 0 when the
// bytes there are not one: a stray or cut-off lead byte, a missing continuation byte, an overlong
// form, a surrogate or a value beyond U+10FFFF.
int DecodeAt(const std::string& utf8, size_t i, char32_t& cp) {
  unsigned char c = static_cast<unsigned char>(utf8[i]);
  int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
  if (extra < 0 || i + extra >= utf8.size()) return 0;
  cp = extra == 0 ? c : c & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    unsigned char next = static_cast<unsigned char>(utf8[i + k]);
    if (!IsContinuation(next)) return 0;
    cp = (cp << 6) | (next & 0x3F);
  }
  static const char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
  if (cp < kLeast[extra] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return 0;
  return extra + 1;
}

}  // namespace

std::u32string ToU32(const std::string& utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    char32_t cp = 0;
    int length = DecodeAt(utf8, i, cp);
    // A byte that starts no well-formed sequence counts as one character of its own, so that the
    // characters after it (a file's extension) are read as they are.
    out.push_back(length == 0 ? 0xFFFD : cp);
    i += length == 0 ? 1 : length;
  }
  return out;
}

std::string ValidUtf8(const std::string& bytes) { return FromU32(ToU32(bytes)); }

std::string FromCodePoint(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

std::string FromU32(const std::u32string& text) {
  std::string out;
  for (char32_t c : text) out += FromCodePoint(c);
  return out;
}

int CharCount(const std::string& utf8) { return static_cast<int>(ToU32(utf8).size()); }

std::string Mid(const std::string& utf8, int start, int count) {
  std::u32string u = ToU32(utf8);
  if (start < 1) {
    count += start - 1;
    start = 1;
  }
  if (count <= 0 || start > static_cast<int>(u.size())) return "";
  return FromU32(u.substr(start - 1, count));
}

std::string Mid(const std::string& utf8, int start) { return Mid(utf8, start, 1 << 30); }

std::string LeftChars(const std::string& utf8, int count) { return Mid(utf8, 1, count); }

std::string RightChars(const std::string& utf8, int count) {
  std::u32string u = ToU32(utf8);
  if (count <= 0) return "";
  if (count >= static_cast<int>(u.size())) return utf8;
  return FromU32(u.substr(u.size() - count));
}

std::string LowerAscii(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return text;
}

std::string UpperAscii(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
  return text;
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
  return LowerAscii(a) == LowerAscii(b);
}

}  // namespace gw
