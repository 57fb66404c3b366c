#pragma once
#include <string>

namespace gw {

// File names are matched without regard to case, as the program's files are named on systems
// that ignore it: asking for cat.gwp finds cat.GWP. Only the file-name part is matched so.

// The path of an existing file whose name equals the last part of `path` ignoring case (the exact
// name first), or `path` itself when there is none.
std::string ResolveCase(const std::string& path);
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// Throws FileError when the file cannot be deleted (53 when there is none).
void DeleteFile(const std::string& path);

std::string CurrentDirectory();
// Throws FileError when the folder cannot be made current.
void ChangeDirectory(const std::string& path);

// The platform's folder separator.
constexpr char kPathSeparator = '/';

}  // namespace gw
