#include "library/PuzzleScan.h"

#include <algorithm>
#include <filesystem>

#include "App.h"
#include "display/BoardLayout.h"
#include "formats/EngineInput.h"
#include "formats/PuzzleKinds.h"
#include "formats/ForeignFiles.h"
#include "library/PathText.h"
#include "system/FileError.h"
#include "text/Utf8.h"

namespace gw {
namespace fs = std::filesystem;

namespace {

long long StampTime(const fs::directory_entry& e, std::error_code& ec) {
  return static_cast<long long>(e.last_write_time(ec).time_since_epoch().count());
}

// The file as plain data, its colours from a fresh colour table: the reads are pure parses, so
// the puzzle in the window is never touched (and this may run on any thread).
PuzzleData ReadScannedPuzzle(const std::string& path) {
  static const Colors kFreshColors;
  return ReadPuzzleData(path, kFreshColors.ColorTable);
}

Rating RatingOf(analysis::Difficulty d) {
  switch (d) {
    case analysis::Difficulty::kLine: return Rating::Line;
    case analysis::Difficulty::kProbe: return Rating::Probe;
    case analysis::Difficulty::kSearch: return Rating::Search;
    default: return Rating::None;
  }
}

void TakeData(const PuzzleData& d, PuzzleFacts& f, analysis::Puzzle& puzzle) {
  f.title = d.title;
  f.author = d.author;
  f.width = d.width;
  f.height = d.height;
  for (int k = 1; k <= d.ColorCount(); ++k) f.palette.push_back(d.colors[k].rgb);
  if (d.ColorCount() <= analysis::kMaxColors) puzzle = EnginePuzzle(d);
  else f.solutions = analysis::kUnknown;
}

}  // namespace

bool IsPuzzleFileName(const std::string& name) {
  // Pictures are drawn, not played.
  const PuzzleFileKind* kind = PuzzleKindOf(name);
  return kind && !kind->picture;
}

FolderListing ListFolder(const std::string& folder) {
  FolderListing out;
  std::error_code ec;
  fs::directory_iterator it(PathOf(folder), ec), end;
  if (ec) {
    out.readable = false;
    return out;
  }
  for (; it != end; it.increment(ec)) {
    if (ec) break;
    const fs::directory_entry& e = *it;
    std::string name = PathText(e.path().filename());
    out.lowerNames.insert(LowerAscii(name));
    std::error_code fileEc;
    if (!IsPuzzleFileName(name) || !e.is_regular_file(fileEc)) continue;
    FileStamp s;
    s.path = PathText(e.path());
    s.size = static_cast<long long>(e.file_size(fileEc));
    s.mtime = StampTime(e, fileEc);
    out.puzzles.push_back(std::move(s));
  }
  std::sort(out.puzzles.begin(), out.puzzles.end(),
            [](const FileStamp& a, const FileStamp& b) { return a.path < b.path; });
  return out;
}

PuzzleFacts ReadFacts(const FileStamp& stamp, analysis::Puzzle& puzzle) {
  PuzzleFacts f;
  f.stamp = stamp;
  puzzle = {};
  if (stamp.size > kMaxPuzzleFileBytes) {
    f.error = "ファイルが大きすぎます（" + std::to_string(stamp.size / 1024) + " KB）。";
    return f;
  }
  try {
    TakeData(ReadScannedPuzzle(stamp.path), f, puzzle);
  } catch (const FormatError& e) {
    f.error = e.what();
  } catch (const FileError& e) {
    f.error = e.what();
  } catch (const std::exception&) {
    f.error = "このファイルは読めません。";
  }
  if (f.error.empty() && (f.width < 1 || f.height < 1)) f.error = "盤の大きさがありません。";
  if (!f.error.empty()) f.solutions = kNotAnalysed;
  return f;
}

void AnalyseFacts(PuzzleFacts& f, const analysis::Puzzle& puzzle, const std::atomic<bool>* cancel) {
  if (!f.Readable() || puzzle.width < 1) return;
  analysis::Budget budget;
  budget.seconds = kAnalysisSeconds;
  budget.cancel = cancel;
  analysis::Analysis a = analysis::Analyze(puzzle, budget);
  if (a.cancelled) return;
  f.solutions = a.solutions;
  f.rating = a.solutions == 1 ? RatingOf(a.difficulty) : Rating::None;
  f.cells.clear();
  if (a.solutions != 1) return;
  const analysis::Board& b = a.boards[0];
  f.cells.reserve(b.cells.size());
  for (std::uint8_t v : b.cells) f.cells += char('0' + v);
}

}  // namespace gw
