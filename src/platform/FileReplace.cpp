#include "platform/FileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/FileError.h"
#include "platform/FileSystem.h"

namespace gw {
namespace {

std::string FolderOf(const std::string& path) {
  size_t slash = path.rfind(kPathSeparator);
  return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

// A fresh empty file with a short hidden name in `folder` (hidden names stay out of the dialogs'
// lists); its descriptor goes to `fd`.
std::string MakeTemporary(const std::string& folder, int& fd) {
  std::string temp = folder + ".gwXXXXXX";
  fd = ::mkstemp(temp.data());
  if (fd < 0) throw FileError(FileErrorFromErrno(errno));
  return temp;
}

// The mode the new file gets: the old file's, or what a new file would get under the umask.
mode_t ModeFor(const std::string& target) {
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) return old.st_mode & 07777;
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool Exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

void WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw FileError(FileErrorFromErrno(errno));
    }
    done += static_cast<size_t>(n);
  }
}

void RefuseWriteProtected(const std::string& target) {
  if (!Exists(target)) return;
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) throw FileError(FileErrorFromErrno(errno));
}

// A second name for the old file, so that it can be put back; empty when the file system has no
// hard links (then that file cannot be put back).
std::string LinkBackup(const std::string& target) {
  int fd = -1;
  std::string backup = MakeTemporary(FolderOf(target), fd);
  ::close(fd);
  ::unlink(backup.c_str());
  return ::link(target.c_str(), backup.c_str()) == 0 ? backup : "";
}

}  // namespace

FileReplacement::~FileReplacement() { RemoveLeftovers(); }

void FileReplacement::RemoveLeftovers() {
  for (Pending& p : pending_) {
    if (!p.temp.empty()) ::unlink(p.temp.c_str());
    if (!p.backup.empty()) ::unlink(p.backup.c_str());
    p.temp.clear();
    p.backup.clear();
  }
}

void FileReplacement::Add(const std::string& path, const std::string& bytes) {
  Pending p;
  p.target = ResolveCase(path);
  RefuseWriteProtected(p.target);
  int fd = -1;
  p.temp = MakeTemporary(FolderOf(p.target), fd);
  try {
    if (::fchmod(fd, ModeFor(p.target)) != 0) throw FileError(FileErrorFromErrno(errno));
    WriteAll(fd, bytes);
    if (::fsync(fd) != 0) throw FileError(FileErrorFromErrno(errno));
  } catch (const FileError&) {
    ::close(fd);
    ::unlink(p.temp.c_str());
    throw;
  }
  int closed = ::close(fd);
  int err = errno;
  pending_.push_back(p);
  if (closed != 0) throw FileError(FileErrorFromErrno(err));
}

void FileReplacement::Commit() {
  for (Pending& p : pending_) {
    p.existed = Exists(p.target);
    if (p.existed) p.backup = LinkBackup(p.target);
  }
  for (size_t i = 0; i < pending_.size(); ++i) {
    if (::rename(pending_[i].temp.c_str(), pending_[i].target.c_str()) != 0) {
      int err = errno;
      RollBack(i);
      RemoveLeftovers();
      throw FileError(FileErrorFromErrno(err));
    }
    pending_[i].temp.clear();
  }
  RemoveLeftovers();
}

// Puts back the old files of the first `replaced` targets; a target that had none is removed.
void FileReplacement::RollBack(size_t replaced) {
  for (size_t i = 0; i < replaced; ++i) {
    Pending& p = pending_[i];
    if (!p.existed) {
      ::unlink(p.target.c_str());
    } else if (::rename(p.backup.c_str(), p.target.c_str()) == 0) {
      p.backup.clear();
    }
  }
}

}  // namespace gw
