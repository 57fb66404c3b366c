#pragma once
#include <string>
#include <vector>

#include "system/FileError.h"

namespace gw {

// What a symbolic link in a target's place is taken for. A name the user chose leads wherever its
// link leads; a file the program names itself beside a puzzle (its saved game, its list of
// completers) is written only in the puzzle's folder, as a link planted there (an archive of
// puzzles may hold one) would otherwise make the save replace a file nobody chose.
enum class LinkRule { Follow, StayInFolder };

// A save refused because its target is a link that leads out of its folder; its text names the
// file the link leads to.
class LinkLeadsOut : public FileError {
 public:
  explicit LinkLeadsOut(std::string target);
  const std::string& target() const { return target_; }

 private:
  std::string target_;
};

// Throws LinkLeadsOut when `path` (its name matched without regard to case) is a symbolic link to
// a file outside the folder `path` is in. Throws FileError for a loop of links.
void RefuseLinkOutOfFolder(const std::string& path);

// Replaces one or more files as one step: every new content is first written to a temporary file
// beside its target, and only when all of them are on disk are the targets replaced. When a
// replacement fails, the targets already replaced get their old content back, so either all the
// files change or none does. Temporaries left by a failure are removed when the object goes.
//
// The temporary names are short (".gw" and six characters), so a target whose name is near the
// file system's limit can still be saved. An existing target the user may not write is refused
// with the permission error before anything is written: renaming over it would ignore its mode.
class FileReplacement {
 public:
  FileReplacement() = default;
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;
  ~FileReplacement();

  // Writes `bytes` to a temporary file for `path` (an existing file of the same name in another
  // case is the one replaced). Throws FileError (LinkLeadsOut under LinkRule::StayInFolder).
  void Add(const std::string& path, const std::string& bytes, LinkRule links = LinkRule::Follow);
  // Replaces every target. Throws FileError; then no target has changed.
  void Commit();

 private:
  struct Pending {
    std::string target;
    std::string temp;
    bool existed = false;
    std::string backup;  // a second name of the old file while the targets are replaced
  };
  void RollBack(size_t replaced);
  void RemoveLeftovers();

  std::vector<Pending> pending_;
};

}  // namespace gw
