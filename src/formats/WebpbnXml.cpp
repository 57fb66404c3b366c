#include "formats/WebpbnXml.h"

#if GW_HAVE_PUGIXML
#include <pugixml.hpp>
#endif

#include <algorithm>
#include <cstring>

#include "formats/TextParse.h"
#include "text/Tr.h"

namespace gw {

#if GW_HAVE_PUGIXML
namespace {

using pugi::xml_node;

bool Named(xml_node n, const char* name) {
  return n.type() == pugi::node_element && std::strcmp(n.name(), name) == 0;
}

// The parser keeps byte offsets, not lines; a refusal names the line, counted in the text read.
class LineCounter {
 public:
  explicit LineCounter(const std::string& text) : text_(text) {}
  int AtOffset(ptrdiff_t offset) const {
    if (offset < 0) return 0;
    size_t end = std::min(size_t(offset), text_.size());
    return 1 + int(std::count(text_.begin(), text_.begin() + ptrdiff_t(end), '\n'));
  }
  int Of(xml_node n) const { return AtOffset(n.offset_debug()); }

 private:
  const std::string& text_;
};

std::string Attr(xml_node n, const char* name, const std::string& fallback = "") {
  pugi::xml_attribute a = n.attribute(name);
  return a ? std::string(a.value()) : fallback;
}

// All the text inside the element, its descendants' included, as one string. The walk follows
// the parent links instead of recursing: a hostile file may nest elements hundreds of thousands
// deep, and a recursion that deep would run out of stack.
std::string Text(xml_node n) {
  std::string out;
  xml_node c = n.first_child();
  while (c) {
    if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata) out += c.value();
    if (c.type() == pugi::node_element && c.first_child()) {
      c = c.first_child();
      continue;
    }
    while (c != n && !c.next_sibling()) c = c.parent();
    if (c == n) break;
    c = c.next_sibling();
  }
  return out;
}

xml_node FirstChild(xml_node n, const char* name) {
  for (xml_node c = n.first_child(); c; c = c.next_sibling())
    if (Named(c, name)) return c;
  return {};
}

struct ColorNames {
  std::vector<std::string> names;  // parallel to PuzzleData::colors
  int Find(const std::string& name) const {
    for (size_t k = 0; k < names.size(); ++k)
      if (names[k] == name) return int(k);
    return -1;
  }
};

// The background first, then every other declared colour in the order of the file; a puzzle
// that declares none is black on white.
ColorNames ReadColors(xml_node puzzle, PuzzleData& p, const LineCounter& at) {
  std::string background = Attr(puzzle, "backgroundcolor", "white");
  ColorNames names;
  p.colors.push_back({background, MakeRgb(255, 255, 255), '.'});
  names.names.push_back(background);
  for (xml_node c = puzzle.first_child(); c; c = c.next_sibling()) {
    if (!Named(c, "color")) continue;
    std::string name = Attr(c, "name");
    PuzzleColor colour{name, 0, 0};
    std::string ch = Attr(c, "char");
    if (ch.size() == 1) colour.symbol = ch[0];
    if (!ParseHex(Trim(Text(c)), colour.rgb))
      throw FormatError(Fill(Tr("色 {1} の値が読めません。"), {name}), at.Of(c));
    if (name == background) {
      p.colors[0] = colour;
      continue;
    }
    if (names.Find(name) >= 0) throw FormatError(Fill(Tr("色 {1} が二度あります。"), {name}), at.Of(c));
    if (int(p.colors.size()) > kMaxFormatColors)
      throw FormatError(Tr("色が多すぎます。"), at.Of(c));
    p.colors.push_back(colour);
    names.names.push_back(name);
  }
  if (p.colors.size() == 1) {
    p.colors.push_back({"black", MakeRgb(0, 0, 0), 'X'});
    names.names.push_back("black");
  }
  return names;
}

ClueLine ReadLine(xml_node line, const ColorNames& names, const std::string& fallback,
                  const LineCounter& at) {
  ClueLine runs;
  for (xml_node c = line.first_child(); c; c = c.next_sibling()) {
    if (!Named(c, "count")) continue;
    int length = 0;
    if (!ParseCount(Trim(Text(c)), length))
      throw FormatError(Tr("ヒントの数字が読めません。"), at.Of(c));
    std::string name = Attr(c, "color", fallback);
    int color = names.Find(name);
    if (color == 0) throw FormatError(Fill(Tr("背景の色 {1} のヒントがあります（ヒントは背景でない色で書きます）。"), {name}), at.Of(c));
    if (color < 0) throw FormatError(Fill(Tr("知らない色 {1} のヒントがあります。"), {name}), at.Of(c));
    if (length > 0) runs.push_back({length, color});
  }
  return runs;
}

std::vector<ClueLine> ReadClues(xml_node clues, const ColorNames& names, const std::string& fallback,
                                const LineCounter& at) {
  std::vector<ClueLine> lines;
  for (xml_node c = clues.first_child(); c; c = c.next_sibling()) {
    if (!Named(c, "line")) continue;
    if (int(lines.size()) >= kMaxFormatSize) throw FormatError(Tr("ヒントの行が多すぎます。"), at.Of(c));
    lines.push_back(ReadLine(c, names, fallback, at));
  }
  return lines;
}

int ColorOfSymbol(const PuzzleData& p, char ch) {
  for (size_t k = 0; k < p.colors.size(); ++k)
    if (p.colors[k].symbol == ch) return int(k);
  return -1;
}

// The picture between bars, one row a line. A cell the file leaves open ("?" or a choice in
// brackets) means the file holds no full solution.
void ReadSolution(xml_node puzzle, PuzzleData& p, const LineCounter& at) {
  for (xml_node s = puzzle.first_child(); s; s = s.next_sibling()) {
    if (!Named(s, "solution")) continue;
    std::string type = Attr(s, "type", "goal");
    if (type != "goal" && type != "solution") continue;
    xml_node image = FirstChild(s, "image");
    if (!image) continue;
    std::vector<std::vector<int>> rows;
    for (const std::string& raw : SplitLines(Text(image))) {
      std::string line = Trim(raw);
      if (line.empty()) continue;
      if (line.size() < 2 || line.front() != '|' || line.back() != '|')
        throw FormatError(Tr("答えの絵の行は | で囲んでください。"), at.Of(image));
      std::vector<int> row;
      for (size_t i = 1; i + 1 < line.size(); ++i) {
        int c = ColorOfSymbol(p, line[i]);
        if (c < 0) return;  // an open cell: no full solution here
        row.push_back(c);
      }
      rows.push_back(row);
      if (int(rows.size()) > kMaxFormatSize) throw FormatError(Tr("答えの絵が大きすぎます。"), at.Of(image));
    }
    p.solution = rows;
    return;
  }
}

xml_node FindPuzzle(xml_node root) {
  if (Named(root, "puzzle")) return root;
  if (!Named(root, "puzzleset")) throw FormatError(Tr("puzzleset の XML ではありません。"));
  xml_node puzzle = FirstChild(root, "puzzle");
  if (!puzzle) throw FormatError(Tr("XML にパズルがありません。"));
  return puzzle;
}

// The file may name a DTD to check against but must not define entities: they could expand
// without bound, and nothing of a puzzle needs them.
void RefuseEntities(const pugi::xml_document& doc) {
  for (xml_node n = doc.first_child(); n; n = n.next_sibling())
    if (n.type() == pugi::node_doctype && std::strstr(n.value(), "<!ENTITY"))
      throw FormatError(Tr("XML の中で実体が定義されています。このファイルは読めません。"));
}

PuzzleData FromDocument(const pugi::xml_document& doc, const LineCounter& at) {
  RefuseEntities(doc);
  xml_node root = doc.document_element();
  if (!root) throw FormatError(Tr("XML にパズルがありません。"));
  xml_node puzzle = FindPuzzle(root);
  std::string type = Attr(puzzle, "type", "grid");
  if (type != "grid") throw FormatError(Fill(Tr("格子でないパズル（{1}）は読めません。"), {type}));
  PuzzleData p;
  if (xml_node t = FirstChild(puzzle, "title")) p.title = CleanText(Trim(Text(t)));
  if (xml_node a = FirstChild(puzzle, "author")) p.author = CleanText(Trim(Text(a)));
  ColorNames names = ReadColors(puzzle, p, at);
  std::string fallback = Attr(puzzle, "defaultcolor", names.Find("black") > 0 ? "black" : names.names[1]);
  bool haveRows = false, haveCols = false;
  for (xml_node c = puzzle.first_child(); c; c = c.next_sibling()) {
    if (!Named(c, "clues")) continue;
    std::string kind = Attr(c, "type");
    if (kind == "rows") { p.rows = ReadClues(c, names, fallback, at); haveRows = true; }
    else if (kind == "columns") { p.cols = ReadClues(c, names, fallback, at); haveCols = true; }
    else throw FormatError(Tr("clues の type は rows か columns です。"), at.Of(c));
  }
  ReadSolution(puzzle, p, at);
  if (haveRows && haveCols) {
    p.height = int(p.rows.size());
    p.width = int(p.cols.size());
  } else if (!p.solution.empty()) {
    p.height = int(p.solution.size());
    p.width = int(p.solution[0].size());
    for (const auto& row : p.solution)
      if (int(row.size()) != p.width) throw FormatError(Tr("答えの絵の行の長さがそろっていません。"));
    DeriveClues(p);
  } else {
    throw FormatError(Tr("行と列のヒントがありません。"));
  }
  DropUnusedColors(p);
  CheckPuzzle(p);
  return p;
}

}  // namespace

PuzzleData ReadWebpbnXml(const std::string& text) {
  // Whitespace is kept so that a picture's text reads as written; the DOCTYPE is kept to be
  // checked for entity definitions. Nothing is fetched: the file is read as it stands.
  const unsigned options = pugi::parse_default | pugi::parse_doctype | pugi::parse_ws_pcdata;
  pugi::xml_document doc;
  LineCounter at(text);
  pugi::xml_parse_result parsed = doc.load_buffer(text.data(), text.size(), options);
  if (!parsed) throw FormatError(Tr("XML として読めません。"), at.AtOffset(parsed.offset));
  return FromDocument(doc, at);
}

bool WebpbnXmlReadable() { return true; }

#else

bool WebpbnXmlReadable() { return false; }

PuzzleData ReadWebpbnXml(const std::string&) { throw FormatError(Tr("この版のグリッドウィックは XML のパズルを読めません。")); }

#endif

namespace {

std::string Escape(const std::string& s) {
  std::string out;
  for (char ch : CleanText(s)) {
    switch (ch) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += ch;
    }
  }
  return out;
}

// The names the file gives its colours: the puzzle's own when they are usable, else c1, c2, ...
std::vector<std::string> ColorNamesOf(const PuzzleData& p) {
  std::vector<std::string> names;
  bool usable = true;
  for (size_t k = 0; k < p.colors.size(); ++k) {
    const std::string& n = p.colors[k].name;
    bool plain = IsPlainName(n);
    for (const std::string& seen : names) plain = plain && seen != n;
    usable = usable && plain;
    names.push_back(n);
  }
  if (usable) return names;
  names.assign(1, "white");
  for (size_t k = 1; k < p.colors.size(); ++k) names.push_back("c" + std::to_string(k));
  return names;
}

char SymbolOf(int k) { return k == 0 ? '.' : k <= 9 ? char('0' + k) : char('a' + k - 10); }

void WriteClues(std::string& out, const char* type, const std::vector<ClueLine>& lines,
                const std::vector<std::string>& names) {
  out += "<clues type=\"" + std::string(type) + "\">\n";
  for (const ClueLine& line : lines) {
    out += "<line>";
    for (const ClueRun& r : line)
      out += "<count color=\"" + names[r.color] + "\">" + std::to_string(r.length) + "</count>";
    out += "</line>\n";
  }
  out += "</clues>\n";
}

}  // namespace

std::string WriteWebpbnXml(const PuzzleData& p) {
  std::vector<std::string> names = ColorNamesOf(p);
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<puzzleset>\n";
  out += "<puzzle type=\"grid\" defaultcolor=\"" + names[1] + "\" backgroundcolor=\"" + names[0] + "\">\n";
  if (!p.title.empty()) out += "<title>" + Escape(p.title) + "</title>\n";
  if (!p.author.empty()) out += "<author>" + Escape(p.author) + "</author>\n";
  for (int k = 0; k < int(p.colors.size()); ++k)
    out += "<color name=\"" + names[k] + "\" char=\"" + SymbolOf(k) + "\">" + HexOf(p.colors[k].rgb).substr(1) +
           "</color>\n";
  WriteClues(out, "columns", p.cols, names);
  WriteClues(out, "rows", p.rows, names);
  if (!p.solution.empty()) {
    out += "<solution type=\"goal\">\n<image>\n";
    for (const auto& row : p.solution) {
      out += '|';
      for (int c : row) out += SymbolOf(c);
      out += "|\n";
    }
    out += "</image>\n</solution>\n";
  }
  out += "</puzzle>\n</puzzleset>\n";
  return out;
}

}  // namespace gw
