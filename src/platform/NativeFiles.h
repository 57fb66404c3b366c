#pragma once
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

// The bytes of a file (53 when there is none, 75 when it is a folder).
std::string ReadWholeFile(const std::string& path);
// Writes `bytes` to a new file beside `target`, forces it to the disk and puts it in place of
// `target` in one step: a failure at any point leaves the old file as it was. A replaced file
// keeps its permissions.
void ReplaceFileContents(const std::string& target, const std::string& bytes);
// Creates or empties the file and writes `bytes` into it, as a plain write does.
void WriteWholeFile(const std::string& path, const std::string& bytes);
void RemoveFile(const std::string& path);
void MakeFolder(const std::string& path);

// The names in a folder without "." and ".."; nothing when it cannot be read.
std::optional<std::vector<std::string>> FolderNames(const std::string& folder);

// Today's calendar fields by the local clock.
std::tm LocalTimeNow();

}  // namespace gw
