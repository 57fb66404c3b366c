// The page picture: the title above, a frame round each hint area, thick lines every five cells,
// digits as large as the printed page's, and numbers of two digits narrowed to leave room.
#include <gtest/gtest.h>

#include "formats/PuzzleSheet.h"

namespace gw {
namespace {

TEST(PuzzleSheet, TitleFramesLinesAndDigits) {
  PuzzleData p;
  p.width = 12;
  p.height = 7;
  p.title = "A&B <test>";
  p.colors = {{"white", MakeRgb(255, 255, 255), '.'}, {"red", MakeRgb(255, 0, 0), 'r'}, {"green", MakeRgb(0, 128, 0), 'g'}};
  p.solution.assign(7, std::vector<int>(12, 0));
  for (int x = 0; x < 12; ++x) p.solution[x % 7][x] = 1 + x % 2;
  for (int x = 0; x < 11; ++x) p.solution[3][x] = 1;  // a run of eleven
  DeriveClues(p);
  const SheetDrawing s = DrawPuzzleSheet(p, false);
  int thick = 0, thin = 0, digits = 0, narrowed = 0;
  const SheetShape* title = nullptr;
  for (const SheetShape& sh : s.shapes) {
    if (sh.kind == SheetShape::Line) (sh.width >= 2 ? thick : thin) += 1;
    if (sh.kind != SheetShape::Text) continue;
    if (!title) {
      title = &sh;
      continue;
    }
    EXPECT_GT(sh.y1, title->y1 + title->width);  // below the title
    EXPECT_GE(sh.width, 20);
    ++digits;
    narrowed += sh.fit > 0;
    EXPECT_EQ(sh.fit > 0, sh.text.size() > 1) << sh.text;
  }
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->text, "「A&B <test>」 (12 × 7)");
  // Board lines 0, 5, 10, 12 across and 0, 5, 7 down, and the two frames' four sides each.
  EXPECT_EQ(thick, 4 + 3 + 8);
  EXPECT_EQ(thin, 13 + 8 - 7);
  EXPECT_GT(digits, 20);
  EXPECT_EQ(narrowed, 1);
  const std::string svg = SheetToSvg(s);
  EXPECT_NE(svg.find("A&amp;B &lt;test&gt;"), std::string::npos);
  EXPECT_NE(svg.find("font-weight=\"bold\""), std::string::npos);
  EXPECT_NE(svg.find(") scale(0."), std::string::npos);  // the eleven narrowed
}

}  // namespace
}  // namespace gw
