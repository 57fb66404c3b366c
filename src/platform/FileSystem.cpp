#include "platform/FileSystem.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/FileError.h"
#include "platform/Utf8.h"

namespace gw {
namespace {

bool IsRegular(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

std::string ResolveCase(const std::string& path) {
  if (IsRegular(path)) return path;
  size_t slash = path.rfind(kPathSeparator);
  std::string folder = slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.empty()) return path;
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return path;
  std::string found;
  while (dirent* e = ::readdir(dir)) {
    std::string candidate = e->d_name;
    if (EqualsIgnoringCase(candidate, name)) {
      std::string full = slash == std::string::npos ? candidate : path.substr(0, slash + 1) + candidate;
      if (IsRegular(full) && (found.empty() || candidate < found.substr(found.rfind(kPathSeparator) + 1)))
        found = full;
    }
  }
  ::closedir(dir);
  return found.empty() ? path : found;
}

bool FileExists(const std::string& path) { return IsRegular(ResolveCase(path)); }

bool FolderExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void DeleteFile(const std::string& path) {
  std::string real = ResolveCase(path);
  if (!IsRegular(real)) throw FileError(kErrFileNotFound);
  if (::unlink(real.c_str()) != 0) throw FileError(FileErrorFromErrno(errno));
}

std::string CurrentDirectory() {
  std::string buf(4096, '\0');
  if (!::getcwd(buf.data(), buf.size())) return ".";
  buf.resize(std::char_traits<char>::length(buf.c_str()));
  return buf;
}

void ChangeDirectory(const std::string& path) {
  if (::chdir(path.c_str()) != 0) throw FileError(FileErrorFromErrno(errno));
}

}  // namespace gw
