#pragma once
#include <string>

#include "system/PathSyntax.h"

namespace gw {

// File names are matched without regard to case, as the program's files are named on systems
// that ignore it: asking for cat.gwp finds cat.GWP. Only the file-name part is matched so. On
// Windows the file system does that itself; elsewhere the folder is searched.

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

// The separator the platform writes between folders ("/", or "\\" on Windows, which reads "/" too).
constexpr char kPathSeparator = kNativePathStyle == PathStyle::Windows ? '\\' : '/';

}  // namespace gw
