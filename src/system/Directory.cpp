#include "system/Directory.h"

#include <algorithm>

#include "system/FileSystem.h"
#include "system/NativeFiles.h"
#include "text/Utf8.h"

namespace gw {
namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  std::string la = LowerAscii(a), lb = LowerAscii(b);
  return la != lb ? la < lb : a < b;
}

// Visible entries of a folder of the kind asked for that pass `keep`, sorted ignoring case.
template <typename Keep>
std::vector<std::string> ListEntries(const std::string& folder, EntryKind kind, Keep keep) {
  std::vector<std::string> names;
  std::string prefix = folder.empty() || IsSeparator(folder.back()) ? folder : folder + kPathSeparator;
  for (const std::string& name : FolderNames(folder).value_or(std::vector<std::string>{})) {
    if (name.empty() || name[0] == '.') continue;
    if (keep(name) && KindOf(prefix + name) == kind) names.push_back(name);
  }
  std::sort(names.begin(), names.end(), LessIgnoringCase);
  return names;
}

std::vector<std::string> SplitPatterns(const std::string& patterns) {
  std::vector<std::string> list;
  size_t start = 0;
  while (start <= patterns.size()) {
    size_t end = patterns.find(';', start);
    if (end == std::string::npos) end = patterns.size();
    std::string p = patterns.substr(start, end - start);
    p.erase(0, p.find_first_not_of(' '));
    p.erase(p.find_last_not_of(' ') + 1);
    if (!p.empty()) list.push_back(p);
    start = end + 1;
  }
  return list;
}

char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// A bracket expression at pattern[at] ("[" already seen at at-1): whether `c` is in the set, and
// where the pattern goes on after it. A "[" without its "]" is an ordinary character.
bool InSet(const std::string& pattern, size_t& at, char c, bool& wellFormed) {
  size_t i = at;
  bool negate = i < pattern.size() && (pattern[i] == '!' || pattern[i] == '^');
  if (negate) ++i;
  bool found = false;
  size_t first = i;
  for (; i < pattern.size() && (pattern[i] != ']' || i == first); ++i) {
    char low = Fold(pattern[i]);
    char high = low;
    if (i + 2 < pattern.size() && pattern[i + 1] == '-' && pattern[i + 2] != ']') {
      high = Fold(pattern[i + 2]);
      i += 2;
    }
    if (low <= Fold(c) && Fold(c) <= high) found = true;
  }
  wellFormed = i < pattern.size();
  if (wellFormed) at = i + 1;
  return found != negate;
}

bool Matches(const std::string& name, size_t n, const std::string& pattern, size_t p) {
  while (p < pattern.size()) {
    char pc = pattern[p];
    if (pc == '*') {
      while (p < pattern.size() && pattern[p] == '*') ++p;
      for (size_t k = n; k <= name.size(); ++k)
        if (Matches(name, k, pattern, p)) return true;
      return false;
    }
    if (n >= name.size()) return false;
    if (pc == '[') {
      size_t after = p + 1;
      bool wellFormed = false;
      bool in = InSet(pattern, after, name[n], wellFormed);
      if (wellFormed) {
        if (!in) return false;
        p = after;
        ++n;
        continue;
      }
    }
    if (pc != '?' && Fold(pc) != Fold(name[n])) return false;
    ++p;
    ++n;
    // "?" takes a whole character: the continuation bytes of a UTF-8 sequence go with it.
    while (pc == '?' && n < name.size() && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80) ++n;
  }
  return n == name.size();
}

}  // namespace

std::string DriveOf(const std::string& folder, const std::vector<std::string>& drives, PathStyle style) {
  std::string best = FolderChain(folder, style).front();
  for (const std::string& d : drives)
    if (Within(folder, d, style) && d.size() > best.size()) best = d;
  // On Windows the drive list spells the root as the system lists it.
  for (const std::string& d : drives)
    if (SamePath(d, best, style)) return d;
  return best;
}

std::vector<std::string> ListFolders(const std::string& folder) {
  return ListEntries(folder, EntryKind::Folder, [](const std::string&) { return true; });
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& patterns) {
  std::vector<std::string> list = SplitPatterns(patterns);
  return ListEntries(folder, EntryKind::File, [&](const std::string& name) {
    return std::any_of(list.begin(), list.end(), [&](const std::string& p) { return MatchesPattern(name, p); });
  });
}

// Names are UTF-8: "?" stands for one character of a name, a set for one ASCII character.
bool MatchesPattern(const std::string& name, const std::string& pattern) { return Matches(name, 0, pattern, 0); }

}  // namespace gw
