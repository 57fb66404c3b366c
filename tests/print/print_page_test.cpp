#include <gtest/gtest.h>

#include <sstream>

#include "print/Insatu.h"
#include "print/PrintPage.h"
#include "state/Document.h"
#include "state/PuzzleState.h"
#include "state/WindowState.h"
#include "support/TestApp.h"

namespace gw {
namespace {

std::vector<std::string> Lines(const std::string& text, const std::string& prefix) {
  std::vector<std::string> found;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    if (line.rfind(prefix, 0) == 0) found.push_back(line);
  return found;
}

bool Has(const std::string& text, const std::string& line) {
  return text.find(line + "\n") != std::string::npos;
}

// A puzzle printed at the default place and size: S = T = 25, c = 2.5.
struct PrintPage : ::testing::Test {
  test::TestApp t;
  PuzzleState& p = t.app.puzzle;

  void SetUp() override {
    t.Start();
    t.TakeOutput();
  }
  std::string Print(PageGeometry page = {}) {
    PrintPuzzle(t.app, t.ui.GetPrinter(), page);
    return t.TakeOutput();
  }
};

TEST_F(PrintPage, SizeLineWithAndWithoutTheUnitRemark) {
  test::MakeBoard(t.app, 15, 20, 10, 8);
  EXPECT_EQ(PrintSizeText(t.app, 2.5, true), " 62.5 × 70 の大きさになります。（単位mm）");
  EXPECT_EQ(PrintSizeText(t.app, 4, false), " 100 × 112 の大きさになります。");
  EXPECT_EQ(PrintSizeText(t.app, -1, false), "-25 ×-28 の大きさになります。");
}

TEST_F(PrintPage, TitleLinesStandOneCellBelowThePuzzle) {
  test::MakeBoard(t.app, 15, 20, 3, 4);
  p.Title = "ねこ";
  t.app.document.CurFileName = "cat.GWM";
  std::string out = Print();
  // 25 + 2.5 × (4 + 20 + 1) = 87.5; the second line one 11-point line (3.881 mm) lower.
  EXPECT_TRUE(Has(out, "PRINT font \"ＭＳ 明朝\" 11")) << out;
  EXPECT_TRUE(Has(out, "PRINT text 25 87.5 color=default \"「ねこ」 ( cat.GWM )\"")) << out;
  EXPECT_TRUE(Has(out, "PRINT text 25 91.381 color=default \" ( 15 × 20 )   グリッドウィック\"")) << out;
}

TEST_F(PrintPage, EveryFifthBoardLineIsThickAndHintEdgesAreThin) {
  test::MakeBoard(t.app, 15, 15, 2, 3);
  std::string out = Print();
  // Horizontal board lines: y = 25 + 2.5 × (3 + i), from x = 25 to 25 + 2.5 × 17 = 67.5.
  for (int i = 0; i <= 15; ++i) {
    std::ostringstream line;
    line << "PRINT line 25 " << 32.5 + 2.5 * i << " 67.5 " << 32.5 + 2.5 * i
         << " width=" << (i % 5 == 0 ? 3 : 1) << " color=0";
    EXPECT_TRUE(Has(out, line.str())) << line.str();
  }
  for (int j = 0; j <= 15; ++j) {
    std::ostringstream line;
    line << "PRINT line " << 30 + 2.5 * j << " 25 " << 30 + 2.5 * j << " 70"
         << " width=" << (j % 5 == 0 ? 3 : 1) << " color=0";
    EXPECT_TRUE(Has(out, line.str())) << line.str();
  }
  // The outer edges of the hint areas and the lines between their slots.
  EXPECT_TRUE(Has(out, "PRINT line 25 32.5 25 70 width=1 color=0"));
  EXPECT_TRUE(Has(out, "PRINT line 27.5 32.5 27.5 70 width=1 color=0"));
  EXPECT_TRUE(Has(out, "PRINT line 30 25 67.5 25 width=1 color=0"));
  EXPECT_TRUE(Has(out, "PRINT line 30 30 67.5 30 width=1 color=0"));
  EXPECT_EQ(Lines(out, "PRINT line").size(), 16u + 16u + 2u + 3u);
}

TEST_F(PrintPage, HintsStartAtTheirOffsetsAndEmptySlotsPrintNothing) {
  test::MakeBoard(t.app, 5, 5, 2, 2);
  test::SetRowHints(t.app, 1, {7, 12});
  test::SetColHints(t.app, 1, {7});
  test::SetColHints(t.app, 2, {100});
  std::string out = Print();
  // 0.95 of a 2.5 mm cell in points.
  EXPECT_TRUE(Has(out, "PRINT font \"ＭＳ 明朝\" 6.732")) << out;
  // Row 1, slot 1 (7): x = 25 + 2.5 × 0.3; slot 2 (12): x = 27.5 + 2.5 × 0.05; y = 30 + 0.125.
  EXPECT_TRUE(Has(out, "PRINT text 25.75 30.125 color=default \"7\"")) << out;
  EXPECT_TRUE(Has(out, "PRINT text 27.625 30.125 color=default \"12\"")) << out;
  // Column 1, slot 2 (7): x = 30 + 0.75, y = 27.5 + 0.125; the special hint reads as on the board.
  EXPECT_TRUE(Has(out, "PRINT text 30.75 27.625 color=default \"7\"")) << out;
  EXPECT_TRUE(Has(out, "PRINT text 32.625 27.625 color=default \"A0\"")) << out;
  EXPECT_EQ(Lines(out, "PRINT text").size(), 2u + 4u);
}

TEST_F(PrintPage, HintColoursOnlyForTheColourPrinterButCellsAlwaysInColour) {
  test::MakeBoard(t.app, 2, 1, 1, 1);
  p.Palette[2] = 12;
  test::SetRowHints(t.app, 1, {1}, 2);
  test::SetColHints(t.app, 2, {1}, 2);
  p.Grid[2][1] = 2;
  std::string mono = Print();
  EXPECT_TRUE(Has(mono, "PRINT text 25.75 27.625 color=default \"1\"")) << mono;
  EXPECT_TRUE(Has(mono, "PRINT box 30 27.5 32.5 30 color=255")) << mono;
  t.app.wnd.ColorPrinter = 1;
  std::string colour = Print();
  EXPECT_TRUE(Has(colour, "PRINT text 25.75 27.625 color=255 \"1\"")) << colour;
  EXPECT_TRUE(Has(colour, "PRINT text 30.75 25.125 color=255 \"1\"")) << colour;
  EXPECT_TRUE(Has(colour, "PRINT box 30 27.5 32.5 30 color=255")) << colour;
}

TEST_F(PrintPage, CellsComeAfterTheLines) {
  test::MakeBoard(t.app, 1, 1, 1, 1);
  p.Grid[1][1] = 1;
  std::string out = Print();
  EXPECT_GT(out.find("PRINT box"), out.rfind("PRINT line"));
}

TEST_F(PrintPage, EmptyMarksPrintBlackByStyle) {
  test::MakeBoard(t.app, 1, 1, 1, 1);
  p.Grid[1][1] = -3;
  p.Palette[3] = 12;
  p.MarkStyle = 0;
  EXPECT_TRUE(Has(Print(), "PRINT point 28.75 28.75 color=0"));
  p.MarkStyle = 1;
  std::string slash = Print();
  EXPECT_TRUE(Has(slash, "PRINT line 27.5 30 30 27.5 width=1 color=0")) << slash;
  EXPECT_FALSE(Has(slash, "PRINT line 27.5 27.5 30 30 width=1 color=0"));
  p.MarkStyle = 9;
  std::string cross = Print();
  EXPECT_TRUE(Has(cross, "PRINT line 27.5 30 30 27.5 width=1 color=0"));
  EXPECT_TRUE(Has(cross, "PRINT line 27.5 27.5 30 30 width=1 color=0"));
  EXPECT_EQ(cross.find("PRINT point"), std::string::npos);
}

TEST_F(PrintPage, ACustomPlaceAndSizeMoveEverything) {
  test::MakeBoard(t.app, 1, 1, 0, 0);
  p.Grid[1][1] = 1;
  std::string out = Print({10, 20, 4});
  EXPECT_TRUE(Has(out, "PRINT box 10 20 14 24 color=16711680")) << out;
  EXPECT_TRUE(Has(out, "PRINT text 10 28 color=default \"「」 (  )\"")) << out;
}

}  // namespace
}  // namespace gw
