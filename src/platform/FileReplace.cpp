#include "platform/FileReplace.h"

#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/NativeFiles.h"

// The steps that touch the disk are the system's own (NativeFiles_*.cpp); the order of them, which
// makes the set of files change together or not at all, is the same everywhere.
namespace gw {

FileReplacement::~FileReplacement() { RemoveLeftovers(); }

void FileReplacement::RemoveLeftovers() {
  for (Pending& p : pending_) {
    if (!p.temp.empty()) RemoveQuietly(p.temp);
    if (!p.backup.empty()) RemoveQuietly(p.backup);
    p.temp.clear();
    p.backup.clear();
  }
}

void FileReplacement::Add(const std::string& path, const std::string& bytes) {
  Pending p;
  p.target = FollowLinks(ResolveCase(path));
  RefuseWriteProtected(p.target);
  p.temp = WriteTemporaryBeside(p.target, bytes);
  pending_.push_back(p);
}

void FileReplacement::Commit() {
  for (Pending& p : pending_) {
    p.existed = KindOf(p.target) != EntryKind::Missing;
    if (p.existed) p.backup = SecondName(p.target);
  }
  for (size_t i = 0; i < pending_.size(); ++i) {
    if (int err = MoveOver(pending_[i].temp, pending_[i].target)) {
      RollBack(i);
      RemoveLeftovers();
      throw FileError(err);
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
      RemoveQuietly(p.target);
    } else if (!p.backup.empty() && MoveOver(p.backup, p.target) == 0) {
      p.backup.clear();
    }
  }
}

}  // namespace gw
