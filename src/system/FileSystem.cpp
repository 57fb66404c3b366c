#include "system/FileSystem.h"

#include "system/FileError.h"
#include "system/NativeFiles.h"

namespace gw {

// ResolveCase, CurrentDirectory and ChangeDirectory are the system's own: NativeFiles_*.cpp.

bool FileExists(const std::string& path) { return KindOf(ResolveCase(path)) == EntryKind::File; }

bool FolderExists(const std::string& path) { return KindOf(path) == EntryKind::Folder; }

void DeleteFile(const std::string& path) {
  std::string real = ResolveCase(path);
  if (KindOf(real) != EntryKind::File) throw FileError(kErrFileNotFound);
  RemoveFile(real);
}

}  // namespace gw
