#include "library/StoreRows.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "formats/PuzzleData.h"
#include "library/PaletteText.h"
#include "library/PuzzleScan.h"
#include "system/TextFile.h"

namespace gw {
namespace {

using Type = StoreValue::Type;

// No text the index keeps is longer than the largest puzzle file the library reads.
constexpr std::size_t kMaxStoreText = kMaxPuzzleFileBytes;
// A completer's line names the player and the day; nothing this program writes comes near this.
constexpr std::size_t kMaxCompleterEntry = 1024;
constexpr long long kLargest = std::numeric_limits<long long>::max();

// Reads the values of one row in order; the first value that fails its check fails the row.
class RowReader {
 public:
  explicit RowReader(const StoreRow& row) : row_(row) {}

  bool ok() const { return ok_; }

  long long Int(long long low, long long high) {
    const StoreValue& v = Next();
    if (v.type != Type::Integer || v.integer < low || v.integer > high) ok_ = false;
    return ok_ ? v.integer : low;
  }
  // A time in seconds: a whole or a real number, finite, 0..kMaxRecordedSeconds.
  double Seconds() {
    const StoreValue& v = Next();
    double s = v.type == Type::Integer ? double(v.integer) : v.real;
    if ((v.type != Type::Integer && v.type != Type::Real) || !std::isfinite(s) || s < 0 || s > kMaxRecordedSeconds)
      ok_ = false;
    return ok_ ? s : 0;
  }
  std::string Text(std::size_t longest, bool blobToo = false) {
    const StoreValue& v = Next();
    bool typed = v.type == Type::Text || (blobToo && v.type == Type::Blob);
    if (!typed || v.bytes.size() > longest) ok_ = false;
    return ok_ ? v.bytes : "";
  }
  // A date as the program writes one: ten digits and separators, or nothing.
  std::string Date() {
    std::string d = Text(10);
    bool shaped = d.empty() || d.size() == 10;
    for (char c : d) shaped = shaped && ((c >= '0' && c <= '9') || c == '-' || c == '/');
    if (!shaped) ok_ = false;
    return ok_ ? d : "";
  }

 private:
  const StoreValue& Next() {
    static const StoreValue kMissing;
    return at_ < row_.size() ? row_[at_++] : kMissing;
  }

  const StoreRow& row_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

// The colours as this program writes them, and no more than a puzzle may have.
bool TakePalette(const std::string& text, PuzzleFacts& f) {
  f.palette = PaletteFromText(text);
  return f.Colors() <= kMaxFormatColors && PaletteText(f.palette) == text;
}

// The unique solution: one cell each, each a colour of the puzzle.
bool CellsFit(const PuzzleFacts& f) {
  if (f.cells.empty()) return true;
  if (f.cells.size() != std::size_t(f.width) * std::size_t(f.height)) return false;
  for (char c : f.cells)
    if (c < '0' || c > '0' + f.Colors()) return false;
  return true;
}

}  // namespace

StoreRow RowOfFacts(const PuzzleFacts& f) {
  return {StoreValue::Text(f.stamp.path), StoreValue::Int(f.stamp.size),   StoreValue::Int(f.stamp.mtime),
          StoreValue::Text(f.error),      StoreValue::Text(f.title),       StoreValue::Text(f.author),
          StoreValue::Int(f.width),       StoreValue::Int(f.height),       StoreValue::Text(PaletteText(f.palette)),
          StoreValue::Int(f.solutions),   StoreValue::Int(int(f.rating)),  StoreValue::Text(f.cells)};
}

std::optional<PuzzleFacts> FactsOfRow(const StoreRow& row) {
  RowReader r(row);
  PuzzleFacts f;
  f.stamp.path = r.Text(kMaxStoreText);
  f.stamp.size = r.Int(0, kLargest);
  f.stamp.mtime = r.Int(std::numeric_limits<long long>::min(), kLargest);
  f.error = r.Text(kMaxStoreText);
  f.title = r.Text(kMaxStoreText);
  f.author = r.Text(kMaxStoreText);
  // A file that could not be read may have given no size at all.
  int least = f.error.empty() ? 1 : 0;
  f.width = int(r.Int(least, kMaxFormatSize));
  f.height = int(r.Int(least, kMaxFormatSize));
  bool palette = TakePalette(r.Text(kMaxStoreText), f);
  f.solutions = int(r.Int(kNotAnalysed, 2));  // not analysed, unknown, or 0, 1, 2 answers
  f.rating = static_cast<Rating>(r.Int(int(Rating::None), int(Rating::Search)));
  f.cells = r.Text(std::size_t(kMaxFormatSize) * kMaxFormatSize);
  if (!r.ok() || row.size() != 12 || f.stamp.path.empty() || !palette || !CellsFit(f))
    return std::nullopt;
  return f;
}

StoreRow RowOfPlay(const std::string& path, double seconds, const std::string& progress, const std::string& date) {
  return {StoreValue::Text(path), StoreValue::Float(seconds), StoreValue::Text(progress), StoreValue::Text(date)};
}

StoreRow RowOfSolve(const std::string& path, double seconds, const std::string& date) {
  return {StoreValue::Text(path), StoreValue::Float(seconds), StoreValue::Text(date)};
}

bool TakePlayRow(const StoreRow& row, std::map<std::string, PlayRecord>& records) {
  RowReader r(row);
  std::string path = r.Text(kMaxStoreText);
  double seconds = r.Seconds();
  std::string progress = r.Text(kMaxOwnFileBytes, true);
  std::string date = r.Date();
  if (!r.ok() || row.size() != 4 || path.empty()) return false;
  PlayRecord& rec = records[path];
  rec.seconds = seconds;
  rec.progress = std::move(progress);
  rec.lastPlayed = std::move(date);
  return true;
}

bool TakeSolveRow(const StoreRow& row, std::map<std::string, PlayRecord>& records) {
  RowReader r(row);
  std::string path = r.Text(kMaxStoreText);
  double seconds = r.Seconds();
  r.Date();
  if (!r.ok() || row.size() != 3 || path.empty()) return false;
  PlayRecord& rec = records[path];
  rec.bestSeconds = rec.timesSolved == 0 ? seconds : std::min(rec.bestSeconds, seconds);
  ++rec.timesSolved;
  return true;
}

StoreRow RowOfCompleter(const std::string& path, const std::string& entry) {
  return {StoreValue::Text(path), StoreValue::Text(entry)};
}

std::optional<std::string> CompleterOfRow(const StoreRow& row) {
  RowReader r(row);
  std::string path = r.Text(kMaxStoreText);
  std::string entry = r.Text(kMaxCompleterEntry);
  if (!r.ok() || row.size() != 2 || path.empty()) return std::nullopt;
  return entry;
}

bool TakeCompleterRow(const StoreRow& row, std::map<std::string, PlayRecord>& records) {
  if (!CompleterOfRow(row)) return false;
  ++records[row[0].bytes].completers;
  return true;
}

}  // namespace gw
