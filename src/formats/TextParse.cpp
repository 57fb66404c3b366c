#include "formats/TextParse.h"

#include <cctype>
#include <cstring>

namespace gw {

std::string Trim(const std::string& s) {
  const char* space = " \t\r\n\f\v";
  size_t a = s.find_first_not_of(space);
  if (a == std::string::npos) return "";
  size_t b = s.find_last_not_of(space);
  return s.substr(a, b - a + 1);
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    char ch = text[i];
    if (ch == '\r' || ch == '\n') {
      lines.push_back(line);
      line.clear();
      if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += ch;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::vector<std::string> SplitAny(const std::string& s, const char* separators) {
  std::vector<std::string> parts;
  size_t i = 0;
  while (i < s.size()) {
    size_t a = s.find_first_not_of(separators, i);
    if (a == std::string::npos) break;
    size_t b = s.find_first_of(separators, a);
    if (b == std::string::npos) b = s.size();
    parts.push_back(s.substr(a, b - a));
    i = b;
  }
  return parts;
}

bool ParseCount(const std::string& s, int& out) {
  if (s.empty() || s.size() > 3) return false;
  int v = 0;
  for (char ch : s) {
    if (ch < '0' || ch > '9') return false;
    v = v * 10 + (ch - '0');
  }
  out = v;
  return true;
}

std::string Unquote(const std::string& s) {
  std::string t = Trim(s);
  if (t.size() >= 2 && t.front() == '"' && t.back() == '"') return t.substr(1, t.size() - 2);
  return t;
}

bool IsPlainName(const std::string& s) {
  if (s.empty() || s.size() > 32) return false;
  for (char ch : s)
    if (!std::isalnum(static_cast<unsigned char>(ch)) && ch != '-' && ch != '_') return false;
  return true;
}

bool StartsWith(const std::string& s, const char* head) { return s.compare(0, std::strlen(head), head) == 0; }

namespace {

// The code point of the UTF-8 sequence at s[i], its length in `used`; -1 when it is not one.
long DecodeAt(const std::string& s, size_t i, size_t& used) {
  unsigned char c = static_cast<unsigned char>(s[i]);
  int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
  used = 1;
  if (extra < 0 || i + extra >= s.size()) return -1;
  long cp = extra == 0 ? c : c & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    unsigned char next = static_cast<unsigned char>(s[i + k]);
    if ((next & 0xC0) != 0x80) return -1;
    cp = (cp << 6) | (next & 0x3F);
  }
  static const long kLeast[] = {0, 0x80, 0x800, 0x10000};
  if (cp < kLeast[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF) || cp == 0xFFFE || cp == 0xFFFF)
    return -1;
  used = extra + 1;
  return cp;
}

}  // namespace

std::string CleanText(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size();) {
    size_t used = 1;
    long cp = DecodeAt(s, i, used);
    if (cp < 0) out += "\xEF\xBF\xBD";
    else if (cp >= 0x20 || cp == '\t') out.append(s, i, used);
    i += used;
  }
  return out;
}

}  // namespace gw
