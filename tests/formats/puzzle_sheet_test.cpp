// The page picture: the title above, a frame round each hint area, thick lines every five cells,
// digits as large as the printed page's, and numbers of two digits narrowed to leave room.
#include <gtest/gtest.h>

#include <algorithm>

#include "formats/PuzzleSheet.h"

namespace gw {
namespace {

PuzzleData TwoColourPuzzle() {
  PuzzleData p;
  p.width = 12;
  p.height = 7;
  p.title = "A&B <test>";
  p.colors = {{"white", MakeRgb(255, 255, 255), '.'}, {"red", MakeRgb(255, 0, 0), 'r'}, {"green", MakeRgb(0, 128, 0), 'g'}};
  p.solution.assign(7, std::vector<int>(12, 0));
  for (int x = 0; x < 12; ++x) p.solution[x % 7][x] = 1 + x % 2;
  for (int x = 0; x < 11; ++x) p.solution[3][x] = 1;
  DeriveClues(p);
  return p;
}

std::vector<SheetShape> OfKind(const SheetDrawing& s, SheetShape::Kind kind) {
  std::vector<SheetShape> out;
  std::copy_if(s.shapes.begin(), s.shapes.end(), std::back_inserter(out), [&](const SheetShape& sh) { return sh.kind == kind; });
  return out;
}

TEST(PuzzleSheet, TitleFramesAndLines) {
  const PuzzleData p = TwoColourPuzzle();
  const SheetDrawing s = DrawPuzzleSheet(p, false);
  std::vector<SheetShape> texts = OfKind(s, SheetShape::Text);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts[0].text, "「A&B <test>」 (12 × 7)");
  // The title stands above every hint.
  for (size_t i = 1; i < texts.size(); ++i) EXPECT_GT(texts[i].y1, texts[0].y1 + texts[0].width);
  std::vector<SheetShape> lines = OfKind(s, SheetShape::Line);
  double thick = 0;
  int thickLines = 0;
  for (const SheetShape& l : lines) thick = std::max(thick, l.width);
  for (const SheetShape& l : lines) thickLines += l.width == thick;
  // Board lines 0, 5, 10, 12 across and 0, 5, 7 down, and the two frames' four sides each.
  EXPECT_EQ(thickLines, 4 + 3 + 8);
  EXPECT_EQ(lines.size(), size_t(13 + 8 + 8));
}

TEST(PuzzleSheet, DigitsAreLargeAndTwoDigitsNarrowed) {
  const PuzzleData p = TwoColourPuzzle();
  const SheetDrawing s = DrawPuzzleSheet(p, false);
  int wide = 0;
  for (const SheetShape& t : OfKind(s, SheetShape::Text)) {
    if (t.text.front() == '\xE3') continue;  // the title
    EXPECT_GE(t.width, 20);
    wide += t.text.size() > 1;
    EXPECT_EQ(t.fit > 0, t.text.size() > 1) << t.text;
  }
  EXPECT_GT(wide, 0);  // the row of eleven
  const std::string svg = SheetToSvg(s);
  EXPECT_NE(svg.find("A&amp;B &lt;test&gt;"), std::string::npos);
  EXPECT_NE(svg.find("font-weight=\"bold\""), std::string::npos);
  EXPECT_NE(svg.find(") scale(0."), std::string::npos);  // "11" narrowed
}

}  // namespace
}  // namespace gw
