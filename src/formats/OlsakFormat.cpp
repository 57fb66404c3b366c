#include "formats/OlsakFormat.h"

#include <cctype>

#include "formats/ColorNames.h"
#include "formats/TextParse.h"
#include "text/Tr.h"

namespace gw {
namespace {

enum class Section { Preamble, Colors, Rows, Columns, End };

struct OlsakReader {
  PuzzleData p;
  int defaultColor = -1;  // the colour "1" declares, or black when the file has no header
  bool header = false;
  std::vector<std::pair<std::string, int>> rowLines, colLines;
  // Blank lines not yet known to be rows: those before the next ":" line separate the blocks.
  std::size_t pendingBlanks = 0;

  int FindInChar(char ch) const {
    for (size_t k = 1; k < p.colors.size(); ++k)
      if (p.colors[k].symbol == ch) return int(k);
    return -1;
  }

  // A line of the rows or columns block. The blank lines before it are empty lines of the block;
  // so a block of 99 lines followed by blank lines before ": columns" is still 99 lines long.
  void ClueText(std::vector<std::pair<std::string, int>>& block, const std::string& t, int line) {
    if (t.empty()) {
      ++pendingBlanks;
      return;
    }
    if (block.size() + pendingBlanks >= std::size_t(kMaxFormatSize))
      throw FormatError(Tr("盤面が大きすぎます（読めるのは 99 × 99 までです）。"), line);
    for (; pendingBlanks > 0; --pendingBlanks) block.push_back({"", line - int(pendingBlanks)});
    block.push_back({t, line});
  }

  // "<in>:<out> <colour> <comment>"
  void ColorLine(const std::string& raw, int line) {
    std::string t = Trim(raw);
    if (t.empty()) return;
    if (t.size() < 3 || t[1] != ':') throw FormatError(Tr("色の宣言が読めません。"), line);
    std::vector<std::string> words = SplitAny(t.substr(3), " \t");
    PuzzleColor c{std::string(1, t[0]), 0, t[0]};
    if (words.empty() || !ColorFromText(words[0], c.rgb))
      throw FormatError(Fill(Tr("色 {1} がわかりません。"), {CleanText(words.empty() ? std::string() : words[0])}), line);
    if (t[0] == '0') {
      p.colors[0] = c;
      return;
    }
    if (std::isdigit(static_cast<unsigned char>(t[0])) && t[0] != '1')
      throw FormatError(Tr("色の文字に数字は使えません。"), line);
    if (FindInChar(t[0]) > 0) throw FormatError(Fill(Tr("色 {1} が二度あります。"), {CleanText(c.name)}), line);
    if (p.ColorCount() >= kMaxFormatColors) throw FormatError(Tr("色が多すぎます。"), line);
    p.colors.push_back(c);
    if (t[0] == '1') defaultColor = p.ColorCount();
  }

  ClueLine Runs(const std::string& text, int line) {
    ClueLine runs;
    for (const std::string& token : SplitAny(text, " \t,")) {
      size_t digits = 0;
      while (digits < token.size() && std::isdigit(static_cast<unsigned char>(token[digits]))) ++digits;
      int length = 0;
      if (digits == 0 || token.size() > digits + 1 || !ParseCount(token.substr(0, digits), length))
        throw FormatError(Fill(Tr("ヒント {1} が読めません。"), {CleanText(token)}), line);
      if (length == 0) continue;  // "0": a line without runs, whatever colour it names
      int color = defaultColor;
      if (token.size() == digits + 1) color = FindInChar(token[digits]);
      if (color < 0) throw FormatError(Fill(Tr("ヒント {1} の色が宣言されていません。"), {CleanText(token)}), line);
      runs.push_back({length, color});
    }
    return runs;
  }
};

Section SectionOf(const std::string& t, Section current, int line) {
  std::string lower;
  for (char ch : t) lower += char(std::tolower(static_cast<unsigned char>(ch)));
  if (lower.find("rows") != std::string::npos) return Section::Rows;
  if (lower.find("columns") != std::string::npos) return Section::Columns;
  if (lower.find("end") != std::string::npos) return Section::End;
  if (current == Section::Colors) return Section::Rows;  // the header ends at the first ":" line
  throw FormatError(Tr(": の行は rows、columns、end のどれかです。"), line);
}

}  // namespace

PuzzleData ReadOlsak(const std::string& text) {
  OlsakReader r;
  r.p.colors.push_back({"0", MakeRgb(255, 255, 255), '0'});
  Section section = Section::Preamble;
  std::vector<std::string> lines = SplitLines(text);
  for (size_t i = 0; i < lines.size() && section != Section::End; ++i) {
    int line = int(i) + 1;
    const std::string& raw = lines[i];
    if (!raw.empty() && raw[0] == '#' && section == Section::Preamble) {
      if (raw.size() >= 2 && (raw[1] == 'd' || raw[1] == 'D')) {
        section = Section::Colors;
        r.header = true;
      }
      continue;
    }
    if (!raw.empty() && raw[0] == ':') {
      section = SectionOf(raw, section, line);
      r.pendingBlanks = 0;
      continue;
    }
    std::string t = Trim(raw);
    if (section == Section::Colors) r.ColorLine(raw, line);
    else if (section == Section::Rows) r.ClueText(r.rowLines, t, line);
    else if (section == Section::Columns) r.ClueText(r.colLines, t, line);
  }
  if (!r.header) {
    r.p.colors.push_back({"1", MakeRgb(0, 0, 0), '1'});
    r.defaultColor = 1;
  }
  if (r.rowLines.empty() || r.colLines.empty()) throw FormatError(Tr(": rows と : columns の行がありません。"));
  for (const auto& [t, line] : r.rowLines) r.p.rows.push_back(r.Runs(t, line));
  for (const auto& [t, line] : r.colLines) r.p.cols.push_back(r.Runs(t, line));
  r.p.height = int(r.p.rows.size());
  r.p.width = int(r.p.cols.size());
  DropUnusedColors(r.p);
  CheckPuzzle(r.p);
  return r.p;
}

}  // namespace gw
