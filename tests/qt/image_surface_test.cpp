// The QImage surface on its own: exact exclusive-or pairs at any scale, hard-edged lines, hatching,
// opaque text in the Mincho font kept inside its advance, and drawings held back until the image is read.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>
#include <random>
#include <set>

#include "frontends/qt/ImageSurface.h"

namespace gw {
namespace {

constexpr Rgb kWhite = MakeRgb(255, 255, 255);
constexpr Rgb kTeal = MakeRgb(0, 128, 128);
constexpr Rgb kRed = MakeRgb(255, 0, 0);

// The distinct colours of an image region.
std::set<QRgb> Colours(const QImage& image, QRect r) {
  std::set<QRgb> found;
  r = r.intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) found.insert(image.pixel(x, y) | 0xFF000000u);
  return found;
}

QRgb Q(Rgb c) { return ToQColor(c).rgb(); }

struct WhiteSurface : ImageSurface {
  explicit WhiteSurface(QSize size = {300, 200}, qreal ratio = 1) : ImageSurface(Qt::white) {
    Resize(size, ratio);
  }
};

TEST(ImageSurface, WhiteThenAColourOnWhiteGivesExactlyThatColourAndAgainRestores) {
  WhiteSurface s;
  s.SetScale(-3.6, 0.25, 18.7, 9.3);
  QImage before = s.image().copy();
  s.SetDrawMode(DrawMode::Xor);
  s.FillBox(2.3, 3.1, 7.77, 6.05, kWhite);
  s.FillBox(2.3, 3.1, 7.77, 6.05, kRed);
  QRect r = s.DeviceRect(2.3, 3.1, 7.77, 6.05);
  EXPECT_EQ(Colours(s.image(), r), std::set<QRgb>{Q(kRed)});
  EXPECT_EQ(Colours(s.image(), s.image().rect()), (std::set<QRgb>{Q(kRed), Q(kWhite)}));
  s.FillBox(2.3, 3.1, 7.77, 6.05, kWhite);
  s.FillBox(2.3, 3.1, 7.77, 6.05, kRed);
  EXPECT_EQ(s.image(), before);
}

TEST(ImageSurface, EveryShapeDrawnTwiceInXorRestoresEveryPixelAtAnyScale) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int round = 0; round < 60; ++round) {
    qreal ratio = round % 3 == 0 ? 1 : round % 3 == 1 ? 1.5 : 2;  // the display scales
    WhiteSurface s(QSize(100 + round * 23 % 517, 80 + round * 37 % 401), ratio);
    double w = 5 + 30 * unit(random), h = 5 + 30 * unit(random);
    double left = -unit(random) * 3, top = -unit(random) * 3;
    s.SetScale(left, top, w, h);
    s.SetDrawMode(DrawMode::Copy);
    s.HatchBox(-5, -5, 50, 50, kTeal, kTeal);
    QImage before = s.image().copy();
    double x1 = left + unit(random) * (w - 3), y1 = top + unit(random) * (h - 3);
    double x2 = x1 + unit(random) * 3, y2 = y1 + unit(random) * 3;
    s.SetDrawMode(DrawMode::Xor);
    for (int pass = 0; pass < 2; ++pass) {
      s.FillBox(x1, y1, x2, y2, kRed);
      s.FillBox(x1 + 0.4, y1 + 0.4, x1 + 0.6, y1 + 0.6, kWhite);  // thinner than a pixel
      s.Line(x2, y1, x1, y2, kWhite);
      s.Line(x1, y1, x2, y2, kRed);
      s.Line(x1, y1, x2, y1, kRed);
      s.Box(x1, y1, x2, y2, kTeal);
      s.HatchBox(x1, y1, x2, y2, kRed, MakeRgb(128, 0, 0));
      if (pass == 0) {
        EXPECT_NE(s.image(), before) << "round " << round;
      }
    }
    EXPECT_EQ(s.image(), before) << "round " << round;
  }
}

// Held, combined and joined exclusive-or boxes against flipping each box's own pixels one by one:
// rows and columns of cells, each filled in white and then a colour (or once), with crosses drawn
// twice in between, at scales where cells are wide, one pixel, or thinner than a pixel.
TEST(ImageSurface, HeldAndJoinedXorBoxesFlipExactlyTheirOwnPixels) {
  std::mt19937 random(17);
  std::uniform_real_distribution<double> unit(0, 1);
  const Rgb colours[] = {kWhite, kRed, kTeal, MakeRgb(0, 0, 128)};
  for (int round = 0; round < 300; ++round) {
    WhiteSurface s(QSize(90 + round % 50, 70), round % 3 == 2 ? 1.5 : 1);
    s.SetScale(unit(random) * 2 - 1, unit(random) * 2 - 1, 4 + unit(random) * (round % 4 ? 20 : 200),
               4 + unit(random) * 20);
    s.SetDrawMode(DrawMode::Xor);
    QImage expected = s.image().copy();
    auto flip = [&](QRect r, Rgb c) {
      r &= expected.rect();
      for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
          expected.setPixel(x, y, expected.pixel(x, y) ^ ToQRgb(c));
    };
    for (int step = 0; step < 40; ++step) {
      int cx = static_cast<int>(unit(random) * 6), cy = static_cast<int>(unit(random) * 4);
      if (step % 2) std::swap(cx, cy);  // along a row, then down a column
      Rgb c = colours[static_cast<int>(unit(random) * 4)];
      if (unit(random) < 0.7) {
        s.FillBox(cx, cy, cx + 1, cy + 1, kWhite);
        flip(s.DeviceRect(cx, cy, cx + 1, cy + 1), kWhite);
      }
      s.FillBox(cx, cy, cx + 1, cy + 1, c);
      flip(s.DeviceRect(cx, cy, cx + 1, cy + 1), c);
      if (unit(random) < 0.2)
        for (int twice = 0; twice < 2; ++twice) s.Line(cx + 1, cy, cx, cy + 1, c);
    }
    ASSERT_EQ(s.image(), expected) << "round " << round;
  }
}

TEST(ImageSurface, BoxesThatShareAnEdgeShareNoPixel) {
  std::mt19937 random(3);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int round = 0; round < 50; ++round) {
    WhiteSurface s(QSize(200 + round, 50));
    s.SetScale(unit(random), 0, 7 + unit(random) * 13, 1);
    s.SetDrawMode(DrawMode::Xor);
    double a = unit(random) * 3, b = a + 0.3 + unit(random), c = b + 0.3 + unit(random);
    s.FillBox(a, 0, b, 1, kRed);
    s.FillBox(b, 0, c, 1, kRed);
    QRect both = s.DeviceRect(a, 0, c, 1);
    // Red on white flips to cyan; a pixel flipped twice would be white again.
    EXPECT_EQ(Colours(s.image(), both), std::set<QRgb>{Q(MakeRgb(0, 255, 255))})
        << "round " << round;
  }
}

TEST(ImageSurface, LinesAreOnePixelWideWithoutAntialiasingEndPointsIncluded) {
  WhiteSurface s;
  s.SetScale(0, 0, 30, 20);
  s.Line(1, 1, 29, 19, kRed);
  EXPECT_EQ(Colours(s.image(), s.image().rect()), (std::set<QRgb>{Q(kRed), Q(kWhite)}));
  QPoint a = s.DevicePoint(1, 1), b = s.DevicePoint(29, 19);
  EXPECT_EQ(s.image().pixel(a) | 0xFF000000u, Q(kRed));
  EXPECT_EQ(s.image().pixel(b) | 0xFF000000u, Q(kRed));
  // One pixel per column across the diagonal's run.
  for (int x = a.x(); x <= b.x(); ++x) {
    int hits = 0;
    for (int y = 0; y < s.image().height(); ++y) hits += s.image().pixel(x, y) == Q(kRed);
    EXPECT_GE(hits, 1);
    EXPECT_LE(hits, 2) << x;
  }
  WhiteSurface h;
  h.SetScale(0, 0, 30, 20);
  h.Line(2, 5, 12, 5, kTeal);
  QPoint l = h.DevicePoint(2, 5), r = h.DevicePoint(12, 5);
  EXPECT_EQ(Colours(h.image(), QRect(l, r)), std::set<QRgb>{Q(kTeal)});
  EXPECT_EQ(Colours(h.image(), QRect(l.x(), l.y() - 1, r.x() - l.x() + 1, 1)),
            std::set<QRgb>{Q(kWhite)});
  EXPECT_EQ(h.image().pixel(r.x() + 1, r.y()), Q(kWhite));
}

TEST(ImageSurface, AHatchedBoxHasItsOutlineAndOnlyPatternPixelsInside) {
  ImageSurface s(QColor(0xF0, 0xF0, 0xF0));
  s.Resize(QSize(120, 90));
  s.SetScale(0, 0, 12, 9);
  s.HatchBox(1, 1, 11, 8, kRed, kTeal);
  QRect r = s.DeviceRect(1, 1, 11, 8);
  EXPECT_EQ(Colours(s.image(), QRect(r.topLeft(), QSize(r.width(), 1))), std::set<QRgb>{Q(kRed)});
  EXPECT_EQ(Colours(s.image(), QRect(r.left(), r.top(), 1, r.height())), std::set<QRgb>{Q(kRed)});
  EXPECT_EQ(Colours(s.image(), r.adjusted(1, 1, -1, -1)),
            (std::set<QRgb>{Q(kTeal), QColor(0xF0, 0xF0, 0xF0).rgb()}));
  EXPECT_EQ(s.image().pixel(0, 0), QColor(0xF0, 0xF0, 0xF0).rgb());
}

TEST(ImageSurface, TextIsOpaqueInEitherModeAndDrawnInMincho) {
  WhiteSurface s(QSize(200, 60));
  s.SetScale(0, 0, 200 * kTwipsPerPixel, 60 * kTwipsPerPixel);
  s.SetFontSize(24);  // 32 pixels
  s.FillBox(0, 0, 100 * kTwipsPerPixel, 60 * kTwipsPerPixel, kTeal);
  s.SetDrawMode(DrawMode::Xor);
  s.PrintText(0, 0, " 1 ", kRed);
  s.PrintText(0, 0, " 1 ", kRed);  // a second print does not take the first away
  std::set<QRgb> left = Colours(s.image(), QRect(0, 0, 100, 60));
  EXPECT_EQ(left, (std::set<QRgb>{Q(kTeal), Q(kRed)}));

  // A text whose ink lies well inside its advance is exactly the font's own rendering.
  QImage expected(200, 60, QImage::Format_RGB32);
  expected.fill(Qt::white);
  QPainter p(&expected);
  p.fillRect(QRect(0, 0, 100, 60), ToQColor(kTeal));
  QFont mincho("IPAMincho");
  mincho.setStyleStrategy(QFont::NoAntialias);
  mincho.setPixelSize(32);
  p.setFont(mincho);
  p.setPen(ToQColor(kRed));
  p.drawText(QPoint(0, QFontMetrics(mincho).ascent()), " 1 ");
  p.end();
  EXPECT_EQ(s.image(), expected);
}

// On a surface whose texts sit in unit squares (the board's hint slots), whatever the font does,
// the ink stays a tenth of the size, at least one pixel, inside the square (texts of two
// characters a sixth across, so that they stand apart), and one-digit numbers stay where the font
// puts them.
TEST(ImageSurface, TextsKeepTheirInkInsideTheirUnitSquareWithAMargin) {
  for (int pixels = 6; pixels <= 48; pixels += 3) {
    for (const char* text : {"88", "11", "A0", "20", " 7"}) {
      ImageSurface s(Qt::white, ImageSurface::TextBox::UnitSquare);
      s.Resize(QSize(3 * pixels, 2 * pixels));
      s.SetScale(0, 0, 3, 2);  // a unit is `pixels` pixels
      s.SetFontSize(pixels * 0.75);
      s.PrintText(1, 0, text, kRed);
      int margin = std::max(1, pixels / 10);
      int across = text[0] == ' ' ? margin : std::max(1, pixels / 6);
      QRect ink;
      for (int y = 0; y < s.image().height(); ++y)
        for (int x = 0; x < s.image().width(); ++x)
          if (s.image().pixel(x, y) == Q(kRed)) ink |= QRect(x, y, 1, 1);
      ASSERT_FALSE(ink.isEmpty()) << text << " at " << pixels;
      QRect inside = QRect(pixels, 0, pixels, pixels).adjusted(across, margin, -across, -margin);
      EXPECT_TRUE(inside.contains(ink)) << text << " at " << pixels;
      if (text[0] == ' ') {
        EXPECT_GE(ink.left(), pixels + pixels / 2 - margin) << pixels;
      }
    }
  }
}

TEST(ImageSurface, TextMetricsAreInUserUnits) {
  WhiteSurface s(QSize(400, 300));
  s.SetScale(0, 0, 20, 15);  // 20 pixels a unit
  s.SetFontSize(15);         // 20 pixels: one unit
  // Two half-width characters fill one em.
  EXPECT_NEAR(s.TextWidth("12"), 1.0, 0.06);
  EXPECT_NEAR(s.TextWidth(" 7"), s.TextWidth("12"), 1e-9);
  EXPECT_GT(s.TextHeight("1"), 0.9);
  EXPECT_LT(s.TextHeight("1"), 1.6);
}

// Drawings held back for combining (an exclusive-or pair, a clear) are there whenever the image
// is read, and a pair of the same shape cancels out.
TEST(ImageSurface, ReadingTheImageShowsEverythingDrawnSoFar) {
  WhiteSurface s;
  s.SetDrawMode(DrawMode::Xor);
  s.FillBox(0, 0, 300, 300, kRed);
  EXPECT_EQ(s.image().pixel(2, 2), Q(kRed ^ kWhite) | 0xFF000000u);
  s.FillBox(0, 0, 300, 300, kRed);
  s.FillBox(0, 0, 300, 300, kWhite);
  s.FillBox(0, 0, 300, 300, kTeal);
  EXPECT_EQ(s.image().pixel(2, 2), Q(kTeal));
  s.Line(0, 0, 300, 200, kRed);
  s.Line(0, 0, 300, 200, kRed);
  EXPECT_EQ(s.image().pixel(0, 0), Q(kTeal));
  s.Clear();
  EXPECT_EQ(s.image().pixel(2, 2), Q(kWhite));
  s.SetDrawMode(DrawMode::Copy);
  s.Clear();
  s.HatchBox(0, 0, 300 * kTwipsPerPixel, 200 * kTwipsPerPixel, kRed, kTeal);
  QImage first = s.image().copy();
  s.FillBox(0, 0, 300, 300, kRed);
  s.Clear();
  s.HatchBox(0, 0, 300 * kTwipsPerPixel, 200 * kTwipsPerPixel, kRed, kTeal);  // from the copy
  EXPECT_EQ(s.image(), first);
  s.Clear();
  s.HatchBox(0, 0, 300 * kTwipsPerPixel, 200 * kTwipsPerPixel, kTeal, kRed);  // other colours
  EXPECT_EQ(s.image().pixel(0, 0), Q(kTeal));
}

TEST(ImageSurface, FractionalScalesMapTheClientAreaExactly) {
  WhiteSurface s(QSize(640, 480));
  s.SetScale(-3.6, 0.5, 18, 21);
  EXPECT_EQ(s.DevicePoint(-3.6, 0.5), QPoint(0, 0));
  EXPECT_EQ(s.DevicePoint(14.4, 21.5), QPoint(640, 480));
  QPointF back = s.ToUser(QPointF(320, 240));
  EXPECT_DOUBLE_EQ(back.x(), 5.4);
  EXPECT_DOUBLE_EQ(back.y(), 11);
  EXPECT_DOUBLE_EQ(s.ClientSize().width, 640 * kTwipsPerPixel);
}

}  // namespace
}  // namespace gw
