#include "library/Library.h"

#include <set>

#include "library/PuzzleScan.h"
#include "system/PathSyntax.h"
#include "text/Tr.h"
#include "text/Utf8.h"

namespace gw {
namespace {

// Companion files are named after the puzzle's name up to its first ".", as the puzzle list finds
// them.
bool HasCompanion(const std::set<std::string>& lowerNames, const std::string& name, const char* ext) {
  return lowerNames.count(LowerAscii(name.substr(0, name.find('.'))) + ext) > 0;
}

}  // namespace

PlayState StateOf(const LibraryEntry& e) {
  if (e.completers || e.record.completers > 0 || e.record.timesSolved > 0) return PlayState::Solved;
  if (e.moved || e.progressFile || !e.record.progress.empty() || e.record.seconds > 0) return PlayState::InProgress;
  return PlayState::NotStarted;
}

Library::Library(std::unique_ptr<LibraryStore> store, LibraryPlaces places)
    : store_(std::move(store)), places_(std::move(places)) {
  Guard([&] {
    for (PuzzleFacts& f : store_->LoadIndex()) known_[f.stamp.path] = std::move(f);
    records_ = store_->LoadRecords();
    added_ = store_->Folders();
  });
}

template <typename Work>
void Library::Guard(Work work) {
  try {
    work();
  } catch (const StoreError& e) {
    Tell(e.what());
  } catch (const std::exception& e) {
    Tell(Tr("ライブラリの記録を読み書きできませんでした。") + e.what());
  }
  std::string fresh = store_->TakeFreshStart();
  if (!fresh.empty()) StartAfresh(fresh);
}

// A store that keeps failing is told once, not once for every batch of results.
void Library::Tell(const std::string& problem) {
  if (!storeProblem_.empty() || !told_.insert(problem).second) return;
  storeProblem_ = problem;
}

// The store was set aside while in use: every puzzle listed is read again, and what this run holds
// of the player's (the folders added, the games in hand) goes into the fresh store, where the write
// that found the damage did not put something newer.
void Library::StartAfresh(const std::string& notice) {
  ++freshStarts_;
  storeProblem_ = notice;
  known_.clear();
  std::vector<FileStamp> listed;
  for (const LibraryEntry& e : entries_) listed.push_back(e.facts.stamp);
  worker_.Submit(listed);
  std::map<std::string, PlayRecord> kept = std::move(records_);
  records_.clear();
  try {
    for (const std::string& folder : added_) store_->AddFolder(folder);
    std::map<std::string, PlayRecord> fresh = store_->LoadRecords();
    for (const auto& [path, r] : kept)
      if (!fresh.count(path) && (r.seconds > 0 || !r.progress.empty()))
        store_->SavePlay(path, r.seconds, r.progress, r.lastPlayed);
    records_ = store_->LoadRecords();
  } catch (const StoreError& e) {
    storeProblem_ += std::string("\r") + e.what();
  }
  ApplyRecords();
}

std::string Library::TakeStoreProblem() {
  std::string out;
  out.swap(storeProblem_);
  return out;
}

void Library::ListShelf(const std::string& folder, Shelf shelf, std::vector<LibraryEntry>& out,
                        std::vector<FileStamp>& changed) {
  FolderListing listing = ListFolder(folder);
  for (const FileStamp& stamp : listing.puzzles) {
    LibraryEntry e;
    e.shelf = shelf;
    e.folder = folder;
    e.name = FileNameOf(stamp.path);
    e.completers = HasCompanion(listing.lowerNames, e.name, ".gwb");
    e.progressFile = HasCompanion(listing.lowerNames, e.name, ".gwp");
    auto known = known_.find(stamp.path);
    if (known != known_.end() && known->second.stamp == stamp) {
      e.facts = known->second;
      if (e.facts.Readable() && e.facts.solutions == kNotAnalysed) changed.push_back(stamp);
    } else {
      e.facts.stamp = stamp;
      changed.push_back(stamp);
    }
    out.push_back(std::move(e));
  }
}

void Library::Refresh() {
  std::vector<LibraryEntry> fresh;
  std::vector<FileStamp> changed;
  std::set<std::string> listed;
  auto shelf = [&](const std::string& folder, Shelf s) {
    if (folder.empty() || !listed.insert(folder).second) return;
    ListShelf(folder, s, fresh, changed);
  };
  shelf(places_.home, Shelf::Home);
  for (const std::string& f : added_) shelf(f, Shelf::Added);
  shelf(places_.collection, Shelf::Collection);
  entries_.swap(fresh);
  byPath_.clear();
  for (size_t i = 0; i < entries_.size(); ++i) byPath_[entries_[i].facts.stamp.path] = i;
  // Files gone from a folder listed are forgotten; those of folders not listed now stay cached.
  std::vector<std::string> gone;
  for (const auto& [path, facts] : known_)
    if (!byPath_.count(path) && listed.count(FolderOf(path))) gone.push_back(path);
  for (const std::string& path : gone) known_.erase(path);
  Guard([&] { store_->ForgetFiles(gone); });
  ApplyRecords();
  worker_.Submit(changed);
}

bool Library::Poll() {
  std::vector<PuzzleFacts> done = worker_.TakeDone();
  if (done.empty()) return false;
  for (const PuzzleFacts& f : done) {
    known_[f.stamp.path] = f;
    auto at = byPath_.find(f.stamp.path);
    if (at != byPath_.end()) entries_[at->second].facts = f;
  }
  Guard([&] { store_->SaveFacts(done); });
  return true;
}

void Library::WaitIdle() {
  worker_.WaitIdle();
  Poll();
}

void Library::AddFolder(const std::string& folder) {
  if (folder.empty()) return;
  Guard([&] { store_->AddFolder(folder); });
  for (const std::string& f : added_)
    if (f == folder) return;
  added_.push_back(folder);
}

void Library::ReloadRecords() {
  std::map<std::string, PlayRecord> loaded;
  bool read = false;
  int starts = freshStarts_;
  Guard([&] {
    loaded = store_->LoadRecords();
    read = true;
  });
  // A fresh start has read the records of the fresh store itself.
  if (read && starts == freshStarts_) records_ = std::move(loaded);
  ApplyRecords();
}

void Library::ApplyRecords() {
  for (LibraryEntry& e : entries_) {
    auto r = records_.find(e.facts.stamp.path);
    e.record = r == records_.end() ? PlayRecord{} : r->second;
    e.moved = !movedPath_.empty() && e.facts.stamp.path == movedPath_;
  }
}

bool Library::NoteGameInHand(const std::string& path, bool moved) {
  std::string now = moved ? path : "";
  if (now == movedPath_) return false;
  movedPath_ = now;
  ApplyRecords();
  return true;
}

const LibraryEntry* Library::Find(const std::string& path) const {
  auto at = byPath_.find(path);
  return at == byPath_.end() ? nullptr : &entries_[at->second];
}

}  // namespace gw
