// Puzzles given as text: every format the readers take is told by its content alone, pattern game
// IDs as the game itself prints them among them, and anything short of a whole puzzle is refused
// with the format it was taken for.
#include <gtest/gtest.h>

#include <filesystem>

#include "FormatTestSupport.h"
#include "display/Colors.h"
#include "formats/PatternId.h"
#include "formats/PuzzleKinds.h"
#include "formats/PuzzleText.h"
#include "system/NativeFiles.h"

namespace gw::test {
namespace {

struct Table {
  Rgb colors[32] = {};
  Table() {
    for (int i = 0; i < 16; ++i) colors[i] = StandardColor(i);
  }
};

// Run lengths and colours of every line, rows then columns.
std::vector<ClueLine> Clues(const PuzzleData& p) {
  std::vector<ClueLine> lines = p.rows;
  lines.insert(lines.end(), p.cols.begin(), p.cols.end());
  return lines;
}

// Printed by `sgt-pattern --generate 1 SEED` of Simon Tatham's Portable Puzzle Collection
// 20230122 (Debian sgt-puzzles, MIT), for the seeds the solver's test puzzles were made from.
struct PrintedId {
  const char* id;
  const char* file;
};
const PrintedId kPrinted[] = {
    {"5x5:1/2/2.2/1.1/3/1/3/1/4/3", "sgt-pattern-5x5-s3.gwm"},
    {"10x10:7/6/3.4/3.4/4.3/3.2/2.1/1/1.2/2.2/7/5.1/4/1.1.1/2/2/4/7/6.2/5.2", "sgt-pattern-10x10-s42.gwm"},
    {"15x10:2.2/3/2.4/5/4/3/1.3/3.4/7/6/5/6.3/4.2/1.3/1.1/1.1.3/1.1.2/2.4/2.3/3.1.2/4.4/5.4/11/11/10",
     "sgt-pattern-15x10-s1.gwm"},
    {"20x20:2.1.7/3.7/4.1.3/3.4.1/3.5.1/3.6.1/5.7.1.2/14.2/1.10.3.2/3.5.6/1.3.3.3.1/3.4/2.2/3/1.3.3.1/"
     "2.3.5/2.11/4.1.4.3/3.1.2.1.1.1/6.1/1.1.2.1/1.2.3/7.11/10.5/4.5.3/1.2.1.1/4.1/5.3/7.2.1/8.3/11.4/"
     "1.6.3/8.3/3.1.2/4.4.2.3/2.6.3.2/2.5.3/1.3.4/1.4.4/7.3",
     "sgt-pattern-20x20-s7.gwm"},
};

TEST(PatternId, TheIdsTheGamePrintsAreItsPuzzles) {
  Table t;
  for (const PrintedId& printed : kPrinted) {
    PuzzleData want = ReadPuzzleData((kTestPuzzles / printed.file).string(), t.colors);
    TextPuzzle got = ReadPuzzleText(std::string("  ") + printed.id + "\r\n", t.colors);
    EXPECT_EQ(got.format, "ゲーム ID") << printed.file;
    ASSERT_TRUE(got.puzzle) << printed.file << ": " << got.why;
    EXPECT_EQ(got.puzzle->width, want.width);
    EXPECT_EQ(got.puzzle->height, want.height);
    EXPECT_EQ(Clues(*got.puzzle), Clues(want)) << printed.file;
    EXPECT_EQ(FormatPatternId(*got.puzzle), printed.id);
  }
}

TEST(PatternId, TheShapesOfTheIdAreRead) {
  struct Row {
    const char* id;
    int width, height;
    size_t emptyLines;
  } rows[] = {
      {"2:1/1/1/1", 2, 2, 0},           // N for N x N
      {"3x1:1//1/1.1", 3, 1, 1},        // an empty column
      {"3x1:1/0/1/1.1", 3, 1, 1},       // an empty column as 0
      {"2x2:2/2/2/2,aAbB", 2, 2, 0},    // squares given as known are passed over
  };
  for (const Row& r : rows) {
    PuzzleData p = ParsePatternId(r.id);
    EXPECT_EQ(p.width, r.width) << r.id;
    EXPECT_EQ(p.height, r.height) << r.id;
    size_t empty = 0;
    for (const ClueLine& line : Clues(p)) empty += line.empty();
    EXPECT_EQ(empty, r.emptyLines) << r.id;
  }
}

TEST(PatternId, AnIdThatIsNotWholeIsRefused) {
  Table t;
  for (const char* id : {"5x5:1/2/2.2/1.1/3/1/3/1/4", "5x5:1/2/2.2/1.1/3/1/3/1/4/3/1", "5x5:1/2/2.x/1.1/3/1/3/1/4/3",
                         "5x5:1/2/2.2/1.1/3/1/3/1/4/6", "0x5:////", "100x100:1", "5x5:"}) {
    TextPuzzle got = ReadPuzzleText(id, t.colors);
    EXPECT_EQ(got.format, "ゲーム ID") << id;
    EXPECT_FALSE(got.puzzle) << id;
    EXPECT_FALSE(got.why.empty()) << id;
  }
}

// Every puzzle file the tests and the samples hold, read as text, is the puzzle its reader reads.
std::vector<std::filesystem::path> PuzzleFiles() {
  std::vector<std::filesystem::path> files;
  for (const auto& folder : {kFormatFiles, kSourceDir / "samples", kTestPuzzles})
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      if (PuzzleKindOf(entry.path().string()) && ReadableFile(entry.path().string())) files.push_back(entry.path());
  return files;
}

TEST(PuzzleText, EveryFormatIsToldByItsContent) {
  Table t;
  size_t seen = 0;
  for (const auto& path : PuzzleFiles()) {
    const PuzzleFileKind* kind = PuzzleKindOf(path.string());
    PuzzleData want;
    try {
      want = ReadPuzzleData(path.string(), t.colors);
    } catch (const std::exception&) {
      continue;  // files the readers refuse are tested as refused elsewhere
    }
    TextPuzzle got = ReadPuzzleText(ReadWholeFile(path.string()), t.colors);
    EXPECT_EQ(got.format, kind->extensions.front()) << path;
    ASSERT_TRUE(got.puzzle) << path << ": " << got.why;
    EXPECT_EQ(Clues(*got.puzzle), Clues(want)) << path;
    EXPECT_EQ(got.puzzle->title, want.title) << path;
    ++seen;
  }
  EXPECT_GE(seen, 30u);
}

TEST(PuzzleText, HalfAPuzzleIsRefusedAsTheFormatItBegins) {
  Table t;
  for (const auto& path : PuzzleFiles()) {
    std::string bytes = ReadWholeFile(path.string());
    TextPuzzle got = ReadPuzzleText(bytes.substr(0, bytes.size() / 2), t.colors);
    EXPECT_FALSE(got.puzzle) << path;
    if (!got.format.empty()) {
      EXPECT_FALSE(got.why.empty()) << path;
    }
  }
}

TEST(PuzzleText, TextOfNoPuzzleHasNoFormat) {
  Table t;
  for (const char* text : {"", "   \r\n", "hello", "こんにちは\n世界\n", "x1:2", "ピクロス\nです"}) {
    TextPuzzle got = ReadPuzzleText(text, t.colors);
    EXPECT_EQ(got.format, "") << text;
    EXPECT_FALSE(got.puzzle) << text;
  }
}

}  // namespace
}  // namespace gw::test
