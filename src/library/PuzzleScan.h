#pragma once
// Finding puzzle files in a folder and reading what the library shows of each, without the window:
// every fault of a file becomes the reason shown beside it, never an exception.
#include <atomic>
#include <set>
#include <string>
#include <vector>

#include "analysis/Analysis.h"
#include "library/PuzzleFacts.h"

namespace gw {

// Files beyond this size are not read: no puzzle of 99 x 99 comes near it.
constexpr long long kMaxPuzzleFileBytes = 4 << 20;
// The engine's budget for one puzzle, as the uniqueness check of the window has.
constexpr double kAnalysisSeconds = 60;

// The extensions the library lists: the hint puzzles the program plays and the foreign formats.
bool IsPuzzleFileName(const std::string& name);

struct FolderListing {
  std::vector<FileStamp> puzzles;  // in name order
  std::set<std::string> lowerNames;  // every file's name in lower case, for the companions
  bool readable = true;
};
// The puzzle files of `folder` itself (not of its subfolders).
FolderListing ListFolder(const std::string& folder);

// Reads the file's title, author, size and colours; `puzzle` receives the hints as the engine
// takes them (left empty when the file cannot be read or has more colours than the engine takes).
PuzzleFacts ReadFacts(const FileStamp& stamp, analysis::Puzzle& puzzle);
// The engine's verdict: solutions, rating and the unique solution's cells. A cancelled analysis
// leaves the facts not analysed.
void AnalyseFacts(PuzzleFacts& facts, const analysis::Puzzle& puzzle, const std::atomic<bool>* cancel);

}  // namespace gw
