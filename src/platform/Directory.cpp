#include "platform/Directory.h"

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/FileSystem.h"
#include "platform/Utf8.h"

namespace gw {
namespace {

bool IsFolder(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool Within(const std::string& folder, const std::string& root) {
  if (root == "/") return true;
  return folder == root || (folder.size() > root.size() && folder.compare(0, root.size(), root) == 0 &&
                            folder[root.size()] == kPathSeparator);
}

// /proc/self/mounts writes blanks and other bytes in names as octal escapes: "\040".
std::string Unescape(const std::string& field) {
  auto octal = [&](size_t i) { return i < field.size() && field[i] >= '0' && field[i] <= '7'; };
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && octal(i + 1) && octal(i + 2) && octal(i + 3)) {
      out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

bool IsUserVolume(const std::string& device, const std::string& mountPoint) {
  if (device.rfind("/dev/", 0) != 0) return false;
  for (const char* place : {"/media/", "/run/media/", "/mnt/"})
    if (mountPoint.rfind(place, 0) == 0) return true;
  return mountPoint == "/mnt";
}

std::vector<std::string> MountedVolumes() {
  std::vector<std::string> volumes;
  std::ifstream mounts("/proc/self/mounts");
  std::string line;
  while (std::getline(mounts, line)) {
    std::istringstream fields(line);
    std::string device, point;
    fields >> device >> point;
    point = Unescape(point);
    if (IsUserVolume(device, point) && IsFolder(point)) volumes.push_back(point);
  }
  std::sort(volumes.begin(), volumes.end());
  volumes.erase(std::unique(volumes.begin(), volumes.end()), volumes.end());
  return volumes;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  std::string la = LowerAscii(a), lb = LowerAscii(b);
  return la != lb ? la < lb : a < b;
}

// Visible entries of a folder that pass `keep`, sorted ignoring case.
template <typename Keep>
std::vector<std::string> ListEntries(const std::string& folder, Keep keep) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return names;
  while (dirent* e = ::readdir(dir)) {
    std::string name = e->d_name;
    if (name.empty() || name[0] == '.') continue;
    std::string full = folder == "/" ? "/" + name : folder + kPathSeparator + name;
    if (keep(name, full)) names.push_back(name);
  }
  ::closedir(dir);
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

}  // namespace

std::vector<std::string> ListDrives() {
  std::vector<std::string> drives{"/"};
  const char* home = std::getenv("HOME");
  if (home && *home == kPathSeparator) {
    std::string h = AbsoluteFolder("/", home);
    if (h != "/" && IsFolder(h)) drives.push_back(h);
  }
  for (const std::string& v : MountedVolumes())
    if (std::find(drives.begin(), drives.end(), v) == drives.end()) drives.push_back(v);
  return drives;
}

std::string DriveOf(const std::string& folder, const std::vector<std::string>& drives) {
  std::string best = "/";
  for (const std::string& d : drives)
    if (Within(folder, d) && d.size() > best.size()) best = d;
  return best;
}

std::vector<std::string> ListFolders(const std::string& folder) {
  return ListEntries(folder, [](const std::string&, const std::string& full) { return IsFolder(full); });
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& patterns) {
  std::vector<std::string> list = SplitPatterns(patterns);
  return ListEntries(folder, [&](const std::string& name, const std::string& full) {
    if (!IsFile(full)) return false;
    return std::any_of(list.begin(), list.end(), [&](const std::string& p) { return MatchesPattern(name, p); });
  });
}

bool MatchesPattern(const std::string& name, const std::string& pattern) {
  return ::fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD) == 0;
}

std::string AbsoluteFolder(const std::string& base, const std::string& path) {
  std::string full = !path.empty() && path[0] == kPathSeparator ? path : base + kPathSeparator + path;
  std::vector<std::string> parts;
  std::istringstream in(full);
  std::string part;
  while (std::getline(in, part, kPathSeparator)) {
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else {
      parts.push_back(part);
    }
  }
  std::string out;
  for (const std::string& p : parts) out += kPathSeparator + p;
  return out.empty() ? "/" : out;
}

std::vector<std::string> FolderChain(const std::string& folder) {
  std::vector<std::string> chain{"/"};
  std::string at;
  std::istringstream in(folder);
  std::string part;
  while (std::getline(in, part, kPathSeparator)) {
    if (part.empty()) continue;
    at += kPathSeparator + part;
    chain.push_back(at);
  }
  return chain;
}

}  // namespace gw
