#pragma once
// The library: every puzzle of the player's folder, of the folders the player added and of the
// installed collection, with what the store knows of each. Plain data; the window only shows it.
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "library/AnalysisWorker.h"
#include "library/LibraryStore.h"

namespace gw {

enum class Shelf { Home, Added, Collection };
enum class PlayState { NotStarted, InProgress, Solved };

struct LibraryEntry {
  PuzzleFacts facts;
  Shelf shelf = Shelf::Home;
  std::string folder;
  std::string name;  // the file's name in its folder
  bool completers = false;    // a completer list lies beside it (☆ of the puzzle list)
  bool progressFile = false;  // a progress file lies beside it (◇)
  PlayRecord record;
  bool moved = false;  // the game on the board is this puzzle's and has a move
};

// Solved once anybody completed it (its completer list, or a solve recorded here); else in progress
// when a game is stored (its progress file, or progress or time kept here).
PlayState StateOf(const LibraryEntry& e);

struct LibraryPlaces {
  std::string home;        // the player's puzzle folder
  std::string collection;  // the installed collection; read-only
};

class Library {
 public:
  Library(std::unique_ptr<LibraryStore> store, LibraryPlaces places);

  // Lists every folder again: files new or changed since the store saw them go to the worker,
  // files gone are forgotten. Cheap for files already known (one look at the folder each).
  void Refresh();
  // Takes in what the worker finished and saves it; true when anything changed.
  bool Poll();
  // Waits for the worker, then takes its results in (scripts, tests and benchmarks).
  void WaitIdle();
  int Pending() const { return worker_.Pending(); }
  // The store failed: the message for the player, once.
  std::string TakeStoreProblem();

  void AddFolder(const std::string& folder);
  // Reads the records again (after a game was saved or solved).
  void ReloadRecords();
  // The puzzle on the board ("" for none) and whether its game has a move: in progress from the
  // first move, before anything is saved. True when that changed a row.
  bool NoteGameInHand(const std::string& path, bool moved);

  const std::vector<LibraryEntry>& Entries() const { return entries_; }
  const LibraryEntry* Find(const std::string& path) const;
  LibraryStore& store() { return *store_; }
  const LibraryPlaces& places() const { return places_; }

 private:
  void ListShelf(const std::string& folder, Shelf shelf, std::vector<LibraryEntry>& out,
                 std::vector<FileStamp>& changed);
  void ApplyRecords();
  template <typename Work>
  void Guard(Work work);
  void Tell(const std::string& problem);
  void StartAfresh(const std::string& notice);

  std::unique_ptr<LibraryStore> store_;
  LibraryPlaces places_;
  std::vector<std::string> added_;
  std::map<std::string, PuzzleFacts> known_;  // by path: the store's index as it stands
  std::map<std::string, PlayRecord> records_;
  std::vector<LibraryEntry> entries_;
  std::string movedPath_;
  std::map<std::string, size_t> byPath_;
  AnalysisWorker worker_;
  std::string storeProblem_;
  std::set<std::string> told_;  // the store's problems the player was told of
  int freshStarts_ = 0;         // times the store was set aside while in use
};

}  // namespace gw
