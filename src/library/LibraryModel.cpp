#include "library/LibraryModel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

#include "formats/PuzzleData.h"
#include "library/StoreRows.h"
#include "text/Tr.h"
#include "text/Utf8.h"

namespace gw {
namespace {

// The store hands over checked rows only; a size out of range still never reaches an allocation.
bool Loaded(const PuzzleFacts& f) {
  return f.Readable() && f.width > 0 && f.width <= kMaxFormatSize && f.height > 0 && f.height <= kMaxFormatSize;
}

// 1..3 for a rated puzzle, 4 for everything else, as the filter counts them.
int RatingClass(const PuzzleFacts& f) { return f.solutions == 1 ? int(f.rating) : 4; }

int SizeClass(const PuzzleFacts& f) {
  int side = std::max(f.width, f.height);
  if (side <= 10) return 1;
  if (side <= 20) return 2;
  if (side <= 40) return 3;
  return 4;
}

bool Passes(const LibraryEntry& e, const LibraryFilter& f) {
  if (f.state && int(StateOf(e)) + 1 != f.state) return false;
  if (f.size && (!Loaded(e.facts) || SizeClass(e.facts) != f.size)) return false;
  if (f.colors && (!Loaded(e.facts) || (e.facts.Colors() > 1 ? 2 : 1) != f.colors)) return false;
  if (f.rating && RatingClass(e.facts) != f.rating) return false;
  if (f.text.empty()) return true;
  std::string needle = LowerAscii(f.text);
  return LowerAscii(e.facts.title).find(needle) != std::string::npos ||
         LowerAscii(e.facts.author).find(needle) != std::string::npos ||
         LowerAscii(e.name).find(needle) != std::string::npos;
}

// The value a column sorts by: numbers where the column holds numbers, else its text.
struct SortKey {
  double number = 0;
  std::string text;
  bool operator<(const SortKey& o) const { return number != o.number ? number < o.number : text < o.text; }
};

// A date mm-dd-yyyy as yyyymmdd, so that dates sort in time.
double DateNumber(const std::string& d) {
  if (d.size() != 10) return 0;
  return std::atof(d.substr(6, 4).c_str()) * 10000 + std::atof(d.substr(0, 2).c_str()) * 100 +
         std::atof(d.substr(3, 2).c_str());
}

// Numbers that tie are ordered by title.
SortKey KeyOf(const LibraryEntry& e, int column) {
  const PuzzleFacts& f = e.facts;
  std::string title = LowerAscii(f.title.empty() ? e.name : f.title);
  switch (column) {
    case kColPicture:
    case kColSize: return {double(f.width) * f.height + f.width / 1000.0, title};
    case kColColors: return {double(f.Colors()), title};
    case kColRating: return {double(RatingClass(f)) * 100000 + double(f.width) * f.height, title};
    case kColUnique: return {double(f.solutions == kNotAnalysed ? 9 : f.solutions), title};
    case kColState: return {double(StateOf(e)), title};
    case kColBest: return {e.record.bestSeconds > 0 ? e.record.bestSeconds : 1e12, title};
    case kColSolved: return {double(e.record.timesSolved), title};
    case kColLast: return {DateNumber(e.record.lastPlayed), title};
    case kColAuthor: return {0, LowerAscii(f.author) + "\t" + title};
    case kColFile: return {0, LowerAscii(e.name)};
    default: return {0, title};
  }
}

std::string UniqueText(const PuzzleFacts& f) {
  switch (f.solutions) {
    case kNotAnalysed: return Tr("調べ中");
    case 0: return Tr("答えなし");
    case 1: return Tr("一つ");
    case 2: return Tr("複数");
    default: return Tr("不明");
  }
}

std::string RatingText(const PuzzleFacts& f) {
  if (f.solutions == kNotAnalysed) return Tr("調べ中");
  if (f.solutions != 1) return Tr("－");
  switch (f.rating) {
    case Rating::Line: return Tr("やさしい");
    case Rating::Probe: return Tr("ふつう");
    case Rating::Search: return Tr("難しい");
    default: return Tr("－");
  }
}

// mm-dd-yyyy, as the records keep dates, shown as yyyy/mm/dd.
std::string DateText(const std::string& d) {
  if (d.size() != 10 || d[2] != '-' || d[5] != '-') return d;
  return d.substr(6, 4) + "/" + d.substr(0, 2) + "/" + d.substr(3, 2);
}

std::string StateText(const LibraryEntry& e) {
  if (!e.facts.Readable()) return Tr("読めません: ") + e.facts.error;
  static const char* const kNames[] = {TrNoop("未着手"), TrNoop("途中"), TrNoop("解いた")};
  return Tr(kNames[int(StateOf(e))]);
}

}  // namespace

std::string ColumnTitle(int column) {
  static const char* const kTitles[kColumnCount] = {
      TrNoop("絵"),   TrNoop("題名"), TrNoop("作者"), TrNoop("大きさ"),   TrNoop("色"),   TrNoop("難しさ"),
      TrNoop("答え"), TrNoop("状態"), TrNoop("最短時間"), TrNoop("回数"), TrNoop("最後に遊んだ日"), TrNoop("ファイル")};
  return column >= 0 && column < kColumnCount ? Tr(kTitles[column]) : "";
}

const std::vector<std::string>& FilterChoices(const std::string& filter) {
  static const std::map<std::string, std::vector<std::string>> kChoices = {
      {"state", {TrNoop("すべての状態"), TrNoop("未着手"), TrNoop("途中"), TrNoop("解いた")}},
      {"size",
       {TrNoop("すべての大きさ"), TrNoop("10×10 まで"), TrNoop("20×20 まで"), TrNoop("40×40 まで"), TrNoop("それより大きい")}},
      {"colors", {TrNoop("白黒とカラー"), TrNoop("白黒"), TrNoop("カラー")}},
      {"rating",
       {TrNoop("すべての難しさ"), TrNoop("やさしい"), TrNoop("ふつう"), TrNoop("難しい"), TrNoop("答えが一つでない・不明")}},
  };
  static const std::vector<std::string> kNone;
  auto at = kChoices.find(filter);
  return at == kChoices.end() ? kNone : at->second;
}

void UpdateRows(const Library& library, LibraryListing& view) {
  const std::vector<LibraryEntry>& entries = library.Entries();
  std::vector<std::pair<SortKey, int>> keyed;
  keyed.reserve(entries.size());
  for (int i = 0; i < int(entries.size()); ++i)
    if (Passes(entries[i], view.filter)) keyed.emplace_back(KeyOf(entries[i], view.sortColumn), i);
  std::stable_sort(keyed.begin(), keyed.end(), [&](const auto& a, const auto& b) {
    return view.descending ? b.first < a.first : a.first < b.first;
  });
  view.rows.clear();
  for (const auto& k : keyed) view.rows.push_back(k.second);
}

std::string DurationText(double seconds) {
  long long s = std::isfinite(seconds) ? static_cast<long long>(std::clamp(seconds, 0.0, kMaxRecordedSeconds)) : 0;
  char text[32];
  if (s >= 3600) std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
  else std::snprintf(text, sizeof text, "%lld:%02lld", s / 60, s % 60);
  return text;
}

std::string CellText(const LibraryEntry& e, int column) {
  const PuzzleFacts& f = e.facts;
  bool loaded = Loaded(f);
  switch (column) {
    case kColTitle: return loaded || !f.Readable() ? (f.title.empty() ? e.name : f.title) : Tr("（読み込み中）");
    case kColAuthor: return f.author;
    case kColSize: return loaded ? std::to_string(f.width) + "×" + std::to_string(f.height) : "";
    case kColColors: return loaded ? std::to_string(f.Colors()) : "";
    case kColRating: return f.Readable() ? RatingText(f) : "";
    case kColUnique: return f.Readable() ? UniqueText(f) : "";
    case kColState: return StateText(e);
    case kColBest: return e.record.bestSeconds > 0 ? DurationText(e.record.bestSeconds) : "";
    case kColSolved: return e.record.timesSolved > 0 ? std::to_string(e.record.timesSolved) : "";
    case kColLast: return DateText(e.record.lastPlayed);
    case kColFile: return e.name;
    default: return "";
  }
}

Thumbnail ThumbnailOf(const LibraryEntry& e) {
  const PuzzleFacts& f = e.facts;
  Thumbnail t;
  if (!Loaded(f)) return t;
  t.width = f.width;
  t.height = f.height;
  t.cells.assign(size_t(f.width) * f.height, -1);
  bool shown = StateOf(e) == PlayState::Solved && f.cells.size() == t.cells.size();
  if (!shown) return t;
  for (size_t i = 0; i < t.cells.size(); ++i) {
    int k = f.cells[i] - '0';
    t.cells[i] = k >= 1 && k <= f.Colors() ? f.palette[k - 1] : MakeRgb(255, 255, 255);
  }
  return t;
}

}  // namespace gw
