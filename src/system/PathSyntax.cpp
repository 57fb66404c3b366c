#include "system/PathSyntax.h"

#include "text/Utf8.h"

namespace gw {
namespace {

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The end of the part that starts at `from`: the next separator or the end of the text.
size_t PartEnd(const std::string& path, size_t from, PathStyle style) {
  while (from < path.size() && !IsSeparator(path[from], style)) ++from;
  return from;
}

size_t WindowsRootLength(const std::string& path) {
  const PathStyle w = PathStyle::Windows;
  if (path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':')
    return path.size() > 2 && IsSeparator(path[2], w) ? 3 : 2;
  if (path.size() >= 3 && IsSeparator(path[0], w) && IsSeparator(path[1], w) && !IsSeparator(path[2], w)) {
    // A share: \\server\share\ as a whole is the root, as the system will not go above it.
    size_t server = PartEnd(path, 2, w);
    if (server >= path.size()) return path.size();
    size_t share = PartEnd(path, server + 1, w);
    return share < path.size() ? share + 1 : share;
  }
  return !path.empty() && IsSeparator(path[0], w) ? 1 : 0;
}

// The root written the system's way: separators as "\" (and one at the end), the letter in
// upper case.
std::string CleanRoot(std::string root, PathStyle style) {
  if (style == PathStyle::Posix) return "/";
  for (char& c : root)
    if (c == '/') c = '\\';
  if (root.size() >= 2 && root[1] == ':') root[0] = UpperAscii(root.substr(0, 1))[0];
  if (root.back() != '\\') root += '\\';
  return root;
}

std::vector<std::string> Parts(const std::string& path, size_t from, PathStyle style) {
  std::vector<std::string> parts;
  while (from < path.size()) {
    size_t end = PartEnd(path, from, style);
    if (end > from) parts.push_back(path.substr(from, end - from));
    from = end + 1;
  }
  return parts;
}

}  // namespace

char PreferredSeparator(PathStyle style) { return style == PathStyle::Windows ? '\\' : '/'; }

bool IsSeparator(char c, PathStyle style) { return c == '/' || (style == PathStyle::Windows && c == '\\'); }

size_t RootLength(const std::string& path, PathStyle style) {
  if (style == PathStyle::Windows) return WindowsRootLength(path);
  return !path.empty() && path[0] == '/' ? 1 : 0;
}

size_t NameStart(const std::string& path, PathStyle style) {
  size_t start = RootLength(path, style);
  for (size_t i = start; i < path.size(); ++i)
    if (IsSeparator(path[i], style)) start = i + 1;
  return start;
}

bool SamePath(const std::string& a, const std::string& b, PathStyle style) {
  return style == PathStyle::Windows ? EqualsIgnoringCase(a, b) : a == b;
}

std::string AbsoluteFolder(const std::string& base, const std::string& path, PathStyle style) {
  size_t rootLength = RootLength(path, style);
  std::string root;
  std::string rest;
  if (rootLength == 0) {
    rootLength = RootLength(base, style);
    root = base.substr(0, rootLength);
    rest = base.substr(rootLength) + PreferredSeparator(style) + path;
  } else if (rootLength == 1 && style == PathStyle::Windows) {
    root = base.substr(0, RootLength(base, style));  // "\" is the root of the current drive
    rest = path;
  } else {
    root = path.substr(0, rootLength);
    rest = path.substr(rootLength);
  }
  if (root.empty()) root = std::string(1, PreferredSeparator(style));
  std::vector<std::string> parts;
  for (const std::string& part : Parts(rest, 0, style)) {
    if (part == ".") continue;
    if (part != "..") parts.push_back(part);
    else if (!parts.empty()) parts.pop_back();
  }
  std::string out = CleanRoot(root, style);
  for (size_t i = 0; i < parts.size(); ++i) out += (i ? std::string(1, PreferredSeparator(style)) : "") + parts[i];
  return out;
}

std::vector<std::string> FolderChain(const std::string& folder, PathStyle style) {
  size_t rootLength = RootLength(folder, style);
  std::string at = CleanRoot(rootLength ? folder.substr(0, rootLength) : "/", style);
  std::vector<std::string> chain{at};
  for (const std::string& part : Parts(folder, rootLength, style)) {
    if (IsSeparator(at.back(), style)) at += part;
    else at += PreferredSeparator(style) + part;
    chain.push_back(at);
  }
  return chain;
}

bool Within(const std::string& folder, const std::string& root, PathStyle style) {
  if (root.empty() || folder.size() < root.size()) return false;
  if (!SamePath(folder.substr(0, root.size()), root, style)) return false;
  return folder.size() == root.size() || IsSeparator(root.back(), style) || IsSeparator(folder[root.size()], style);
}

std::string FileNameOf(const std::string& path) {
  size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string& path) {
  size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? "" : path.substr(0, slash);
}

}  // namespace gw
