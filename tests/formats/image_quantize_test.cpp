// Pictures from images of our own making: a pixel-art sprite comes back cell for cell, a
// three-colour logo keeps its colours and gives a puzzle the engine solves to that picture, a
// photo-like gradient keeps its order of lightness, and the background is the edge's colour (or
// the transparent surround). Flat colours stay exactly themselves, one colour is the whole shape,
// and large areas are chosen before small specks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "formats/ColorSpace.h"
#include "formats/EngineInput.h"
#include "formats/ForeignFiles.h"
#include "pictures/ImageQuantize.h"

namespace gw {
namespace {

const Rgb kWhite = MakeRgb(255, 255, 255), kRed = MakeRgb(220, 30, 30), kBlue = MakeRgb(20, 40, 200),
          kYellow = MakeRgb(250, 210, 20), kGreen = MakeRgb(30, 160, 60);

ImagePixels Canvas(int w, int h, Rgb fill) {
  return {w, h, std::vector<Rgb>(size_t(w) * h, fill), {}};
}

void Rect(ImagePixels& im, int x0, int y0, int x1, int y1, Rgb c) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) im.rgb[size_t(y) * im.width + x] = c;
}

double Distance(Rgb a, Rgb b) { return std::sqrt(LabDistance2(ToLab(a), ToLab(b))); }

// Which colour of the puzzle lies nearest to `c`.
int ColorNear(const PuzzleData& p, Rgb c) {
  int best = 0;
  for (int k = 1; k <= p.ColorCount(); ++k)
    if (Distance(p.colors[k].rgb, c) < Distance(p.colors[best].rgb, c)) best = k;
  return best;
}

TEST(ImageQuantize, APixelSpriteComesBackCellForCell) {
  const char* sprite[] = {"..rr..", ".rggr.", "rgyygr", "rgyygr", ".rggr.", "..bb.."};
  const Rgb colors[] = {kRed, kGreen, kYellow, kBlue};
  const char* keys = "rgyb";
  ImagePixels im = Canvas(24, 24, kWhite);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x)
      if (const char* k = std::strchr(keys, sprite[y][x]); k && *k)
        Rect(im, x * 4, y * 4, x * 4 + 4, y * 4 + 4, colors[k - keys]);
  PuzzleData p = QuantizeImage(im, {6, 4});
  ASSERT_EQ(p.width, 6);
  ASSERT_EQ(p.height, 6);
  ASSERT_EQ(p.ColorCount(), 4);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) {
      const char* k = std::strchr(keys, sprite[y][x]);
      int expected = k && *k ? ColorNear(p, colors[k - keys]) : 0;
      EXPECT_EQ(p.solution[y][x], expected) << x << "," << y;
    }
  for (int c = 0; c < 4; ++c) EXPECT_LT(Distance(p.colors[ColorNear(p, colors[c])].rgb, colors[c]), 2.0);
  EXPECT_NO_THROW(CheckPuzzle(p));
}

TEST(ImageQuantize, ALogoKeepsItsThreeColoursAndTheEngineFindsItsPicture) {
  ImagePixels im = Canvas(90, 60, MakeRgb(235, 235, 235));
  Rect(im, 6, 6, 42, 54, kRed);
  Rect(im, 48, 6, 84, 24, kBlue);
  Rect(im, 54, 30, 78, 54, kYellow);
  Rect(im, 18, 18, 30, 42, MakeRgb(235, 235, 235));
  PuzzleData p = QuantizeImage(im, {15, 3});
  EXPECT_EQ(p.width, 15);
  EXPECT_EQ(p.height, 10);
  ASSERT_EQ(p.ColorCount(), 3);
  EXPECT_LT(Distance(p.colors[0].rgb, MakeRgb(235, 235, 235)), 2.0);
  for (Rgb c : {kRed, kBlue, kYellow}) EXPECT_LT(Distance(p.colors[ColorNear(p, c)].rgb, c), 2.0);
  analysis::Analysis a = analysis::Analyze(EnginePuzzle(p));
  ASSERT_GE(a.solutions, 1);
  bool found = false;
  for (const analysis::Board& b : a.boards) {
    bool same = true;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) same = same && b.At(x, y) == p.solution[y][x];
    found = found || same;
  }
  // With two solutions the engine may report others; a unique puzzle must be this picture.
  if (a.solutions == 1) {
    EXPECT_TRUE(found);
  }
  EXPECT_EQ(a.solutions, 1) << "the logo's blocks are solid rectangles: line reasoning fixes them";
}

TEST(ImageQuantize, APhotoLikeGradientKeepsItsOrderOfLightness) {
  ImagePixels im = Canvas(200, 100, 0);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x) {
      int v = x * 255 / 199;
      im.rgb[size_t(y) * 200 + x] = MakeRgb(v, std::min(255, v + y / 4), std::max(0, v - y / 3));
    }
  for (int x = 0; x < 200; ++x) Rect(im, x, 0, x + 1, 1, kWhite), Rect(im, x, 99, x + 1, 100, kWhite);
  PuzzleData p = QuantizeImage(im, {20, 4});
  EXPECT_EQ(p.width, 20);
  EXPECT_EQ(p.height, 10);
  EXPECT_EQ(p.ColorCount(), 4);
  for (int y = 1; y + 1 < p.height; ++y)
    for (int x = 1; x < p.width; ++x) {
      double before = ToLab(p.colors[p.solution[y][x - 1]].rgb).L, now = ToLab(p.colors[p.solution[y][x]].rgb).L;
      if (p.solution[y][x] != 0 && p.solution[y][x - 1] != 0) {
        EXPECT_LE(before, now + 1e-9) << x << "," << y;
      }
    }
  EXPECT_NO_THROW(CheckPuzzle(p));
}

TEST(ImageQuantize, TheBackgroundIsTheEdgeColourAndTransparencyIsBackground) {
  ImagePixels im = Canvas(40, 20, kBlue);
  Rect(im, 10, 5, 30, 15, kRed);
  im.alpha.assign(im.rgb.size(), 255);
  for (int x = 0; x < 5; ++x) im.alpha[size_t(10) * 40 + 20 + x] = 0;  // a transparent streak inside the red
  PuzzleData p = QuantizeImage(im, {8, 2});
  EXPECT_EQ(p.width, 8);
  EXPECT_EQ(p.height, 4);
  EXPECT_LT(Distance(p.colors[0].rgb, kBlue), 2.0);
  EXPECT_EQ(p.ColorCount(), 1) << "blue is the background, red the only colour";
  for (int x = 0; x < 8; ++x) EXPECT_EQ(p.solution[0][x], 0);
}

// What a drawing with a transparent surround, cut to its shape, gives: the shape touches all four
// edges, yet the surround is the background and the shape keeps its colour.
TEST(ImageQuantize, ATransparentSurroundIsTheBackgroundEvenWhereTheShapeTouchesTheEdge) {
  ImagePixels im = Canvas(40, 40, kRed);
  im.alpha.assign(im.rgb.size(), 0);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x)
      if ((x - 19.5) * (x - 19.5) + (y - 19.5) * (y - 19.5) <= 20 * 20) im.alpha[size_t(y) * 40 + x] = 255;
  PuzzleData p = QuantizeImage(im, {10, 2});
  ASSERT_EQ(p.ColorCount(), 1);
  EXPECT_LT(Distance(p.colors[0].rgb, kWhite), 2.0);
  EXPECT_LT(Distance(p.colors[1].rgb, kRed), 2.0);
  EXPECT_EQ(p.solution[0][0], 0);
  EXPECT_EQ(p.solution[5][5], 1);
}

// A yellow badge with a dark rim drawn smooth: the cells along the rim mix the two. The yellow of
// the puzzle is the badge's own, not pulled towards olive by the mixed cells.
TEST(ImageQuantize, FlatColoursKeepTheirHueWhereEdgesAreMixed) {
  const Rgb kRim = MakeRgb(90, 50, 20);
  ImagePixels im = Canvas(60, 60, kWhite);
  Rect(im, 4, 4, 56, 56, kRim);
  Rect(im, 14, 14, 46, 46, kYellow);  // cells of 4 pixels: two of rim, then one half rim, half yellow
  Rect(im, 26, 26, 34, 34, kBlue);
  for (int colors : {2, 3}) {
    PuzzleData p = QuantizeImage(im, {15, colors});
    EXPECT_LT(Distance(p.colors[ColorNear(p, kYellow)].rgb, kYellow), 2.0) << colors << " colours";
    EXPECT_LT(Distance(p.colors[ColorNear(p, kRim)].rgb, kRim), 2.0) << colors << " colours";
  }
}

// One colour is the shape against the background: a pale face with dark eyes stays a whole face,
// on an opaque background as on a transparent one.
TEST(ImageQuantize, OneColourKeepsTheWholeShape) {
  for (bool transparent : {false, true}) {
    ImagePixels im = Canvas(50, 50, kWhite);
    Rect(im, 5, 5, 45, 45, MakeRgb(255, 220, 90));
    Rect(im, 15, 15, 20, 25, MakeRgb(20, 20, 20));
    Rect(im, 30, 15, 35, 25, MakeRgb(20, 20, 20));
    if (transparent) {
      im.alpha.assign(im.rgb.size(), 0);
      for (int y = 5; y < 45; ++y)
        for (int x = 5; x < 45; ++x) im.alpha[size_t(y) * 50 + x] = 255;
    }
    PuzzleData p = QuantizeImage(im, {10, 1});
    ASSERT_EQ(p.ColorCount(), 1) << transparent;
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) {
        bool inside = x >= 1 && x < 9 && y >= 1 && y < 9;
        EXPECT_EQ(p.solution[y][x], inside ? 1 : 0) << x << "," << y << (transparent ? " transparent" : "");
      }
  }
}

// Two colours for two large areas, whatever small dark detail lies beside them: a speck is not
// picked over a whole area.
TEST(ImageQuantize, LargeAreasAreChosenBeforeASmallDarkSpeck) {
  const Rgb kLightGreen = MakeRgb(150, 220, 150), kLightBlue = MakeRgb(150, 190, 240);
  ImagePixels im = Canvas(80, 40, kWhite);
  Rect(im, 4, 4, 38, 36, kLightGreen);
  Rect(im, 42, 4, 76, 36, kLightBlue);
  Rect(im, 20, 18, 24, 22, MakeRgb(0, 0, 0));
  PuzzleData p = QuantizeImage(im, {20, 2});
  ASSERT_EQ(p.ColorCount(), 2);
  EXPECT_LT(Distance(p.colors[ColorNear(p, kLightGreen)].rgb, kLightGreen), 2.0);
  EXPECT_LT(Distance(p.colors[ColorNear(p, kLightBlue)].rgb, kLightBlue), 2.0);
}

// The colours are numbered from the one most unlike the background, not by the size of their areas.
TEST(ImageQuantize, ColourOneIsTheColourMostUnlikeTheBackground) {
  const Rgb kPale = MakeRgb(250, 230, 160), kNavy = MakeRgb(20, 30, 90), kMid = MakeRgb(200, 80, 80);
  ImagePixels im = Canvas(60, 30, kWhite);
  Rect(im, 3, 3, 40, 27, kPale);
  Rect(im, 42, 3, 50, 27, kMid);
  Rect(im, 52, 3, 57, 27, kNavy);
  PuzzleData p = QuantizeImage(im, {20, 3});
  ASSERT_EQ(p.ColorCount(), 3);
  EXPECT_EQ(ColorNear(p, kNavy), 1);
  EXPECT_EQ(ColorNear(p, kMid), 2);
  EXPECT_EQ(ColorNear(p, kPale), 3);
}

TEST(ImageQuantize, BoardSizeKeepsTheAspect) {
  struct Case { int w, h, side, bw, bh; };
  const Case cases[] = {{100, 50, 20, 20, 10}, {50, 100, 20, 10, 20}, {300, 10, 20, 20, 1}, {7, 7, 5, 5, 5},
                        {640, 480, 15, 15, 11}};
  for (const Case& c : cases) {
    int w = 0, h = 0;
    BoardSizeFor({c.w, c.h, {}, {}}, c.side, w, h);
    EXPECT_EQ(w, c.bw) << c.w << "x" << c.h;
    EXPECT_EQ(h, c.bh) << c.w << "x" << c.h;
  }
}

}  // namespace
}  // namespace gw

namespace gw {
namespace {

// Random blotchy images of near colours, every size and count of colours: whatever the image,
// every two colours of the puzzle, the background among them, end at least 15 apart, and the
// cells keep to the colours the puzzle lists.
TEST(ImageQuantize, EveryTwoColoursEndAtLeastFifteenApart) {
  unsigned seed = 12345;
  auto next = [&seed](unsigned n) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % n;
  };
  for (int round = 0; round < 60; ++round) {
    // A few base colours, each also in shades a few steps away: the clusters lie close.
    std::vector<Rgb> shades;
    int bases = 1 + int(next(4));
    for (int b = 0; b < bases; ++b) {
      int r = int(next(256)), g = int(next(256)), bl = int(next(256));
      for (int s = 0; s < 3; ++s)
        shades.push_back(MakeRgb(std::clamp(r + 9 * s, 0, 255), std::clamp(g + 7 * s, 0, 255), std::clamp(bl - 8 * s, 0, 255)));
    }
    ImagePixels im = Canvas(40, 32, round % 3 == 0 ? MakeRgb(250, 250, 245) : kWhite);
    for (int blot = 0; blot < 14; ++blot) {
      int x = int(next(36)), y = int(next(28));
      Rect(im, x, y, std::min(40, x + 2 + int(next(8))), std::min(32, y + 2 + int(next(6))),
           shades[next(unsigned(shades.size()))]);
    }
    int colours = 1 + round % 9;
    PuzzleData p = QuantizeImage(im, {8 + round % 13, colours});
    for (int a = 0; a <= p.ColorCount(); ++a)
      for (int b = a + 1; b <= p.ColorCount(); ++b)
        EXPECT_GE(Distance(p.colors[a].rgb, p.colors[b].rgb), 15.0) << "round " << round << " colours " << a << ", " << b;
    for (const auto& row : p.solution)
      for (int c : row) ASSERT_LE(c, p.ColorCount()) << round;
  }
}

// Colours far enough apart stay exactly where the clustering put them.
TEST(ImageQuantize, ColoursAlreadyApartAreNotMoved) {
  ImagePixels im = Canvas(20, 20, kWhite);
  Rect(im, 2, 2, 10, 10, kRed);
  Rect(im, 10, 10, 18, 18, MakeRgb(200, 40, 40));  // 8.4 from the red: moved away
  Rect(im, 2, 12, 8, 18, kBlue);
  PuzzleData p = QuantizeImage(im, {10, 3});
  ASSERT_EQ(p.ColorCount(), 3);
  EXPECT_EQ(p.colors[ColorNear(p, kBlue)].rgb, kBlue);
  for (int a = 0; a <= 3; ++a)
    for (int b = a + 1; b <= 3; ++b) EXPECT_GE(Distance(p.colors[a].rgb, p.colors[b].rgb), 15.0);
}

}  // namespace
}  // namespace gw
