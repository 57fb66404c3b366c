#pragma once
#include <string>
#include <vector>

#include "system/PathSyntax.h"

namespace gw {

// What the file dialog lists: "drives", folders and files.

// The places a user starts from, root first. On Windows the drive letters ("C:\", "D:\", ...);
// elsewhere the root file system, the home folder and the volumes mounted from devices under
// /media, /run/media and /mnt (USB sticks, extra disks).
std::vector<std::string> ListDrives();
// The drive a folder lies on: the longest drive that contains it (the folder's root at least).
std::string DriveOf(const std::string& folder, const std::vector<std::string>& drives,
                    PathStyle style = kNativePathStyle);

// Names of the visible subfolders of `folder`, sorted ignoring case; empty when it cannot be read.
std::vector<std::string> ListFolders(const std::string& folder);
// Names of the visible files of `folder` matching any of the ";"-separated patterns ("*.gwm;*.gwc"),
// ignoring case, sorted ignoring case.
std::vector<std::string> ListFiles(const std::string& folder, const std::string& patterns);
// `name` matches the wildcard pattern (*, ?, [set], [!set], [a-z]) ignoring the case of ASCII letters.
bool MatchesPattern(const std::string& name, const std::string& pattern);

}  // namespace gw
