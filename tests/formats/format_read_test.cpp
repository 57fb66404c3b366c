// Files written by hand from each format's description read as they should, and malformed ones
// are refused with a message that names the line.
#include <gtest/gtest.h>

#include "FormatTestSupport.h"
#include "formats/ForeignFiles.h"
#include "formats/TextParse.h"

namespace gw::test {
namespace {

struct Expected {
  const char* file;
  int width, height;
  std::vector<Rgb> colors;  // 1..n
  std::vector<ClueLine> rows;
  bool solution;
  const char* title;
};

const Rgb kBlack = MakeRgb(0, 0, 0), kRed = MakeRgb(255, 0, 0), kBlue = MakeRgb(0, 0, 255);

TEST(FormatRead, HandWrittenFilesOfEveryFormat) {
  const Expected cases[] = {
      {"arrow-mono.non", 5, 4, {kBlack}, {{{1, 1}}, {{1, 1}, {1, 1}}, {{5, 1}}, {}}, true, "Arrow & box"},
      {"flag-color.non", 4, 3, {kRed, kBlue}, {{{2, 1}, {2, 2}}, {{4, 1}}, {{1, 2}, {3, 1}}}, true, "Flag"},
      {"tree-named.non", 3, 3, {MakeRgb(0x80, 0x40, 0), MakeRgb(0, 0xB0, 0)},
       {{{1, 2}}, {{3, 2}}, {{1, 1}}}, false, "Little tree"},
      {"cross-solution.xml", 3, 3, {kBlack, kRed}, {{{1, 1}, {1, 2}, {1, 1}}, {{3, 1}}, {{1, 1}, {1, 2}, {1, 1}}},
       true, "Red cross"},
      {"stairs-mono.xml", 3, 3, {kBlack}, {{{1, 1}}, {{2, 1}}, {{3, 1}}}, false, "Stairs"},
      {"stairs-mono.g", 3, 3, {kBlack}, {{{1, 1}}, {{2, 1}}, {{3, 1}}}, false, ""},
      {"cross-color.g", 3, 3, {kBlack, kRed}, {{{1, 1}, {1, 2}, {1, 1}}, {{3, 1}}, {{1, 1}, {1, 2}, {1, 1}}},
       false, ""},
  };
  for (const Expected& e : cases) {
    if (!ReadableFile(e.file)) continue;
    PuzzleData p = ReadForeignFile((kFormatFiles / e.file).string());
    EXPECT_EQ(p.width, e.width) << e.file;
    EXPECT_EQ(p.height, e.height) << e.file;
    EXPECT_EQ(p.rows, e.rows) << e.file;
    EXPECT_EQ(!p.solution.empty(), e.solution) << e.file;
    EXPECT_EQ(p.title, e.title) << e.file;
    ASSERT_EQ(p.ColorCount(), int(e.colors.size())) << e.file;
    for (int k = 1; k <= p.ColorCount(); ++k) EXPECT_EQ(p.colors[k].rgb, e.colors[k - 1]) << e.file << " " << k;
  }
}

TEST(FormatRead, TheSolutionOfAnXmlFileIsItsPicture) {
  if (!WebpbnXmlReadable()) GTEST_SKIP() << "this build reads no XML";
  PuzzleData p = ReadForeignFile((kFormatFiles / "cross-solution.xml").string());
  std::vector<std::vector<int>> expected = {{1, 2, 1}, {1, 1, 1}, {1, 2, 1}};
  EXPECT_EQ(p.solution, expected);
}

struct Refusal {
  ForeignFormat format;
  const char* text;
  int line;  // 0: the fault is not on one line
};

TEST(FormatRead, MalformedFilesAreRefusedNamingTheLine) {
  const Refusal cases[] = {
      {ForeignFormat::Non, "width 2\nheight x\n", 2},
      {ForeignFormat::Non, "width 100\nheight 2\n", 1},
      {ForeignFormat::Non, "width 2\nheight 2\nrows\n1\n", 4},
      {ForeignFormat::Non, "rows\n1\n", 1},
      {ForeignFormat::Non, "width 2\nheight 1\nrows\n1\ncolumns\n1\n1\n", 0},
      {ForeignFormat::Non, "width 2\nheight 1\nrows\n3\ncolumns\n1\n1\n", 0},
      {ForeignFormat::Non, "width 2\nheight 1\nrows\n1a\ncolumns\n1a\n0\ngoal \"01\"\n", 0},
      {ForeignFormat::Non, "width 1\nheight 1\nrows\n1\ncolumns\n1\ngoal \"101\"\n", 7},
      {ForeignFormat::Non, "width 1\nheight 1\ncolor a zz\nrows\n1\ncolumns\n1\n", 3},
      {ForeignFormat::Non, "width 1\nheight 1\nrows\n1234\ncolumns\n1\n", 4},
      {ForeignFormat::Non, "width 1\nheight 1\nrows\n1\ncolumns\n1\ncolumns\n0\n", 7},
      {ForeignFormat::Non, "width 1\nheight 1\nrows\n1\nrows\n1\ncolumns\n1\n", 5},
      {ForeignFormat::Non, "width 1\nheight 1\ncolor a #FF0000\nrows\n1b\ncolumns\n1a\n", 5},
      {ForeignFormat::Non, "width 2\nheight 1\nrows\n-1\ncolumns\n1\n0\n", 4},
      {ForeignFormat::Non, "width 1\nheight 1\nrows\n1\n1\ncolumns\n1\n", 5},
      {ForeignFormat::Non, "width 10000\nheight 1\n", 1},
      {ForeignFormat::Non, "width 2\nheight 1\nrows\n0\ncolumns\n0\n0\n", 0},
      {ForeignFormat::Xml, "<puzzleset><puzzle>", 1},
      {ForeignFormat::Xml, "<other/>", 0},
      {ForeignFormat::Xml, "<puzzleset>\n<puzzle>\n<title>a</titel>\n</puzzle></puzzleset>", 3},
      {ForeignFormat::Xml, "<puzzleset><puzzle><clues type=\"rows\"><line><count>x</count></line></clues>\n"
                           "</puzzle></puzzleset>", 1},
      {ForeignFormat::Xml, "<puzzleset><puzzle>\n<clues type=\"rows\"><line>\n<count color=\"red\">1</count>"
                           "</line></clues></puzzle></puzzleset>", 3},
      {ForeignFormat::Xml, "<puzzleset><puzzle>\n<clues type=\"rows\"><line>\n<count color=\"white\">1</count>"
                           "</line></clues></puzzle></puzzleset>", 3},
      {ForeignFormat::Xml, "<!DOCTYPE p [<!ENTITY a \"aaaa\">]><puzzleset><puzzle/></puzzleset>", 0},
      {ForeignFormat::Xml, "<puzzleset><puzzle>\n<color name=\"red\">nothex</color></puzzle></puzzleset>", 2},
      {ForeignFormat::Xml, "<puzzleset><puzzle><clues type=\"rows\"><line><count>1</count></line></clues>"
                           "<clues type=\"columns\"><line><count>1</count></line><line/></clues>"
                           "<solution><image>|.X|</image></solution></puzzle></puzzleset>", 0},
      {ForeignFormat::Olsak, "#d\n  1 black\n: rows\n1\n: columns\n1\n", 2},
      {ForeignFormat::Olsak, ": rows\n1\n: columns\n1q\n", 4},
      {ForeignFormat::Olsak, ": rows\n1 x\n: columns\n1\n", 2},
      {ForeignFormat::Olsak, "#d\n  1:* nosuchcolour\n: rows\n1\n: columns\n1\n", 2},
      {ForeignFormat::Olsak, ": nonsense\n", 1},
      {ForeignFormat::Olsak, "nothing at all\n", 0},
  };
  for (const Refusal& r : cases) {
    if (!Readable(r.format)) continue;
    try {
      ParseForeign(r.format, r.text);
      ADD_FAILURE() << "accepted: " << r.text;
    } catch (const FormatError& e) {
      EXPECT_EQ(e.line(), r.line) << r.text << "\n" << e.what();
      std::string what = e.what();
      EXPECT_FALSE(what.empty());
      if (r.line > 0) {
        EXPECT_NE(what.find(std::to_string(r.line) + " 行目"), std::string::npos) << what;
      }
    }
  }
}

// The large public puzzles of the benchmarks: real files of another program, read as published.
TEST(FormatRead, LargePublicPuzzles) {
  struct Big { const char* file; int width, height; bool goal; };
  const Big cases[] = {{"webpbn-16.non", 34, 34, true},      {"webpbn-21.non", 14, 25, true},
                       {"webpbn-529.non", 45, 45, false},    {"gnonograms-copyleft.non", 34, 34, false},
                       {"gnonograms-tux.non", 40, 45, false}};
  for (const Big& b : cases) {
    PuzzleData p = ReadForeignFile((kSourceDir / "bench" / "puzzles" / b.file).string());
    EXPECT_EQ(p.width, b.width) << b.file;
    EXPECT_EQ(p.height, b.height) << b.file;
    EXPECT_EQ(!p.solution.empty(), b.goal) << b.file;
    EXPECT_EQ(p.ColorCount(), 1) << b.file;
  }
}

TEST(FormatRead, SizeAndColourLimitsOfTheReaders) {
  std::string wide = "width 99\nheight 1\nrows\n99\ncolumns\n";
  for (int i = 0; i < 99; ++i) wide += "1\n";
  EXPECT_EQ(ParseForeign(ForeignFormat::Non, wide).width, 99);
  std::string manyColors = "width 33\nheight 1\nrows\n";
  std::string columns;
  for (int i = 0; i < 33; ++i) {
    std::string sym(1, char(i < 26 ? 'a' + i : 'A' + i - 26));
    manyColors += (i ? "," : "") + std::string("1") + sym;
    columns += "1" + sym + "\n";
  }
  manyColors += "\ncolumns\n" + columns;
  EXPECT_THROW(ParseForeign(ForeignFormat::Non, manyColors), FormatError);
}

// Olšák files of one column: `painted` rows of "1" with `gap` blank lines after the first
// `split`, then `trailing` blank lines before ": columns". Blank lines between rows are empty
// rows; those before the ":" line only separate the blocks.
TEST(FormatRead, OlsakBlankLinesBeforeTheNextBlockAreNoRows) {
  struct Case {
    int painted, split, gap, trailing;
    int height;  // 0: refused as too large
    const char* columnRuns;
  };
  const Case cases[] = {
      {99, 99, 0, 1, 99, "99"},  {99, 99, 0, 5, 99, "99"},   {98, 97, 1, 2, 99, "97 1"},
      {99, 98, 1, 0, 0, ""},     {100, 100, 0, 1, 0, ""},   {2, 1, 3, 4, 5, "1 1"},
  };
  for (const Case& c : cases) {
    std::string text = ": rows\n";
    for (int i = 0; i < c.painted; ++i) text += std::string(i == c.split ? std::string(c.gap, '\n') : "") + "1\n";
    text += std::string(c.trailing, '\n') + ": columns\n" + c.columnRuns + "\n\n";
    std::string name = std::to_string(c.painted) + " rows, " + std::to_string(c.gap) + " blank after " +
                       std::to_string(c.split) + ", " + std::to_string(c.trailing) + " before the columns";
    if (c.height == 0) {
      EXPECT_THROW(ParseForeign(ForeignFormat::Olsak, text), FormatError) << name;
      continue;
    }
    try {
      PuzzleData p = ParseForeign(ForeignFormat::Olsak, text);
      EXPECT_EQ(p.height, c.height) << name;
      EXPECT_EQ(p.width, 1) << name;
    } catch (const FormatError& e) {
      ADD_FAILURE() << name << ": " << e.what();
    }
  }
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

TEST(FormatRead, TitlesBecomeOneLineOfValidUtf8) {
  const std::string bad = "\xEF\xBF\xBD";
  const std::pair<std::string, std::string> cases[] = {
      {"abc", "abc"},          {"a\nb\r\tc", "ab\tc"},     {"\xff", bad},
      {"\xc3\xa9t\xc3", "\xc3\xa9t" + bad},                 {"\xc0\xaf", bad + bad},
      {"\xed\xa0\x80", bad + bad + bad},                    {"\xf4\x90\x80\x80", bad + bad + bad + bad},
      {"猫\x01", "猫"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(CleanText(in), out) << in;
}

}  // namespace
}  // namespace gw::test
