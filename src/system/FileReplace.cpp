#include "system/FileReplace.h"

#include "system/FileError.h"
#include "system/FileSystem.h"
#include "system/NativeFiles.h"
#include "system/PathSyntax.h"
#include "text/Tr.h"

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

LinkLeadsOut::LinkLeadsOut(std::string target)
    : FileError(kErrPathAccess, Fill(Tr("フォルダの外の {1} を指すリンクです。"), {target})), target_(std::move(target)) {}

namespace {

std::string FolderPart(const std::string& path) {
  std::string folder = path.substr(0, NameStart(path));
  return folder.empty() ? "." : folder;
}

// A link whose file lies outside the link's own folder is refused, naming that file.
void RefuseOutOfFolder(const std::string& link, const std::string& target) {
  if (target == link || SameFolder(FolderPart(link), FolderPart(target))) return;
  throw LinkLeadsOut(AbsoluteFolder(CurrentDirectory(), target));
}

}  // namespace

void RefuseLinkOutOfFolder(const std::string& path) {
  std::string link = ResolveCase(path);
  RefuseOutOfFolder(link, FollowLinks(link));
}

void FileReplacement::Add(const std::string& path, const std::string& bytes, LinkRule links) {
  Pending p;
  std::string named = ResolveCase(path);
  p.target = FollowLinks(named);
  if (links == LinkRule::StayInFolder) RefuseOutOfFolder(named, p.target);
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
