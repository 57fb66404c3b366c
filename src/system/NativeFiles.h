#pragma once
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace gw {

// The system's own file operations, one implementation per system (NativeFiles_posix.cpp,
// NativeFiles_win.cpp). Names are UTF-8 on every system; on Windows they are turned into UTF-16
// at this boundary, so a name in any script reaches the file system intact. Failures are
// FileError values with the numbers the user is shown.

enum class EntryKind { Missing, File, Folder, Other };
EntryKind KindOf(const std::string& path);

// The bytes of a file (53 when there is none, 75 when it is a folder, 7 when it holds more than
// `limit` bytes: then its size on the disk refuses it, or at most limit + 1 bytes are read).
std::string ReadWholeFile(const std::string& path, std::size_t limit = SIZE_MAX);
// The steps of FileReplacement (FileReplace.h), which replaces files in one step each:
// - A new file in `target`'s folder under a short name of its own starting with "." (the dialogs
//   leave such names out), holding `bytes`, on the disk, with `target`'s permissions when it
//   exists. Its name; nothing is left behind when it fails.
std::string WriteTemporaryBeside(const std::string& target, const std::string& bytes);
// - The file a path leads to through symbolic links (the path itself when it is no link): the
//   one to replace. 75 for a loop of links.
std::string FollowLinks(const std::string& path);
// - Whether two folders are one (a folder reached through a link is the folder it leads to);
//   false when either cannot be looked at.
bool SameFolder(const std::string& a, const std::string& b);
// - The permission error (70) when `target` exists and the user may not write it, or it has no
//   write permission for anyone (even for the superuser): putting a new file in its place would go
//   around its protection. 75 when it is a device or anything else that is neither file nor folder.
void RefuseWriteProtected(const std::string& target);
// - A second name for the existing `target`, so that its content can be put back; empty when none
//   can be made.
std::string SecondName(const std::string& target);
// - `from` renamed to `to`, replacing it in one step: 0, or the error number.
int MoveOver(const std::string& from, const std::string& to);
// - A file removed if it can be, for clearing up after a failure.
void RemoveQuietly(const std::string& path);
// Creates or empties the file and writes `bytes` into it, as a plain write does.
void WriteWholeFile(const std::string& path, const std::string& bytes);
void RemoveFile(const std::string& path);
void MakeFolder(const std::string& path);
// Whether the user may make files in the folder (false for a missing folder, a read-only one or one
// on a read-only disk).
bool FolderWritable(const std::string& folder);

// The names in a folder without "." and ".."; nothing when it cannot be read.
std::optional<std::vector<std::string>> FolderNames(const std::string& folder);

// Today's calendar fields by the local clock.
std::tm LocalTimeNow();

}  // namespace gw
