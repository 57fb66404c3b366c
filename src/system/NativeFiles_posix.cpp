// The file operations on POSIX systems: names are bytes, and UTF-8 is what they hold.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "system/Directory.h"
#include "system/FileError.h"
#include "system/FileSystem.h"
#include "system/NativeFiles.h"
#include "system/PathSyntax.h"
#include "text/Utf8.h"

namespace gw {
namespace {

bool IsRegular(const std::string& path) { return KindOf(path) == EntryKind::File; }

[[noreturn]] void ThrowErrno(int err) { throw FileError(FileErrorFromErrno(err)); }

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
    if (IsUserVolume(device, point) && KindOf(point) == EntryKind::Folder) volumes.push_back(point);
  }
  std::sort(volumes.begin(), volumes.end());
  volumes.erase(std::unique(volumes.begin(), volumes.end()), volumes.end());
  return volumes;
}

// The permissions a replacing file takes: the old file's, or what a new file would get.
mode_t ModeFor(const std::string& target) {
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) return old.st_mode & 07777;
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

void WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      ThrowErrno(errno);
    }
    done += static_cast<size_t>(n);
  }
}

}  // namespace

EntryKind KindOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return EntryKind::Missing;
  if (S_ISREG(st.st_mode)) return EntryKind::File;
  return S_ISDIR(st.st_mode) ? EntryKind::Folder : EntryKind::Other;
}

std::string ReadWholeFile(const std::string& path, std::size_t limit) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) ThrowErrno(errno);
  if (!S_ISREG(st.st_mode)) throw FileError(kErrPathAccess);
  // The size on the disk refuses a huge file before any of it is read (a sparse file of
  // gigabytes costs nothing to make); the reading loop below also stops one byte past the limit,
  // should the file grow meanwhile.
  if (std::uintmax_t(st.st_size) > limit) throw FileError(kErrTooLarge);
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) ThrowErrno(errno);
  std::string bytes;
  char buf[65536];
  while (bytes.size() <= limit) {
    size_t room = limit - bytes.size();  // one byte more than this shows the file is too large
    ssize_t n = ::read(fd, buf, room >= sizeof buf ? sizeof buf : room + 1);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      throw FileError(kErrPathAccess);
    }
    if (n == 0) break;
    bytes.append(buf, size_t(n));
  }
  ::close(fd);
  if (bytes.size() > limit) throw FileError(kErrTooLarge);
  return bytes;
}

// Short hidden names (".gw" and six characters): a target whose name is near the file system's
// limit can still be saved.
std::string MakeTemporary(const std::string& folder, int& fd) {
  std::string temp = folder + ".gwXXXXXX";
  fd = ::mkstemp(temp.data());
  if (fd < 0) ThrowErrno(errno);
  return temp;
}

std::string WriteTemporaryBeside(const std::string& target, const std::string& bytes) {
  int fd = -1;
  std::string temp = MakeTemporary(target.substr(0, NameStart(target)), fd);
  try {
    if (::fchmod(fd, ModeFor(target)) != 0) ThrowErrno(errno);
    WriteAll(fd, bytes);
    if (::fsync(fd) != 0) ThrowErrno(errno);
  } catch (const FileError&) {
    ::close(fd);
    ::unlink(temp.c_str());
    throw;
  }
  if (::close(fd) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    ThrowErrno(err);
  }
  return temp;
}

void RefuseWriteProtected(const std::string& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) != 0) return;
  // A device such as /dev/full is never replaced: renaming over it would "write" to nothing and
  // report success. (A folder in the way fails when it is renamed over, like any failed step.)
  if (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) throw FileError(kErrPathAccess);
  // The superuser passes every access check, so a file nobody may write is told by its bits.
  if ((st.st_mode & 0222) == 0) throw FileError(kErrPermission);
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) ThrowErrno(errno);
}

// Replacing a symbolic link would put a regular file where the link was and leave the file it
// names untouched; the file it leads to is the one the user means.
std::string FollowLinks(const std::string& path) {
  std::string at = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return at;
    std::string to(4096, '\0');
    ssize_t n = ::readlink(at.c_str(), to.data(), to.size());
    if (n < 0) ThrowErrno(errno);
    to.resize(size_t(n));
    at = to.starts_with('/') ? to : at.substr(0, NameStart(at)) + to;
  }
  throw FileError(kErrPathAccess);  // a loop of links
}

bool SameFolder(const std::string& a, const std::string& b) {
  struct stat sa {}, sb {};
  if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// A hard link; empty on a file system that has none.
std::string SecondName(const std::string& target) {
  int fd = -1;
  std::string backup = MakeTemporary(target.substr(0, NameStart(target)), fd);
  ::close(fd);
  ::unlink(backup.c_str());
  return ::link(target.c_str(), backup.c_str()) == 0 ? backup : "";
}

int MoveOver(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : FileErrorFromErrno(errno);
}

void RemoveQuietly(const std::string& path) { ::unlink(path.c_str()); }

void WriteWholeFile(const std::string& path, const std::string& bytes) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (fd < 0) ThrowErrno(errno);
  try {
    WriteAll(fd, bytes);
  } catch (const FileError&) {
    ::close(fd);
    throw;
  }
  if (::close(fd) != 0) ThrowErrno(errno);
}

void RemoveFile(const std::string& path) {
  if (::unlink(path.c_str()) != 0) ThrowErrno(errno);
}

bool FolderWritable(const std::string& folder) {
  return KindOf(folder) == EntryKind::Folder && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

void MakeFolder(const std::string& path) {
  if (::mkdir(path.c_str(), 0777) != 0) ThrowErrno(errno);
}

std::optional<std::vector<std::string>> FolderNames(const std::string& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return std::nullopt;
  std::vector<std::string> names;
  while (dirent* e = ::readdir(dir)) {
    std::string name = e->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(dir);
  return names;
}

std::tm LocalTimeNow() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

// Names differ by case on these file systems, so the folder is searched for the name ignoring case;
// of several such files the one first in byte order wins, so the choice never depends on the order
// the folder lists them in.
std::string ResolveCase(const std::string& path) {
  if (IsRegular(path)) return path;
  size_t nameStart = NameStart(path);
  std::string name = path.substr(nameStart);
  if (name.empty()) return path;
  std::string folder = nameStart == 0 ? "." : path.substr(0, nameStart == 1 ? 1 : nameStart - 1);
  std::string found;
  for (const std::string& candidate : FolderNames(folder).value_or(std::vector<std::string>{})) {
    if (!EqualsIgnoringCase(candidate, name) || (!found.empty() && candidate >= found)) continue;
    if (IsRegular(path.substr(0, nameStart) + candidate)) found = candidate;
  }
  return found.empty() ? path : path.substr(0, nameStart) + found;
}

std::string CurrentDirectory() {
  std::string buf(4096, '\0');
  if (!::getcwd(buf.data(), buf.size())) return ".";
  buf.resize(std::char_traits<char>::length(buf.c_str()));
  return buf;
}

void ChangeDirectory(const std::string& path) {
  if (::chdir(path.c_str()) != 0) ThrowErrno(errno);
}

// The places a user starts from: the root, the home folder and the volumes mounted from devices
// under /media, /run/media and /mnt (USB sticks, extra disks).
std::vector<std::string> ListDrives() {
  std::vector<std::string> drives{"/"};
  const char* home = std::getenv("HOME");
  if (home && *home == '/') {
    std::string h = AbsoluteFolder("/", home);
    if (h != "/" && KindOf(h) == EntryKind::Folder) drives.push_back(h);
  }
  for (const std::string& v : MountedVolumes())
    if (std::find(drives.begin(), drives.end(), v) == drives.end()) drives.push_back(v);
  return drives;
}

}  // namespace gw
