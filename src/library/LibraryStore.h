#pragma once
// The per-user store of the library: the index of puzzle files with the engine's verdicts, the
// play records and the folders the player added. The puzzle files stay the source of truth; the
// index is a cache that can always be built again from them.
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "library/PuzzleFacts.h"

namespace gw {

// A store that could not be read or written; the message is for the player.
class StoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class LibraryStore {
 public:
  virtual ~LibraryStore() = default;

  virtual std::vector<PuzzleFacts> LoadIndex() = 0;
  // Adds or replaces the facts of these files, all in one transaction.
  virtual void SaveFacts(const std::vector<PuzzleFacts>& facts) = 0;
  virtual void ForgetFiles(const std::vector<std::string>& paths) = 0;

  virtual std::map<std::string, PlayRecord> LoadRecords() = 0;
  // The game in hand: its time and (when the folder cannot hold a progress file) its progress.
  virtual void SavePlay(const std::string& path, double seconds, const std::string& progress,
                        const std::string& date) = 0;
  // A completed judgement: one more solve, with its time and date; the game in hand is over.
  virtual void AddSolve(const std::string& path, double seconds, const std::string& date) = 0;

  // The completer list of a puzzle whose own folder may not hold one (the installed collection, a
  // folder the player cannot write): entries as a .gwb holds them, newest first, at most 10.
  virtual std::vector<std::string> Completers(const std::string& path) = 0;
  virtual void AddCompleter(const std::string& path, const std::string& entry) = 0;

  virtual std::vector<std::string> Folders() = 0;
  virtual void AddFolder(const std::string& folder) = 0;

  // The store was found damaged while in use (another program rewrote it) and started afresh,
  // its file set aside: the message for the player, once; empty otherwise. What the damaged store
  // held is not here any more, so the index is to be built again from the puzzle files.
  virtual std::string TakeFreshStart() { return ""; }
};

struct OpenedStore {
  std::unique_ptr<LibraryStore> store;  // null when this build has no store
  // For the player: the store was damaged and set aside, or could not be opened (then `store`
  // keeps everything in memory for this run only).
  std::string notice;
};

// Opens (or makes) the store in `file`. A damaged file, or one whose tables are not this program's,
// is renamed aside (FILE.damaged, then FILE.damaged2, ...) and a fresh store made in its place; the
// same happens when the store is found damaged later on. No method of the store lets a damaged
// file through as anything but a StoreError.
OpenedStore OpenLibraryStore(const std::string& file);
// Whether this build keeps a library at all.
bool LibraryAvailable();

}  // namespace gw
