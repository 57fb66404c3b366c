#include "formats/PuzzleData.h"
#include "text/Tr.h"

#include <cctype>
#include <cstdio>

namespace gw {

FormatError::FormatError(const std::string& message, int line)
    : std::runtime_error(line > 0 ? LineMessage(line, message) : message), line_(line) {}

std::string LineMessage(int line, const std::string& what) {
  return Fill(Tr("{1} 行目: {2}"), {std::to_string(line), what});
}

ClueLine RunsOf(const std::vector<int>& cells) {
  ClueLine runs;
  int prev = 0;
  for (int c : cells) {
    if (c > 0 && c == prev) ++runs.back().length;
    else if (c > 0) runs.push_back({1, c});
    prev = c;
  }
  return runs;
}

std::vector<int> SolutionRow(const PuzzleData& p, int y) { return p.solution[y]; }

std::vector<int> SolutionColumn(const PuzzleData& p, int x) {
  std::vector<int> col(p.height);
  for (int y = 0; y < p.height; ++y) col[y] = p.solution[y][x];
  return col;
}

void DeriveClues(PuzzleData& p) {
  p.rows.assign(p.height, {});
  p.cols.assign(p.width, {});
  for (int y = 0; y < p.height; ++y) p.rows[y] = RunsOf(SolutionRow(p, y));
  for (int x = 0; x < p.width; ++x) p.cols[x] = RunsOf(SolutionColumn(p, x));
}

namespace {

// The fewest cells a line of these runs needs: runs of one colour side by side need a gap.
long MinimumLength(const ClueLine& line) {
  long total = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    total += line[i].length;
    if (i > 0 && line[i].color == line[i - 1].color) ++total;
  }
  return total;
}

void CheckLines(const std::vector<ClueLine>& lines, int length, int colors, bool rows) {
  for (size_t i = 0; i < lines.size(); ++i) {
    for (const ClueRun& r : lines[i])
      if (r.length < 1 || r.color < 1 || r.color > colors)
        throw FormatError(Fill(rows ? Tr("行 {1} のヒントが正しくありません。") : Tr("列 {1} のヒントが正しくありません。"),
                               {std::to_string(i + 1)}));
    if (MinimumLength(lines[i]) > length)
      throw FormatError(Fill(rows ? Tr("行 {1} のヒントが盤面に収まりません。") : Tr("列 {1} のヒントが盤面に収まりません。"),
                             {std::to_string(i + 1)}));
  }
}

std::vector<long> ColorTotals(const std::vector<ClueLine>& lines, int colors) {
  std::vector<long> totals(colors + 1, 0);
  for (const ClueLine& line : lines)
    for (const ClueRun& r : line) totals[r.color] += r.length;
  return totals;
}

bool NoRuns(const std::vector<ClueLine>& lines) {
  for (const ClueLine& line : lines)
    if (!line.empty()) return false;
  return true;
}

}  // namespace

void CheckPuzzle(const PuzzleData& p) {
  if (p.width < 1 || p.height < 1)
    throw FormatError(Tr("盤面の幅と高さがありません。"));
  if (p.width > kMaxFormatSize || p.height > kMaxFormatSize)
    throw FormatError(Fill(Tr("盤面が大きすぎます（{1} × {2}、読めるのは 99 × 99 までです）。"),
                           {std::to_string(p.width), std::to_string(p.height)}));
  if (NoRuns(p.rows) && NoRuns(p.cols))
    throw FormatError(Tr("塗るマスがひとつもありません（ヒントがすべて 0 です）。"));
  if (p.ColorCount() < 1 || p.ColorCount() > kMaxFormatColors)
    throw FormatError(Fill(Tr("色の数が正しくありません（{1} 色）。"), {std::to_string(p.ColorCount())}));
  if (int(p.rows.size()) != p.height || int(p.cols.size()) != p.width)
    throw FormatError(Tr("行か列のヒントの数が盤面の大きさと合いません。"));
  CheckLines(p.rows, p.width, p.ColorCount(), true);
  CheckLines(p.cols, p.height, p.ColorCount(), false);
  if (ColorTotals(p.rows, p.ColorCount()) != ColorTotals(p.cols, p.ColorCount()))
    throw FormatError(Tr("行のヒントと列のヒントで、塗るマスの数が合いません。"));
  if (p.solution.empty()) return;
  if (int(p.solution.size()) != p.height)
    throw FormatError(Tr("答えの絵の大きさが盤面と合いません。"));
  for (const auto& row : p.solution) {
    if (int(row.size()) != p.width) throw FormatError(Tr("答えの絵の大きさが盤面と合いません。"));
    for (int c : row)
      if (c < 0 || c > p.ColorCount()) throw FormatError(Tr("答えの絵に知らない色があります。"));
  }
  for (int y = 0; y < p.height; ++y)
    if (RunsOf(SolutionRow(p, y)) != p.rows[y]) throw FormatError(Tr("答えの絵がヒントと合いません。"));
  for (int x = 0; x < p.width; ++x)
    if (RunsOf(SolutionColumn(p, x)) != p.cols[x]) throw FormatError(Tr("答えの絵がヒントと合いません。"));
}

void DropUnusedColors(PuzzleData& p) {
  std::vector<bool> used(p.colors.size(), false);
  for (const auto* lines : {&p.rows, &p.cols})
    for (const ClueLine& line : *lines)
      for (const ClueRun& r : line)
        if (r.color > 0 && r.color < int(used.size())) used[r.color] = true;
  for (const auto& row : p.solution)
    for (int c : row)
      if (c > 0 && c < int(used.size())) used[c] = true;
  std::vector<int> renumber(p.colors.size(), 0);
  std::vector<PuzzleColor> kept;
  for (size_t k = 0; k < p.colors.size(); ++k) {
    if (k > 0 && !used[k]) continue;
    renumber[k] = int(kept.size());
    kept.push_back(p.colors[k]);
  }
  auto remap = [&](int c) { return c > 0 && c < int(renumber.size()) ? renumber[c] : c; };
  for (auto* lines : {&p.rows, &p.cols})
    for (ClueLine& line : *lines)
      for (ClueRun& r : line) r.color = remap(r.color);
  for (auto& row : p.solution)
    for (int& c : row) c = remap(c);
  p.colors = std::move(kept);
}

std::string HexOf(Rgb c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", RedOf(c), GreenOf(c), BlueOf(c));
  return text;
}

bool ParseHex(const std::string& text, Rgb& out) {
  std::string hex = !text.empty() && text[0] == '#' ? text.substr(1) : text;
  if (hex.size() != 3 && hex.size() != 6) return false;
  for (char ch : hex)
    if (!std::isxdigit(static_cast<unsigned char>(ch))) return false;
  auto digit = [&](size_t i) { return std::stoi(hex.substr(i, 1), nullptr, 16); };
  if (hex.size() == 3) {
    out = MakeRgb(digit(0) * 17, digit(1) * 17, digit(2) * 17);
  } else {
    auto pair = [&](size_t i) { return digit(i) * 16 + digit(i + 1); };
    out = MakeRgb(pair(0), pair(2), pair(4));
  }
  return true;
}

}  // namespace gw
