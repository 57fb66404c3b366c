#pragma once
#include <string>
#include <vector>

namespace gw {

// What the file dialog lists: "drives", folders and files.

// The places a user starts from: the root file system, the home folder, and the volumes mounted
// from devices under /media, /run/media and /mnt (USB sticks, extra disks). Root first.
std::vector<std::string> ListDrives();
// The drive a folder lies on: the longest drive that contains it ("/" at least).
std::string DriveOf(const std::string& folder, const std::vector<std::string>& drives);

// Names of the visible subfolders of `folder`, sorted ignoring case; empty when it cannot be read.
std::vector<std::string> ListFolders(const std::string& folder);
// Names of the visible files of `folder` matching any of the ";"-separated patterns ("*.gwm;*.gwc"),
// ignoring case, sorted ignoring case.
std::vector<std::string> ListFiles(const std::string& folder, const std::string& patterns);
// `name` matches the wildcard pattern (*, ?, [set]) ignoring case.
bool MatchesPattern(const std::string& name, const std::string& pattern);

// `path` made absolute against `base` with "." and ".." resolved by their names.
std::string AbsoluteFolder(const std::string& base, const std::string& path);
// The folders from the root down to `folder`, each as its full path: "/", "/home", "/home/u".
std::vector<std::string> FolderChain(const std::string& folder);

}  // namespace gw
