// Every writable format gives back what was written: the public test puzzles (read through the
// program's own .gwm reader, with their known solutions) and random pictures of every size a
// file may hold.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "FormatTestSupport.h"
#include "display/BoardLayout.h"
#include "display/Colors.h"
#include "formats/ForeignFiles.h"
#include "formats/PuzzleBridge.h"
#include "formats/TextParse.h"
#include "state/Document.h"
#include "state/PuzzleFiles.h"
#include "support/TestApp.h"

namespace gw::test {
namespace {

namespace fs = std::filesystem;

void ExpectSame(const PuzzleData& a, const PuzzleData& b, const std::string& what) {
  EXPECT_EQ(a.width, b.width) << what;
  EXPECT_EQ(a.height, b.height) << what;
  EXPECT_EQ(a.rows, b.rows) << what;
  EXPECT_EQ(a.cols, b.cols) << what;
  EXPECT_EQ(a.solution, b.solution) << what;
  EXPECT_EQ(a.title, b.title) << what;
  ASSERT_EQ(a.ColorCount(), b.ColorCount()) << what;
  for (int k = 1; k <= a.ColorCount(); ++k) EXPECT_EQ(a.colors[k].rgb, b.colors[k].rgb) << what << " colour " << k;
}

// The solution lines of the neutral text beside each .gwm ('.' background, digits colours).
std::vector<std::vector<int>> NeutralSolution(const fs::path& txt) {
  std::vector<std::vector<int>> rows;
  std::ifstream in(txt);
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line.find(' ') != std::string::npos || line.find(':') != std::string::npos) continue;
    std::vector<int> row;
    for (char ch : line) row.push_back(ch == '.' ? 0 : ch - '0');
    rows.push_back(row);
  }
  return rows;
}

Rgb kTable[32];

const Rgb* StandardTable() {
  for (int i = 0; i < 16; ++i) kTable[i] = StandardColor(i);
  for (int i = 16; i < 32; ++i) kTable[i] = MakeRgb(255, 255, 255);
  return kTable;
}

TEST(FormatRoundTrip, EveryTestPuzzleThroughEveryWritableFormat) {
  int puzzles = 0;
  for (const auto& entry : fs::directory_iterator(kTestPuzzles)) {
    if (entry.path().extension() != ".gwm") continue;
    TestApp t;
    t.app.puzzle.Mode = kModePlay;
    ReadHintPuzzle(t.app, entry.path().string());
    ASSERT_EQ(t.app.fileReport.LoadRefused, 0) << entry.path();
    PuzzleData data = DataFromHints(t.app.puzzle, StandardTable());
    data.solution = NeutralSolution(fs::path(entry.path()).replace_extension(".txt"));
    // The known solution must give the hints the .gwm holds: the bridge read them right.
    ASSERT_NO_THROW(CheckPuzzle(data)) << entry.path();
    for (ForeignFormat f : {ForeignFormat::Xml, ForeignFormat::Non}) {
      if (!Readable(f)) continue;
      PuzzleData back = ParseForeign(f, FormatForeign(f, data));
      ExpectSame(data, back, entry.path().filename().string());
    }
    // And back onto the board: the same hints in the same slots and the same palette.
    ColorMapping m = MapColors(data, StandardTable());
    PuzzleState again;
    HintsToState(data, m, again);
    const PuzzleState& p = t.app.puzzle;
    for (int y = 1; y <= p.YSize; ++y)
      for (int s = 1; s <= p.XHintCount; ++s)
        if (p.RowHints[s][y][kHintNumber] > 0) {
          int slot = s - p.XHintCount + again.XHintCount;
          ASSERT_GE(slot, 1);
          EXPECT_EQ(again.RowHints[slot][y][kHintNumber], p.RowHints[s][y][kHintNumber]);
          EXPECT_EQ(again.RowHints[slot][y][kHintColor], p.RowHints[s][y][kHintColor]);
        }
    for (int k = 1; k <= data.ColorCount(); ++k) EXPECT_EQ(StandardTable()[again.Palette[k]], data.colors[k].rgb);
    ++puzzles;
  }
  EXPECT_GE(puzzles, 20);
}

TEST(FormatRoundTrip, RandomPicturesOfEverySizeAndColourCount) {
  std::mt19937 rng(15);
  for (int trial = 0; trial < 120; ++trial) {
    int w = 1 + int(rng() % kMaxFormatSize), h = 1 + int(rng() % 40), colors = 1 + int(rng() % 12);
    PuzzleData p = RandomPicture(rng, w, h, colors);
    DropUnusedColors(p);
    if (p.ColorCount() == 0) continue;
    // Titles of every kind: quotes and markup, line ends, bytes that are not UTF-8.
    p.title = trial % 3 == 0 ? "題名 \"引用\" & <印>" : trial % 3 == 1 ? "" : "a\nb\xff\xc3(\x01\xed\xa0\x80z";
    for (ForeignFormat f : {ForeignFormat::Xml, ForeignFormat::Non}) {
      if (!Readable(f)) continue;
      PuzzleData back = ParseForeign(f, FormatForeign(f, p));
      EXPECT_EQ(back.title, CleanText(p.title));
      back.title = p.title;
      ExpectSame(p, back, "trial " + std::to_string(trial));
      if (HasFailure()) return;
    }
  }
}

TEST(FormatRoundTrip, PictureOnTheBoardAndBack) {
  std::mt19937 rng(7);
  for (int trial = 0; trial < 50; ++trial) {
    PuzzleData p = RandomPicture(rng, 1 + int(rng() % 20), 1 + int(rng() % 20), 1 + int(rng() % 9));
    DropUnusedColors(p);
    if (p.ColorCount() == 0) continue;
    Rgb table[32];
    for (int i = 0; i < 32; ++i) table[i] = StandardTable()[i];
    ColorMapping m = MapColors(p, table);
    ApplyUserColors(m, table);
    PuzzleState s;
    PictureToState(p, m, s);
    PuzzleData back = DataFromPicture(s, table);
    EXPECT_EQ(back.rows, p.rows);
    EXPECT_EQ(back.cols, p.cols);
    EXPECT_EQ(back.solution, p.solution);
    PuzzleData hints = DataFromHints(s, table);
    EXPECT_EQ(hints.rows, p.rows);
    EXPECT_EQ(hints.cols, p.cols);
  }
}

}  // namespace
}  // namespace gw::test
