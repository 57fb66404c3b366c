// Where a puzzle's colours go in the 32-colour table, and conversion through any file format with
// its refusals.
#include <gtest/gtest.h>

#include "FormatTestSupport.h"
#include "display/BoardLayout.h"
#include "display/Colors.h"
#include "formats/AnyPuzzleFile.h"
#include "formats/ForeignFiles.h"
#include "formats/PuzzleBridge.h"
#include "support/TestApp.h"

namespace gw::test {
namespace {

const Rgb kWhite = MakeRgb(255, 255, 255);

struct Table {
  Rgb c[32];
  Table() {
    for (int i = 0; i < 16; ++i) c[i] = StandardColor(i);
    for (int i = 16; i < 32; ++i) c[i] = kWhite;
  }
};

PuzzleData WithColors(std::vector<Rgb> colors) {
  PuzzleData p;
  p.colors.push_back({"white", kWhite, '.'});
  for (Rgb c : colors) p.colors.push_back({"", c, 0});
  return p;
}

TEST(ColorMapping, ExactColoursFreeSlotsThenNearestNeverFifteenNeverShared) {
  Table t;
  // Exact standard colours go to their entries; a new colour to the first free user slot.
  ColorMapping m = MapColors(WithColors({MakeRgb(255, 0, 0), MakeRgb(12, 34, 56), MakeRgb(0, 0, 255)}), t.c);
  EXPECT_EQ(m.entry[1], 12);
  EXPECT_EQ(m.entry[3], 9);
  EXPECT_EQ(m.entry[2], 16);
  EXPECT_TRUE(m.userSet[16]);
  EXPECT_EQ(m.userColor[16], MakeRgb(12, 34, 56));
  for (int k = 1; k <= 3; ++k) EXPECT_TRUE(m.exact[k]);
  // White never takes entry 15 (the mark of a free palette slot).
  ColorMapping w = MapColors(WithColors({kWhite}), t.c);
  EXPECT_NE(w.entry[1], kFreeColor);
  // With every user slot taken, nine near-black colours take nine different entries.
  for (int i = 16; i < 32; ++i) t.c[i] = MakeRgb(i, i, i);
  std::vector<Rgb> dark;
  for (int k = 1; k <= 9; ++k) dark.push_back(MakeRgb(k, 0, 0) + 0x010101 * 40);
  ColorMapping n = MapColors(WithColors(dark), t.c);
  for (int a = 1; a <= 9; ++a) {
    EXPECT_NE(n.entry[a], kFreeColor);
    for (int b = a + 1; b <= 9; ++b) EXPECT_NE(n.entry[a], n.entry[b]);
  }
  // Without filling slots the table is left alone and the nearest entry is used.
  ColorMapping q = MapColors(WithColors({MakeRgb(250, 5, 5)}), Table().c, false);
  EXPECT_EQ(q.entry[1], 12);
  EXPECT_FALSE(q.exact[1]);
}

TEST(AnyPuzzleFile, ConversionsThroughTheProgramsOwnFormatsAndTheirRefusals) {
  TempDir dir;
  TestApp t;
  for (int i = 0; i < 16; ++i) t.app.colors.ColorTable[i] = StandardColor(i);
  std::string gwm = (kTestPuzzles / "loom-take-two.gwm").string();
  PuzzleData p = ReadAnyPuzzle(t.app, gwm);
  for (const char* out : {"a.xml", "a.non", "a.gwm", "a.gwk"}) {
    if (!ReadableFile(out)) continue;
    WriteAnyPuzzle(t.app, p, dir.File(out));
    PuzzleData back = ReadAnyPuzzle(t.app, dir.File(out));
    EXPECT_EQ(back.rows, p.rows) << out;
    EXPECT_EQ(back.cols, p.cols) << out;
  }
  EXPECT_EQ(ReadFileBytes(dir.File("a.gwm")), ReadFileBytes(gwm)) << "a .gwm written back is the same file";
  // A monochrome puzzle through .gwc.
  PuzzleData mono = ReadAnyPuzzle(t.app, (kTestPuzzles / "wilk-data148.gwm").string());
  WriteAnyPuzzle(t.app, mono, dir.File("m.gwc"));
  EXPECT_EQ(ReadAnyPuzzle(t.app, dir.File("m.gwc")).rows, mono.rows);
  // What the targets cannot hold is refused and nothing is written.
  PuzzleData big = ReadForeignFile((kSourceDir / "bench" / "puzzles" / "webpbn-16.non").string());
  EXPECT_THROW(WriteAnyPuzzle(t.app, big, dir.File("big.gwm")), FormatError);
  EXPECT_THROW(WriteAnyPuzzle(t.app, p, dir.File("c.gwc")), FormatError);
  PuzzleData several = ReadAnyPuzzle(t.app, (kTestPuzzles / "wilk-data001.gwm").string());
  EXPECT_THROW(WriteAnyPuzzle(t.app, several, dir.File("s.gwk")), FormatError);
  EXPECT_THROW(WriteAnyPuzzle(t.app, p, dir.File("x.g")), FormatError);
  for (const char* none : {"big.gwm", "c.gwc", "s.gwk", "x.g"}) EXPECT_FALSE(std::filesystem::exists(dir.File(none)));
}

}  // namespace
}  // namespace gw::test
