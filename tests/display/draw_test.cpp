// The board drawing as the scripted surface records it: which shapes, where, in which colour.
#include "display/BoardLayout.h"
#include "display/Draw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "mainwnd/MainWnd.h"
#include "state/Document.h"
#include "state/PuzzleState.h"
#include "support/TestApp.h"

namespace gw {
namespace {

using test::MakeBoard;
using test::SetColHints;
using test::SetRowHints;

// The window's frame, title and menu bar on the scripted screen.
constexpr double kFrameW = 240, kFrameH = 960;

struct Board : test::TestApp {
  Board() {
    Start();
    TakeOutput();
  }
  void Client(double w, double h) { ui.SetWindowGeometry({0, 0, w + kFrameW, h + kFrameH}); }
  // The DRAW lines of what `draw` does.
  template <typename F>
  std::vector<std::string> Drawn(F draw) {
    TakeOutput();
    ui.SetDrawEcho(true);
    draw();
    ui.SetDrawEcho(false);
    std::vector<std::string> lines;
    std::istringstream in(TakeOutput());
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
  }
  Surface& main() { return ui.GetSurface(SurfaceId::Main); }
  Rgb Color(int i) const { return app.colors.ColorTable[i]; }
};

std::string C(Rgb c) { return std::to_string(c); }

TEST(Layout, AWindowTwiceAsWideAsHighIsHeightDecidedAndCentredInItsLeftPart) {
  Board b;
  MakeBoard(b.app, 5, 5, 2, 2);  // 9 × 9 units with the margins
  b.Client(20000, 10000);
  LayoutBoard(b.app);
  // cw = round(0.9 × 20000 / 9) = 2000 > ch = round(10000 / 9) = 1111
  EXPECT_EQ(b.main().ScaleHeight(), 9);
  EXPECT_EQ(b.main().ScaleWidth(), 18);  // round(outer width 20240 / 1111)
  EXPECT_DOUBLE_EQ(b.main().ScaleTop(), 0);
  EXPECT_DOUBLE_EQ(b.main().ScaleLeft(), -(0.9 * 18 - 9) / 2);
}

TEST(Layout, ATallWindowIsWidthDecidedAndCentredVertically) {
  Board b;
  MakeBoard(b.app, 5, 5, 2, 2);
  b.Client(10000, 20000);
  LayoutBoard(b.app);
  // cw = 1000 < ch = 2222
  EXPECT_EQ(b.main().ScaleWidth(), 10);   // round(9 / 0.9)
  EXPECT_EQ(b.main().ScaleHeight(), 21);  // round(outer height 20960 / 1000)
  EXPECT_DOUBLE_EQ(b.main().ScaleTop(), (9 - 21) / 2.0);
  EXPECT_DOUBLE_EQ(b.main().ScaleLeft(), 0);
}

TEST(Layout, EqualDemandsTakeTheWidthBranch) {
  Board b;
  MakeBoard(b.app, 6, 6, 2, 2);  // 10 × 10 units
  b.Client(1000, 900);           // cw = round(900 / 10) = 90 = ch
  LayoutBoard(b.app);
  EXPECT_EQ(b.main().ScaleWidth(), 11);   // round(10 / 0.9), not round(1240 / 90)
  EXPECT_EQ(b.main().ScaleHeight(), 21);  // round(1860 / 90), not 10
}

TEST(Layout, ClearsHatchesInTheModeColourSetsTheFontAndDrawsThePalette) {
  for (int mode : {kModePlay, kModeNumber, kModeImage}) {
    Board b;
    b.app.puzzle.Mode = mode;
    MakeBoard(b.app, 5, 5, 2, 2);
    b.Client(20000, 10000);
    auto lines = b.Drawn([&] { LayoutBoard(b.app); });
    Rgb hatch = b.Color(mode == kModePlay ? 3 : mode == kModeNumber ? 4 : 6);
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], "DRAW pic1 font 23.333");  // u / 20 × 0.7 with u = 10000 / 15
    EXPECT_EQ(lines[1], "DRAW font 55.55");        // the cell, 1111 twips, in points
    EXPECT_EQ(lines[2], "DRAW mode copy");
    EXPECT_EQ(lines[3], "DRAW clear");
    EXPECT_EQ(lines[4], "DRAW scale 0 0 18 9");
    EXPECT_EQ(lines[5], "DRAW hatch 0 0 18 9 color=" + C(hatch) + " fill=" + C(hatch));
    EXPECT_EQ(lines[6], "DRAW scale -3.6 0 18 9");
    EXPECT_TRUE(std::count(lines.begin(), lines.end(), "DRAW pic0 clear") == 1);
    EXPECT_TRUE(std::count(lines.begin(), lines.end(), "DRAW pic1 clear") == 1);
  }
}

TEST(Layout, PlacesThePaletteBoxesRightOfTheBoard) {
  Board b;
  b.Client(20000, 15000);
  LayoutBoard(b.app);
  TwipsRect pic0 = b.ui.PicGeometry(0), pic1 = b.ui.PicGeometry(1);
  EXPECT_DOUBLE_EQ(pic0.left, 18000);
  EXPECT_DOUBLE_EQ(pic0.width, 1600);
  EXPECT_DOUBLE_EQ(pic0.top, 500);
  EXPECT_DOUBLE_EQ(pic0.height, 1000);
  EXPECT_DOUBLE_EQ(pic1.left, 18000);
  EXPECT_DOUBLE_EQ(pic1.top, 2500);
  EXPECT_DOUBLE_EQ(pic1.height, 9000);
}

TEST(Layout, WithoutAPuzzleOnlyTheBackgroundAndPaletteAreDrawn) {
  Board b;
  b.app.layout.BoardRight = 77;  // kept from an earlier puzzle
  auto lines = b.Drawn([&] { PaintBoard(b.app); });
  for (const std::string& l : lines) {
    EXPECT_NE(l.rfind("DRAW fill", 0), 0u) << l;
    EXPECT_NE(l.rfind("DRAW line", 0), 0u) << l;
  }
  EXPECT_EQ(b.app.layout.BoardRight, 77);
}

TEST(Layout, AWindowShrunkToNothingStillGetsAScale) {
  Board b;
  MakeBoard(b.app, 5, 5, 2, 2);
  b.ui.SetWindowGeometry({0, 0, 0, 0});
  PaintBoard(b.app);
  EXPECT_GE(b.main().ScaleWidth(), 1);
  EXPECT_GE(b.main().ScaleHeight(), 1);
}

TEST(Grid, SetsTheLayoutValues) {
  Board b;
  MakeBoard(b.app, 12, 7, 4, 3);
  LayoutBoard(b.app);
  DrawGrid(b.app);
  const BoardLayout& l = b.app.layout;
  EXPECT_EQ(l.GridLeft, 1);
  EXPECT_EQ(l.BoardLeft, 5);
  EXPECT_EQ(l.BoardRight, 17);
  EXPECT_EQ(l.GridTop, 1);
  EXPECT_EQ(l.BoardTop, 4);
  EXPECT_EQ(l.BoardBottom, 11);
}

TEST(HintText, TwoCharactersForEveryHintNumber) {
  EXPECT_EQ(HintText(0), "  ");
  EXPECT_EQ(HintText(7), " 7");
  EXPECT_EQ(HintText(12), "12");
  EXPECT_EQ(HintText(100), "A0");
  EXPECT_EQ(HintText(-3), " 3");
}

struct Cells : Board {
  Cells() {
    MakeBoard(app, 5, 5, 2, 2);
    app.puzzle.Palette[2] = 12;
    PaintBoard(app);
  }
};

// SetCell only stores; the redraw after it draws the change: the old look off, the new one on.
TEST(SetCell, ReportsWhatItReplacedAndTheRedrawDrawsOnlyAChange) {
  Cells b;
  PuzzleState& p = b.app.puzzle;
  std::string white = C(b.Color(15)), blue = C(b.Color(9)), red = C(b.Color(12));
  EXPECT_TRUE(b.Drawn([&] { EXPECT_EQ(SetCell(b.app, 2, 3, 1), 1); }).empty());
  SetCell(b.app, 2, 3, 0);
  auto paint = b.Drawn([&] {
    EXPECT_EQ(SetCell(b.app, 2, 3, 1), 1);
    Redraw(b.app);
  });
  EXPECT_EQ(paint, (std::vector<std::string>{"DRAW mode xor", "DRAW mode xor",
                                             "DRAW fill 4 5 5 6 color=" + white,
                                             "DRAW fill 4 5 5 6 color=" + blue}));
  EXPECT_TRUE(b.Drawn([&] {
    EXPECT_EQ(SetCell(b.app, 2, 3, 1), 0);
    Redraw(b.app);
  }).empty());
  // A mark over paint: the colour box is erased, then the mark of colour 2 drawn.
  auto mark = b.Drawn([&] {
    EXPECT_EQ(SetCell(b.app, 2, 3, -2), 2);
    Redraw(b.app);
  });
  EXPECT_EQ(mark, (std::vector<std::string>{"DRAW mode xor", "DRAW fill 4 5 5 6 color=" + white,
                                            "DRAW fill 4 5 5 6 color=" + blue, "DRAW mode xor",
                                            "DRAW fill 4.4 5.4 4.6 5.6 color=" + white,
                                            "DRAW fill 4.4 5.4 4.6 5.6 color=" + red}));
  EXPECT_EQ(p.Grid[2][3], -2);
  EXPECT_EQ(SetCell(b.app, 2, 3, 0), 2);
  EXPECT_EQ(p.Grid[2][3], 0);
}

TEST(SetCell, APositionOutsideTheArraysChangesNothing) {
  Cells b;
  EXPECT_EQ(SetCell(b.app, 0, 1, 1), 0);
  EXPECT_EQ(SetCell(b.app, kCap, 1, 1), 0);
  EXPECT_EQ(SetCell(b.app, 1, -4, 1), 0);
  EXPECT_EQ(b.app.puzzle.Grid[0][1], 0);
}

TEST(DrawCell, EachMarkStyleIsAnExclusiveOrPairInTheMarksColour) {
  Cells b;
  std::string white = C(b.Color(15)), red = C(b.Color(12));
  b.app.puzzle.MarkStyle = 1;
  EXPECT_EQ(b.Drawn([&] { DrawCell(b.app, 1, 1, -2); }),
            (std::vector<std::string>{"DRAW mode xor", "DRAW line 4 3 3 4 color=" + white,
                                      "DRAW line 4 3 3 4 color=" + red}));
  for (int style : {2, 7}) {  // 2 and every unknown style: the cross
    b.app.puzzle.MarkStyle = style;
    EXPECT_EQ(
        b.Drawn([&] { DrawCell(b.app, 1, 1, -2); }),
        (std::vector<std::string>{
            "DRAW mode xor", "DRAW line 4 3 3 4 color=" + white, "DRAW line 3 3 4 4 color=" + white,
            "DRAW line 4 3 3 4 color=" + red, "DRAW line 3 3 4 4 color=" + red}));
  }
  EXPECT_EQ(b.Drawn([&] { DrawCell(b.app, 1, 1, 0); }),
            (std::vector<std::string>{"DRAW mode xor"}));
}

TEST(DrawCells, RowByRowEveryCellOfTheGrid) {
  Cells b;
  b.app.puzzle.Grid[5][1] = 1;
  b.app.puzzle.Grid[1][2] = 2;
  auto lines = b.Drawn([&] { DrawCells(b.app); });
  std::vector<std::string> fills;
  for (auto& l : lines)
    if (l.find("fill") != std::string::npos) fills.push_back(l.substr(0, 20));
  EXPECT_EQ(fills, (std::vector<std::string>{"DRAW fill 7 3 8 4 co", "DRAW fill 7 3 8 4 co",
                                             "DRAW fill 3 4 4 5 co", "DRAW fill 3 4 4 5 co"}));
}

TEST(Hints, EverySlotIsPrintedInItsColourAndTicksAreRedrawn) {
  Board b;
  MakeBoard(b.app, 3, 2, 2, 2);
  b.app.puzzle.Palette[2] = 12;
  SetRowHints(b.app, 1, {100, 7}, 2);
  SetColHints(b.app, 3, {12});
  b.app.puzzle.RowHints[2][1][kHintCheck] = -1;
  b.app.layout.HoverCol = 2;
  b.app.layout.HoverRow = 1;
  LayoutBoard(b.app);
  DrawGrid(b.app);
  auto lines = b.Drawn([&] { DrawHints(b.app); });
  std::string red = C(b.Color(12)), white = C(b.Color(15));
  int texts = static_cast<int>(std::count_if(lines.begin(), lines.end(), [](const std::string& l) {
    return l.rfind("DRAW text", 0) == 0;
  }));
  EXPECT_EQ(texts, 2 * 2 + 3 * 2);
  EXPECT_EQ(lines[0], "DRAW text 1 3 color=" + red + " \"A0\"");
  EXPECT_EQ(lines[1], "DRAW text 2 3 color=" + red + " \" 7\"");
  // The tick on row 1, slot 2: the square (2, 3).
  EXPECT_EQ(lines[2], "DRAW mode xor");
  EXPECT_EQ(lines[3], "DRAW line 2 3 3 4 color=" + white);
  EXPECT_EQ(lines[4], "DRAW line 3 3 2 4 color=" + white);
  EXPECT_NE(
      std::find(lines.begin(), lines.end(), "DRAW text 5 2 color=" + C(b.Color(9)) + " \"12\""),
      lines.end());
  EXPECT_EQ(b.app.layout.HoverCol, 0);
  EXPECT_EQ(b.app.layout.HoverRow, 0);
}

// A repaint that shows a tick marks the game changed; the redraw that brings a tick to the
// picture leaves that to whoever ticked it.
TEST(Hints, ARepaintShowingATickCountsAsAChangeARedrawDoesNot) {
  Cells b;
  PuzzleState& p = b.app.puzzle;
  PaintBoard(b.app);
  p.RowHints[1][1][kHintCheck] = -1;
  b.app.document.Dirty = 0;
  auto redrawn = b.Drawn([&] { Redraw(b.app); });
  EXPECT_EQ(b.app.document.Dirty, 0);
  EXPECT_EQ(redrawn.size(), 3u);  // the mode and the two strokes of one cross
  PaintBoard(b.app);
  EXPECT_EQ(b.app.document.Dirty, 1);
}

TEST(Toggles, TheInputCursorSitsInsideItsSlot) {
  Cells b;
  std::string white = C(b.Color(15));
  BoardLayout& l = b.app.layout;
  l.CursorSide = 1, l.CursorX = 2, l.CursorY = 4;
  EXPECT_EQ(b.Drawn([&] { ToggleInputCursor(b.app); }).back(),
            "DRAW fill 2.1 6.1 2.9 6.9 color=" + white);
  l.CursorSide = 2, l.CursorX = 5, l.CursorY = 1;
  EXPECT_EQ(b.Drawn([&] { ToggleInputCursor(b.app); }).back(),
            "DRAW fill 7.1 1.1 7.9 1.9 color=" + white);
  l.CursorSide = 0;
  EXPECT_EQ(b.Drawn([&] { ToggleInputCursor(b.app); }).back(),
            "DRAW fill 0.1 0.1 0.9 0.9 color=" + white);
}

TEST(Toggles, StripHighlightsCoverTheWholeHintStripOfTheirLine) {
  Board b;
  MakeBoard(b.app, 6, 5, 3, 2);
  PaintBoard(b.app);
  std::string tail = " color=" + C(b.Color(4)) + " fill=" + C(MakeRgb(128, 0, 0));
  EXPECT_EQ(b.Drawn([&] { ToggleRowStrip(b.app, 4); }),
            (std::vector<std::string>{"DRAW mode xor", "DRAW hatch 1 6 4 7" + tail}));
  EXPECT_EQ(b.Drawn([&] { ToggleColStrip(b.app, 2); }),
            (std::vector<std::string>{"DRAW mode xor", "DRAW hatch 5 1 6 3" + tail}));
}

TEST(Paint, NumberInputModeShowsTheCursorInsteadOfTheCells) {
  Board b;
  b.app.puzzle.Mode = kModeNumber;
  MakeBoard(b.app, 3, 3, 1, 1);
  b.app.puzzle.Grid[1][1] = 1;
  b.app.layout.CursorSide = 1, b.app.layout.CursorX = 1, b.app.layout.CursorY = 1;
  auto lines = b.Drawn([&] { PaintBoard(b.app); });
  EXPECT_EQ(lines.back(), "DRAW fill 1.1 2.1 1.9 2.9 color=" + C(b.Color(15)));
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "DRAW fill 2 2 3 3 color=" + C(b.Color(9))), 0);
}

}  // namespace
}  // namespace gw
