// The palette column and the current-colour box: what a click chooses and what gets redrawn.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "display/BoardLayout.h"
#include "display/Colors.h"
#include "display/Draw.h"
#include "display/PaletteBar.h"
#include "mainwnd/MainWnd.h"
#include "state/PuzzleState.h"
#include "support/TestApp.h"

namespace gw {
namespace {

struct PaletteApp : test::TestApp {
  PaletteApp() {
    Start();
    MainWndPaint(app);
    TakeOutput();
  }
  double BandHeight() { return ui.GetSurface(SurfaceId::Pic1).ScaleHeight() / 9; }
  // A press in the middle of band k.
  void Click(int k, int button = kLeftButton) {
    PicMouseDown(app, 1, button, 0, 10, (k - 0.5) * BandHeight());
  }
  std::string Echoed(int k) {
    TakeOutput();
    ui.SetDrawEcho(true);
    Click(k);
    ui.SetDrawEcho(false);
    return TakeOutput();
  }
};

TEST(PaletteClick, FreeSlotsOfTheStartPaletteCannotBeChosen) {
  PaletteApp t;
  for (int k = 2; k <= 9; ++k) {
    EXPECT_EQ(t.Echoed(k), "");
    EXPECT_EQ(t.app.puzzle.CurColor, 1);
  }
}

TEST(PaletteClick, ABandInUseBecomesCurrentAndOnlyTheCurrentColourBoxIsRedrawn) {
  PaletteApp t;
  t.app.puzzle.Palette[4] = 12;
  std::string drawn = t.Echoed(4);
  EXPECT_EQ(t.app.puzzle.CurColor, 4);
  EXPECT_NE(drawn.find("DRAW pic0 clear\n"), std::string::npos);
  EXPECT_NE(drawn.find("color=" + std::to_string(t.app.colors.ColorTable[12]) + "\n"),
            std::string::npos);
  std::istringstream lines(drawn);
  for (std::string l; std::getline(lines, l);) EXPECT_EQ(l.rfind("DRAW pic0 ", 0), 0u) << l;
}

TEST(PaletteClick, AnyButtonChooses) {
  for (int button : {kRightButton, kMiddleButton}) {
    PaletteApp t;
    t.app.puzzle.Palette[3] = 2;
    t.Click(3, button);
    EXPECT_EQ(t.app.puzzle.CurColor, 3);
  }
}

TEST(PaletteClick, ClicksBelowTheNinthBandOrInTheCurrentColourBoxAreIgnored) {
  PaletteApp t;
  for (int k = 1; k <= 9; ++k) t.app.puzzle.Palette[k] = k;
  t.app.puzzle.CurColor = 5;
  double h = std::nearbyint(t.BandHeight());
  PicMouseDown(t.app, 1, kLeftButton, 0, 10, 9 * h + 1);
  PicMouseDown(t.app, 1, kLeftButton, 0, 10, -3);
  PicMouseDown(t.app, 0, kLeftButton, 0, 10, 10);
  EXPECT_EQ(t.app.puzzle.CurColor, 5);
  // The last twip of the ninth band of the rounded band height still hits it.
  PicMouseDown(t.app, 1, kLeftButton, 0, 10, 9 * h - 0.5);
  EXPECT_EQ(t.app.puzzle.CurColor, 9);
}

TEST(PaletteClick, AColumnSqueezedToNothingIgnoresPresses) {
  PaletteApp t;
  t.app.puzzle.Palette[2] = 3;
  t.ui.SetPicGeometry(1, {0, 0, 0, 0});
  PaletteMouseDown(t.app, kLeftButton, 0);
  EXPECT_EQ(t.app.puzzle.CurColor, 1);
}

TEST(PaletteBar, DrawsNineNumberedBandsAndTheCurrentColour) {
  PaletteApp t;
  t.ui.SetDrawEcho(true);
  DrawPaletteBar(t.app, 1);
  std::string only1 = t.TakeOutput();
  DrawPaletteBar(t.app, 3);
  std::string both = t.TakeOutput();
  t.ui.SetDrawEcho(false);
  EXPECT_EQ(only1.find("DRAW pic0"), std::string::npos);
  EXPECT_NE(both.find("DRAW pic0 clear"), std::string::npos);
  for (int k = 1; k <= 9; ++k)
    EXPECT_NE(only1.find(" \"" + std::to_string(k) + "\"\n"), std::string::npos) << k;
  // Band 1 of the start palette is blue, and its box starts at the column's top.
  std::string blue = std::to_string(t.app.colors.ColorTable[9]);
  Surface& pic0 = t.ui.GetSurface(SurfaceId::Pic0);
  std::string width = std::to_string(static_cast<int>(std::nearbyint(pic0.ScaleWidth())));
  EXPECT_NE(only1.find("DRAW pic1 fill 0 0 " + width + " "), std::string::npos) << only1;
  EXPECT_NE(only1.find("color=" + blue + "\n"), std::string::npos);
}

// The numbers of the column stay readable on every band: light on the dark standard colours.
TEST(PaletteBar, NumbersOnDarkBandsAreWhite) {
  const Rgb white = MakeRgb(255, 255, 255), black = MakeRgb(0, 0, 0);
  const std::pair<int, Rgb> table[] = {
      {0, white},  {1, white},  {2, white},  {3, white},  {4, white},  {5, white},
      {6, black},  {7, black},  {8, black},  {9, white},  {10, black}, {11, black},
      {12, black}, {13, black}, {14, black}, {15, black},
  };
  for (auto [index, label] : table) EXPECT_EQ(LabelColorOn(StandardColor(index)), label) << index;

  PaletteApp t;
  t.app.puzzle.Palette[3] = 0;   // black
  t.app.puzzle.Palette[4] = 14;  // yellow
  t.ui.SetDrawEcho(true);
  DrawPaletteBar(t.app, 1);
  std::string out = t.TakeOutput();
  t.ui.SetDrawEcho(false);
  for (auto [k, label] : {std::pair{1, white}, {2, black}, {3, white}, {4, black}})
    EXPECT_NE(out.find("color=" + std::to_string(label) + " \"" + std::to_string(k) + "\"\n"),
              std::string::npos) << k << out;
}

}  // namespace
}  // namespace gw
