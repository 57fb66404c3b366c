#include "formats/PatternId.h"

#include <cctype>

#include "formats/TextParse.h"
#include "text/Tr.h"

namespace gw {
namespace {

bool AllDigits(const std::string& s) {
  if (s.empty() || s.size() > 4) return false;
  for (char c : s)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

// "WxH" or "N"; false when the parameters are not sizes.
bool ReadParameters(const std::string& params, int& w, int& h) {
  size_t x = params.find('x');
  std::string a = params.substr(0, x), b = x == std::string::npos ? a : params.substr(x + 1);
  if (!AllDigits(a) || !AllDigits(b)) return false;
  w = std::stoi(a);
  h = std::stoi(b);
  return true;
}

std::vector<std::string> Split(const std::string& s, char sep) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t i = 0; i <= s.size(); ++i)
    if (i == s.size() || s[i] == sep) {
      parts.push_back(s.substr(start, i - start));
      start = i + 1;
    }
  return parts;
}

ClueLine ReadClue(const std::string& clue, int index) {
  ClueLine line;
  if (clue.empty()) return line;
  for (const std::string& run : Split(clue, '.')) {
    if (!AllDigits(run))
      throw FormatError(Fill(Tr("ゲーム ID の {1} 番目のヒント「{2}」が読めません。"), {std::to_string(index), CleanText(clue)}));
    int length = std::stoi(run);
    if (length > 0) line.push_back({length, 1});
  }
  return line;
}

}  // namespace

bool LooksLikePatternId(const std::string& text) {
  std::string t = Trim(text);
  size_t colon = t.find(':');
  int w = 0, h = 0;
  return colon != std::string::npos && t.find_first_of("\r\n") == std::string::npos &&
         ReadParameters(t.substr(0, colon), w, h);
}

PuzzleData ParsePatternId(const std::string& text) {
  std::string t = Trim(text);
  size_t colon = t.find(':');
  PuzzleData p;
  if (colon == std::string::npos || !ReadParameters(t.substr(0, colon), p.width, p.height))
    throw FormatError(Tr("ゲーム ID の大きさ（幅x高さ:）が読めません。"));
  if (p.width < 1 || p.height < 1) throw FormatError(Tr("ゲーム ID の盤面の大きさが 0 です。"));
  if (p.width > kMaxFormatSize || p.height > kMaxFormatSize)
    throw FormatError(Tr("盤面が大きすぎます（読めるのは 99 × 99 までです）。"));
  std::string clues = t.substr(colon + 1);
  clues = clues.substr(0, clues.find(','));
  std::vector<std::string> parts = Split(clues, '/');
  size_t want = size_t(p.width) + size_t(p.height);
  if (parts.size() != want)
    throw FormatError(Fill(Tr("ゲーム ID のヒントは {1} 行分いりますが、{2} 行分あります。"),
                           {std::to_string(want), std::to_string(parts.size())}));
  for (size_t i = 0; i < parts.size(); ++i)
    (i < size_t(p.width) ? p.cols : p.rows).push_back(ReadClue(parts[i], int(i) + 1));
  p.colors = {{"white", MakeRgb(255, 255, 255), '.'}, {"black", MakeRgb(0, 0, 0), '#'}};
  CheckPuzzle(p);
  return p;
}

std::string FormatPatternId(const PuzzleData& p) {
  std::string id = std::to_string(p.width) + "x" + std::to_string(p.height) + ":";
  auto add = [&](const ClueLine& line, bool first) {
    if (!first) id += "/";
    for (size_t i = 0; i < line.size(); ++i) id += (i ? "." : "") + std::to_string(line[i].length);
  };
  for (size_t x = 0; x < p.cols.size(); ++x) add(p.cols[x], x == 0);
  for (const ClueLine& row : p.rows) add(row, false);
  return id;
}

}  // namespace gw
