#include "formats/NonFormat.h"

#include <cctype>

#include "formats/ColorNames.h"
#include "formats/TextParse.h"
#include "text/Tr.h"

namespace gw {
namespace {

struct NumberedLine {
  std::string text;
  int line = 0;
};

// What the keys of the file say, before the runs are read (colours may come after the clues).
struct NonFile {
  PuzzleData p;
  std::vector<NumberedLine> rows, cols;
  NumberedLine goal;
  bool colorKeys = false;
};

std::string Unescape(const std::string& s) {
  static const struct { const char* code; char ch; } kCodes[] = {
      {"&quot;", '"'}, {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&apos;", '\''}};
  std::string out;
  for (size_t i = 0; i < s.size();) {
    bool done = false;
    for (const auto& c : kCodes) {
      if (s.compare(i, std::char_traits<char>::length(c.code), c.code) == 0) {
        out += c.ch;
        i += std::char_traits<char>::length(c.code);
        done = true;
        break;
      }
    }
    if (!done) out += s[i++];
  }
  return out;
}

bool IsSymbol(const std::string& s) { return s.size() == 1 && std::isalpha(static_cast<unsigned char>(s[0])); }

int FindColor(const PuzzleData& p, const std::string& ref) {
  for (size_t k = 1; k < p.colors.size(); ++k)
    if (p.colors[k].name == ref || (ref.size() == 1 && p.colors[k].symbol == ref[0])) return int(k);
  return -1;
}

int AddColor(PuzzleData& p, const PuzzleColor& c, int line) {
  if (p.ColorCount() >= kMaxFormatColors) throw FormatError(Tr("色が多すぎます。"), line);
  p.colors.push_back(c);
  return p.ColorCount();
}

// "color a #ff0000" or "color green 00B000 #".
void ReadColorKey(NonFile& f, const std::string& rest, int line) {
  std::vector<std::string> t = SplitAny(rest, " \t");
  PuzzleColor c;
  if (t.size() < 2 || !ColorFromText(t[1], c.rgb)) throw FormatError(Tr("color の行が読めません。"), line);
  if (!IsPlainName(t[0])) throw FormatError(Tr("色の名前が読めません。"), line);
  c.name = t[0];
  if (IsSymbol(t[0])) c.symbol = t[0][0];
  else if (t.size() >= 3 && t[2].size() == 1) c.symbol = t[2][0];
  if (FindColor(f.p, c.name) >= 0) throw FormatError(Fill(Tr("色 {1} が二度あります。"), {c.name}), line);
  f.colorKeys = true;
  AddColor(f.p, c, line);
}

int ReadSize(const std::string& rest, int line) {
  std::string digits = Trim(rest);
  bool whole = !digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos;
  int v = 0;
  // Any run of digits is a size, however long: 10000 is too large, not unreadable.
  if (whole && !ParseCount(digits, v)) v = kMaxFormatSize + 1;
  else if (!whole || v < 1) throw FormatError(Tr("大きさの数字が読めません。"), line);
  if (v > kMaxFormatSize) throw FormatError(Tr("盤面が大きすぎます（読めるのは 99 × 99 までです）。"), line);
  return v;
}

// The `count` lines after a rows or columns key; a blank one is a line without runs.
std::vector<NumberedLine> TakeBlock(const std::vector<std::string>& lines, size_t& i, int count, int keyLine) {
  if (count == 0) throw FormatError(Tr("width と height は rows と columns より前に書いてください。"), keyLine);
  std::vector<NumberedLine> block;
  for (int n = 0; n < count; ++n) {
    if (i + 1 >= lines.size()) throw FormatError(Tr("ヒントの行が足りません。"), int(lines.size()));
    ++i;
    block.push_back({Trim(lines[i]), int(i) + 1});
  }
  // A line of runs right after the block is one more than the size allows; dropping it would
  // solve another puzzle than the file's.
  if (i + 1 < lines.size()) {
    std::string next = Trim(lines[i + 1]);
    if (!next.empty() && std::isdigit(static_cast<unsigned char>(next[0])))
      throw FormatError(Fill(Tr("ヒントの行が大きさ（{1}）より多くあります。"), {std::to_string(count)}), int(i) + 2);
  }
  return block;
}

std::vector<NumberedLine> TakeOnce(const std::vector<std::string>& lines, size_t& i, int count, int keyLine,
                                   const std::vector<NumberedLine>& before, const std::string& key) {
  if (!before.empty()) throw FormatError(Fill(Tr("{1} が二度あります。"), {key}), keyLine);
  return TakeBlock(lines, i, count, keyLine);
}

NonFile ReadKeys(const std::string& text) {
  NonFile f;
  f.p.colors.push_back({"white", MakeRgb(255, 255, 255), '0'});
  std::vector<std::string> lines = SplitLines(text);
  for (size_t i = 0; i < lines.size(); ++i) {
    int line = int(i) + 1;
    std::string t = Trim(lines[i]);
    size_t space = t.find_first_of(" \t");
    std::string key = t.substr(0, space);
    std::string rest = space == std::string::npos ? "" : t.substr(space + 1);
    if (key == "width") f.p.width = ReadSize(rest, line);
    else if (key == "height") f.p.height = ReadSize(rest, line);
    else if (key == "title") f.p.title = CleanText(Unescape(Unquote(rest)));
    else if (key == "by") f.p.author = CleanText(Unescape(Unquote(rest)));
    else if (key == "color") ReadColorKey(f, rest, line);
    else if (key == "rows") f.rows = TakeOnce(lines, i, f.p.height, line, f.rows, key);
    else if (key == "columns") f.cols = TakeOnce(lines, i, f.p.width, line, f.cols, key);
    else if (key == "goal") f.goal = {Unquote(rest), line};
  }
  if (f.p.width == 0 || f.p.height == 0) throw FormatError(Tr("width と height がありません。"));
  if (f.rows.empty() || f.cols.empty()) throw FormatError(Tr("rows と columns がありません。"));
  return f;
}

// A colour the runs or the goal name without a color key: it gets a colour of its own, unless the
// file declares its colours, where a name not among them is a slip the user should see.
int ColorForRef(PuzzleData& p, bool declared, const std::string& ref, int line) {
  int k = FindColor(p, ref);
  if (k > 0) return k;
  if (declared) throw FormatError(Fill(Tr("色 {1} は color の行にありません。"), {CleanText(ref)}), line);
  PuzzleColor c{ref, FallbackColor(p.ColorCount() + 1), ref.size() == 1 ? ref[0] : char(0)};
  return AddColor(p, c, line);
}

int DefaultColor(PuzzleData& p, int line) {
  if (p.ColorCount() == 0) AddColor(p, {"black", MakeRgb(0, 0, 0), '1'}, line);
  return 1;
}

ClueLine ReadRuns(PuzzleData& p, bool declared, const NumberedLine& l) {
  ClueLine runs;
  int current = -1;
  for (const std::string& token : SplitAny(l.text, ", \t")) {
    size_t digits = 0;
    while (digits < token.size() && std::isdigit(static_cast<unsigned char>(token[digits]))) ++digits;
    if (token.size() > 1 && token[0] == '-' && std::isdigit(static_cast<unsigned char>(token[1])))
      throw FormatError(Fill(Tr("ヒントに負の数 {1} があります。"), {CleanText(token)}), l.line);
    if (digits == 0) {  // a colour name for the runs after it
      if (!IsPlainName(token)) throw FormatError(Fill(Tr("ヒント {1} が読めません。"), {CleanText(token)}), l.line);
      current = ColorForRef(p, declared, token, l.line);
      continue;
    }
    int length = 0;
    if (!ParseCount(token.substr(0, digits), length)) throw FormatError(Tr("ヒントの数字が読めません。"), l.line);
    std::string ref = token.substr(digits);
    if (!ref.empty() && !IsPlainName(ref)) throw FormatError(Fill(Tr("ヒント {1} の色が読めません。"), {CleanText(token)}), l.line);
    int color = !ref.empty() ? ColorForRef(p, declared, ref, l.line) : current > 0 ? current : DefaultColor(p, l.line);
    if (length > 0) runs.push_back({length, color});
  }
  return runs;
}

void ReadGoal(PuzzleData& p, bool declared, const NumberedLine& goal) {
  std::string cells;
  for (char ch : goal.text)
    if (!std::isspace(static_cast<unsigned char>(ch))) cells += ch;
  if (long(cells.size()) != long(p.width) * p.height)
    throw FormatError(Tr("goal の長さが盤面のマスの数と合いません。"), goal.line);
  p.solution.assign(p.height, std::vector<int>(p.width, 0));
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      char ch = cells[size_t(y) * p.width + x];
      int k = FindColor(p, std::string(1, ch));
      if (ch == '0') k = 0;
      else if (k < 0 && ch == '1') k = DefaultColor(p, goal.line);
      else if (k < 0) k = ColorForRef(p, declared, std::string(1, ch), goal.line);
      p.solution[y][x] = k;
    }
}

}  // namespace

PuzzleData ReadNon(const std::string& text) {
  NonFile f = ReadKeys(text);
  PuzzleData& p = f.p;
  for (const NumberedLine& l : f.rows) p.rows.push_back(ReadRuns(p, f.colorKeys, l));
  for (const NumberedLine& l : f.cols) p.cols.push_back(ReadRuns(p, f.colorKeys, l));
  if (!f.goal.text.empty()) ReadGoal(p, f.colorKeys, f.goal);
  if (p.ColorCount() == 0) DefaultColor(p, 0);
  DropUnusedColors(p);
  CheckPuzzle(p);
  return p;
}

namespace {

std::string Escape(const std::string& s) {
  std::string out;
  for (char ch : CleanText(s)) {
    if (ch == '"') out += "&quot;";
    else if (ch == '&') out += "&amp;";
    else out += ch;
  }
  return out;
}

char SymbolOf(int k) { return k <= 26 ? char('a' + k - 1) : char('A' + k - 27); }

// A plain file holds one black colour; anything else needs the colour keys.
bool NeedsColorKeys(const PuzzleData& p) { return p.ColorCount() != 1 || p.colors[1].rgb != MakeRgb(0, 0, 0); }

void WriteBlock(std::string& out, const char* key, const std::vector<ClueLine>& lines, bool colored) {
  out += "\n" + std::string(key) + "\n";
  for (const ClueLine& line : lines) {
    if (line.empty()) out += "0";
    for (size_t i = 0; i < line.size(); ++i) {
      if (i > 0) out += ',';
      out += std::to_string(line[i].length);
      if (colored) out += SymbolOf(line[i].color);
    }
    out += "\n";
  }
}

}  // namespace

std::string WriteNon(const PuzzleData& p) {
  bool colored = NeedsColorKeys(p);
  std::string out;
  if (!p.title.empty()) out += "title \"" + Escape(p.title) + "\"\n";
  if (!p.author.empty()) out += "by \"" + Escape(p.author) + "\"\n";
  out += "width " + std::to_string(p.width) + "\nheight " + std::to_string(p.height) + "\n";
  if (colored) {
    out += "\n";
    for (int k = 1; k <= p.ColorCount(); ++k) out += std::string("color ") + SymbolOf(k) + " " + HexOf(p.colors[k].rgb) + "\n";
  }
  WriteBlock(out, "rows", p.rows, colored);
  WriteBlock(out, "columns", p.cols, colored);
  if (!p.solution.empty()) {
    out += "\ngoal \"";
    for (const auto& row : p.solution)
      for (int c : row) out += c == 0 ? '0' : colored ? SymbolOf(c) : '1';
    out += "\"\n";
  }
  return out;
}

}  // namespace gw
