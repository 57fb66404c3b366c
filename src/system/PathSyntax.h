#pragma once
#include <string>
#include <vector>

namespace gw {

// How a system writes paths. Both sets of rules are plain text work, so each is tested on every
// system; the file operations use the one of the system they run on.
//   Posix:   "/" is the root and the only separator.
//   Windows: a root is a drive ("C:\"), the current drive's root ("\") or a share
//            ("\\server\share\"); "\" and "/" both separate, "\" is written; letters in names
//            match without regard to case, as the file system matches them.
enum class PathStyle { Posix, Windows };

#ifdef _WIN32
inline constexpr PathStyle kNativePathStyle = PathStyle::Windows;
#else
inline constexpr PathStyle kNativePathStyle = PathStyle::Posix;
#endif

char PreferredSeparator(PathStyle style = kNativePathStyle);
bool IsSeparator(char c, PathStyle style = kNativePathStyle);
// Length of the root that starts `path` ("/", "C:\", "C:", "\", "\\server\share\"); 0 when the
// path is relative.
size_t RootLength(const std::string& path, PathStyle style = kNativePathStyle);
// Where the last part of `path` (its file name) starts.
size_t NameStart(const std::string& path, PathStyle style = kNativePathStyle);
// Two paths name the same place as the system compares names (ignoring case on Windows); the
// separators are assumed written alike.
bool SamePath(const std::string& a, const std::string& b, PathStyle style = kNativePathStyle);

// `path` made absolute against `base` (an absolute folder) with "." and ".." resolved by their
// names and the separators written the system's way. A Windows root takes an upper-case drive
// letter; a path that starts at "\" stays on the drive of `base`; "D:name" counts from D:'s root.
std::string AbsoluteFolder(const std::string& base, const std::string& path,
                           PathStyle style = kNativePathStyle);
// The folders from the root down to `folder` (absolute), each as its full path: "/", "/home",
// "/home/u"; "C:\", "C:\Users", "C:\Users\u".
std::vector<std::string> FolderChain(const std::string& folder, PathStyle style = kNativePathStyle);
// The parts of a path as the program's own dialogs and lists write them: after and before the
// last "/" or "\" (either, on every system); a path without one is a bare name in "".
std::string FileNameOf(const std::string& path);
std::string FolderOf(const std::string& path);
// `folder` is `root` or lies below it.
bool Within(const std::string& folder, const std::string& root, PathStyle style = kNativePathStyle);

}  // namespace gw
