#include "formats/PuzzleBridge.h"

#include <algorithm>
#include <functional>
#include <limits>

#include "formats/ColorSpace.h"
#include "formats/EngineInput.h"
#include "text/Tr.h"

namespace gw {
namespace {

constexpr Rgb kWhite = MakeRgb(255, 255, 255);
constexpr int kFirstUserSlot = 16;

// Palette slots 1..used, where `used` is the highest colour the puzzle refers to.
void PaletteColors(const PuzzleState& p, const Rgb table[32], int used, PuzzleData& d) {
  d.colors.assign(1, {"white", kWhite, '.'});
  for (int k = 1; k <= used; ++k) d.colors.push_back({"c" + std::to_string(k), PaletteColor(p, table, k), 0});
}

int HighestColor(const PuzzleData& d) {
  int most = 0;
  for (const auto* lines : {&d.rows, &d.cols})
    for (const ClueLine& line : *lines)
      for (const ClueRun& r : line) most = std::max(most, r.color);
  for (const auto& row : d.solution)
    for (int c : row) most = std::max(most, c);
  return most;
}

}  // namespace

PuzzleData DataFromHints(const PuzzleState& p, const Rgb table[32]) {
  PuzzleData d;
  d.width = p.XSize;
  d.height = p.YSize;
  d.title = p.Title;
  d.answer = p.Answer;
  d.rows = RowClues(p);
  d.cols = ColClues(p);
  PaletteColors(p, table, std::max(1, std::min(9, HighestColor(d))), d);
  DropUnusedColors(d);
  return d;
}

PuzzleData DataFromPicture(const PuzzleState& p, const Rgb table[32]) {
  PuzzleData d;
  d.width = p.XSize;
  d.height = p.YSize;
  d.title = p.Title;
  d.solution.assign(p.YSize, std::vector<int>(p.XSize, 0));
  for (int y = 1; y <= p.YSize; ++y)
    for (int x = 1; x <= p.XSize; ++x) d.solution[y - 1][x - 1] = std::max(0, p.Grid[x][y]);
  DeriveClues(d);
  PaletteColors(p, table, std::max(1, std::min(9, HighestColor(d))), d);
  DropUnusedColors(d);
  return d;
}

namespace {

std::string WhyNotWithin(const PuzzleData& d, int side) {
  std::string limit = std::to_string(side);
  if (d.width > side || d.height > side)
    return Fill(Tr("盤面が {1} × {2} です（{3} × {3} まで）。"), {std::to_string(d.width), std::to_string(d.height), limit});
  if (d.ColorCount() > 9) return Fill(Tr("色が {1} 色あります（9 色まで）。"), {std::to_string(d.ColorCount())});
  return "";
}

}  // namespace

std::string WhyNotHeld(const PuzzleData& d) { return WhyNotWithin(d, kMaxSize); }
std::string WhyNotPlayable(const PuzzleData& d) { return WhyNotWithin(d, kMaxBoard); }

ColorMapping MapColors(const PuzzleData& d, const Rgb table[32], bool fillFreeSlots) {
  ColorMapping m;
  bool taken[32] = {};
  taken[kFreeColor] = true;
  Rgb now[32];
  for (int i = 0; i < 32; ++i) now[i] = table[i];
  auto find = [&](Rgb c) {
    for (int i = 0; i < 32; ++i)
      if (!taken[i] && now[i] == c) return i;
    return -1;
  };
  // Exact matches first, so a later colour cannot take the entry an earlier one needs.
  for (int k = 1; k <= d.ColorCount(); ++k) {
    int i = d.colors[k].rgb == kWhite ? -1 : find(d.colors[k].rgb);
    if (i >= 0) {
      m.entry[k] = i;
      m.exact[k] = taken[i] = true;
    }
  }
  for (int k = 1; k <= d.ColorCount(); ++k) {
    if (m.exact[k]) continue;
    Rgb c = d.colors[k].rgb;
    int slot = -1;
    for (int i = kFirstUserSlot; i < 32 && slot < 0 && fillFreeSlots; ++i)
      if (!taken[i] && !m.userSet[i] && now[i] == kWhite) slot = i;
    if (slot >= 0) {
      m.userSet[slot] = true;
      m.userColor[slot] = now[slot] = c;
      m.entry[k] = slot;
      m.exact[k] = taken[slot] = true;
      continue;
    }
    Lab target = ToLab(c);
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < 32; ++i) {
      double dist = LabDistance2(target, ToLab(now[i]));
      if (!taken[i] && dist < best) {
        best = dist;
        m.entry[k] = i;
      }
    }
    taken[m.entry[k]] = true;
  }
  return m;
}

void ApplyUserColors(const ColorMapping& m, Rgb table[32]) {
  for (int i = kFirstUserSlot; i < 32; ++i)
    if (m.userSet[i]) table[i] = m.userColor[i];
}

namespace {

void SetPalette(const PuzzleData& d, const ColorMapping& m, PuzzleState& p) {
  for (int k = 1; k <= 9; ++k) p.Palette[k] = k <= d.ColorCount() ? m.entry[k] : kFreeColor;
  DropOwnColors(p);
}

// Runs aligned to the board: the last run in the last slot.
int PlaceRuns(const ClueLine& line, int slots, const std::function<int*(int)>& slot) {
  int first = slots - int(line.size());
  for (int s = 1; s <= slots; ++s) {
    int* h = slot(s);
    bool run = s > first;
    h[kHintNumber] = run ? line[s - first - 1].length : 0;
    h[kHintColor] = run ? line[s - first - 1].color : 1;
    h[kHintCheck] = 0;
  }
  return first;
}

size_t MostRuns(const std::vector<ClueLine>& lines) {
  size_t most = 0;
  for (const ClueLine& l : lines) most = std::max(most, l.size());
  return most;
}

}  // namespace

void KeepOwnColors(const PuzzleData& d, PuzzleState& p) {
  for (int k = 1; k <= 9; ++k) {
    p.HasOwnColor[k] = k <= d.ColorCount();
    p.OwnColor[k] = p.HasOwnColor[k] ? d.colors[k].rgb : 0;
  }
}

void HintsToState(const PuzzleData& d, const ColorMapping& m, PuzzleState& p) {
  FullReset(p);
  p.XSize = d.width;
  p.YSize = d.height;
  p.XHintCount = int(MostRuns(d.rows));
  p.YHintCount = int(MostRuns(d.cols));
  p.Title = d.title;
  p.Answer = d.answer;
  for (int y = 1; y <= p.YSize; ++y) PlaceRuns(d.rows[y - 1], p.XHintCount, [&](int s) { return p.RowHints[s][y]; });
  for (int x = 1; x <= p.XSize; ++x) PlaceRuns(d.cols[x - 1], p.YHintCount, [&](int s) { return p.ColHints[x][s]; });
  SetPalette(d, m, p);
}

void PictureToState(const PuzzleData& d, const ColorMapping& m, PuzzleState& p) {
  ClearGrid(p);
  p.XSize = d.width;
  p.YSize = d.height;
  for (int y = 1; y <= p.YSize; ++y)
    for (int x = 1; x <= p.XSize; ++x) p.Grid[x][y] = d.solution.empty() ? 0 : d.solution[y - 1][x - 1];
  SetPalette(d, m, p);
  DeriveHints(p);
}

}  // namespace gw
