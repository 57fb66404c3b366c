// The board on the window's image at the display scales 1, 1.5 and 2: exclusive-or pairs restore
// every device pixel, two-digit hints keep clear of their neighbours, and the redraw that only
// draws what changed gives the very picture of a full repaint.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <random>

#include "display/BoardLayout.h"
#include "display/Draw.h"
#include "display/ShownPicture.h"
#include "frontends/qt/QtPlatform.h"
#include "settings/Settings.h"
#include "state/Document.h"
#include "state/PuzzleState.h"
#include "support/TestApp.h"

namespace gw {
namespace {

constexpr qreal kRatios[] = {1, 1.5, 2};

// 15 × 15 with hints of two digits everywhere: "1 11 13 11 1" and "A0 20 88" in red.
void TwoDigitsEverywhere(App& app) {
  test::MakeBoard(app, 15, 15, 5, 5);
  for (int line = 1; line <= 15; ++line) {
    test::SetRowHints(app, line, line % 2 ? std::vector<int>{1, 11, 13, 11, 1} : std::vector<int>{100, 20, 88}, 2);
    test::SetColHints(app, line, line % 2 ? std::vector<int>{100, 20, 88} : std::vector<int>{1, 11, 13, 11, 1}, 2);
  }
}

struct Board {
  QtPlatform ui;
  App app{ui};

  explicit Board(QSize size = {640, 480}, qreal ratio = 1, void (*hints)(App&) = TwoDigitsEverywhere) {
    ImageSurface& image = ui.Image(SurfaceId::Main);
    image.Resize(size, ratio);
    image.SetOuterSize({(size.width() + 16) * kTwipsPerPixel, (size.height() + 60) * kTwipsPerPixel});
    LoadSettings(app);
    hints(app);
    app.puzzle.Mode = kModePlay;
    app.puzzle.Palette[2] = 12;
    PaintBoard(app);
  }
  ImageSurface& surface() { return ui.Image(SurfaceId::Main); }
  const QImage& image() { return surface().image(); }
  // The columns the red ink of the unit square at (x, y) spans; empty when it has none.
  std::pair<int, int> InkSpan(int x, int y, int& slotWidth) {
    QRect slot = surface().DeviceRect(x, y, x + 1, y + 1);
    slotWidth = slot.width();
    int left = slot.right() + 1, right = slot.left() - 1;
    for (int py = slot.top(); py <= slot.bottom(); ++py)
      for (int px = slot.left(); px <= slot.right(); ++px)
        if (image().pixel(px, py) == qRgb(255, 0, 0)) left = std::min(left, px), right = std::max(right, px);
    return {left, right};
  }
};

TEST(BoardScale, ExclusiveOrPairsRestoreEveryDevicePixelAtEveryScale) {
  for (qreal ratio : kRatios) {
    for (QSize size : {QSize(640, 480), QSize(977, 713), QSize(301, 555)}) {
      Board b(size, ratio);
      for (int style = 0; style <= 2; ++style) {
        b.app.puzzle.MarkStyle = style;
        QImage before = b.image().copy();
        for (auto [x, y] : {std::pair{1, 1}, {15, 15}, {5, 6}, {11, 3}}) {
          for (int value : {2, -2, 1}) {
            DrawCell(b.app, x, y, value);
            EXPECT_NE(b.image(), before);
            DrawCell(b.app, x, y, value);
            ASSERT_EQ(b.image(), before) << ratio << " " << size.width() << " style " << style;
          }
        }
        const PuzzleState& p = b.app.puzzle;
        DrawHintMark(b.app, p.XHintCount - 1, p.YHintCount + 4);
        ToggleRowStrip(b.app, 7);
        ToggleColStrip(b.app, 9);
        DrawHintMark(b.app, p.XHintCount - 1, p.YHintCount + 4);
        ToggleRowStrip(b.app, 7);
        ToggleColStrip(b.app, 9);
        EXPECT_EQ(b.image(), before) << ratio;
      }
    }
  }
}

// Every pixel of the hints' red lies inside its slot, at least one device pixel from each edge,
// so that neighbouring numbers never touch each other or the lines between them; two-digit
// numbers keep half of a third of the slot from its sides, so that a row of them reads as numbers
// apart.
TEST(BoardScale, TwoDigitHintsStayInsideTheirSlotsWithAGapAtEveryScale) {
  for (qreal ratio : kRatios) {
    for (QSize size : {QSize(640, 480), QSize(420, 330), QSize(1280, 1000)}) {
      Board b(size, ratio);
      const PuzzleState& p = b.app.puzzle;
      const BoardLayout& l = b.app.layout;
      QRgb red = qRgb(255, 0, 0);
      std::vector<std::pair<QRect, int>> boxes;  // slots and their numbers
      for (int y = 1; y <= p.YSize; ++y)
        for (int s = 1; s <= p.XHintCount; ++s)
          boxes.push_back({b.surface().DeviceRect(l.GridLeft + s - 1, l.BoardTop + y - 1, l.GridLeft + s, l.BoardTop + y),
                           p.RowHints[s][y][kHintNumber]});
      for (int x = 1; x <= p.XSize; ++x)
        for (int s = 1; s <= p.YHintCount; ++s)
          boxes.push_back({b.surface().DeviceRect(l.BoardLeft + x - 1, l.GridTop + s - 1, l.BoardLeft + x, l.GridTop + s),
                           p.ColHints[x][s][kHintNumber]});
      int inked = 0, hints = 0;
      for (int line = 1; line <= 15; ++line)
        for (int s = 1; s <= 5; ++s)
          hints += (p.RowHints[s][line][kHintNumber] != 0) + (p.ColHints[line][s][kHintNumber] != 0);
      for (const auto& [slot, number] : boxes) {
        // The font's em is the slot's edge, give or take the pixel the edges' rounding adds.
        int across = number >= 10 ? std::max(1, ((slot.width() - 1) / 3 + 1) / 2) : 1;
        QRect inner = slot.adjusted(across, 1, -across, -1);
        // Scan the slot with a pixel of its neighbours round it.
        QRect around = slot.adjusted(-1, -1, 1, 1);
        bool any = false;
        for (int y = around.top(); y <= around.bottom(); ++y)
          for (int x = around.left(); x <= around.right(); ++x) {
            if (b.image().pixel(x, y) != red) continue;
            any = true;
            if (!slot.contains(x, y)) continue;  // the neighbour's own ink, checked with it
            ASSERT_TRUE(inner.contains(x, y)) << "ratio " << ratio << " size " << size.width()
                                              << " pixel " << x << "," << y << " slot "
                                              << slot.x() << "," << slot.y() << " "
                                              << slot.width() << "x" << slot.height();
          }
        inked += any;
      }
      EXPECT_EQ(inked, hints) << ratio << " " << size.width();  // every number has its ink
    }
  }
}

// Boards of 5, 15 and 20 columns whose hints mix one and two digits the way that used to read
// as one number ("3" beside "13" as 313, "2 3 11 4" as 2 311 4): between the ink of any two
// neighbouring hints, across the row hints and from column to column, lies at least a third of
// a slot, at every scale; and a one-digit hint stands where it always stood.
template <int Columns>
void MixedHints(App& app) {
  test::MakeBoard(app, Columns, 20, 4, 2);
  const std::vector<int> rows[] = {{2, 3, 11, 4}, {3, 13}, {5, 15}, {13, 3}, {1, 11, 1, 10}, {9, 8, 7, 6}};
  for (int y = 1; y <= 20; ++y) test::SetRowHints(app, y, rows[y % 6], 2);
  const std::vector<int> cols[] = {{3}, {13}, {5, 15}, {1}, {12, 4}, {7, 1}};
  for (int x = 1; x <= Columns; ++x) test::SetColHints(app, x, cols[x % 6], 2);
}

TEST(BoardScale, NeighbouringHintsKeepAThirdOfASlotBetweenTheirInkAtEveryScale) {
  int pairs = 0;
  for (qreal ratio : kRatios)
    for (auto hints : {MixedHints<5>, MixedHints<15>, MixedHints<20>})
      for (QSize size : {QSize(640, 480), QSize(1280, 1000)}) {
        Board b(size, ratio, hints);
        const int columns = b.app.puzzle.XSize;
        const PuzzleState& p = b.app.puzzle;
        const BoardLayout& l = b.app.layout;
        auto check = [&](int x1, int y1, int x2, int y2) {
          int w1 = 0, w2 = 0;
          auto [l1, r1] = b.InkSpan(x1, y1, w1);
          auto [l2, r2] = b.InkSpan(x2, y2, w2);
          if (r1 < l1 || r2 < l2) return;  // an empty slot
          ++pairs;
          ASSERT_GE(l2 - r1 - 1, (std::min(w1, w2) + 2) / 3 - 1)
              << "ratio " << ratio << " columns " << columns << " width " << size.width() << " at " << x1 << "," << y1;
        };
        for (int y = 1; y <= p.YSize; ++y)
          for (int s = 1; s < p.XHintCount; ++s) check(l.GridLeft + s - 1, l.BoardTop + y - 1, l.GridLeft + s, l.BoardTop + y - 1);
        for (int x = 1; x < p.XSize; ++x)
          for (int s = 1; s <= p.YHintCount; ++s) check(l.BoardLeft + x - 1, l.GridTop + s - 1, l.BoardLeft + x, l.GridTop + s - 1);
      }
  EXPECT_GT(pairs, 500);
}

// Random play, ticks and stray drawings that leave the picture behind the state; the repaint that
// keeps what it can, with the redraw after it, must then give exactly what a full repaint gives,
// and take the hover highlight off as it does.
TEST(BoardScale, TheRedrawOfWhatChangedEqualsAFullRepaint) {
  std::mt19937 rng(14);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  int partial = 0, full = 0;
  for (int round = 0; round < 60; ++round) {
    Board b(QSize(500, 400), kRatios[round % 3]);
    PuzzleState& p = b.app.puzzle;
    p.MarkStyle = round % 3;
    for (int step = 0; step < 40; ++step) {
      int x = pick(1, 15), y = pick(1, 15);
      switch (pick(0, 5)) {
        case 0:
          SetCell(b.app, x, y, pick(-3, 2));
          Redraw(b.app);
          break;
        case 1: p.Grid[x][y] = pick(-2, 2); break;  // changed without drawing
        case 2: {
          int s = pick(1, 5);
          int& tick = p.RowHints[s][y][kHintCheck];
          tick = tick < 0 ? 0 : -1;  // the state alone, or brought to the picture
          if (pick(0, 1)) Redraw(b.app);
          break;
        }
        case 3: {
          int s = pick(1, 5);
          int& tick = p.ColHints[x][s][kHintCheck];
          tick = tick < 0 ? 0 : -1;
          Redraw(b.app);
          break;
        }
        case 4:
          if (pick(0, 1) && b.app.layout.HoverCol == 0) {
            b.app.layout.HoverCol = x;
            b.app.layout.HoverRow = y;
            ToggleRowStrip(b.app, y);
            ToggleColStrip(b.app, x);
          }
          break;
        default:
          // A drawing no state asked for; over a shown cell it mixes two looks.
          DrawCell(b.app, x, y, pick(1, 2));
          break;
      }
    }
    if (round % 5 == 4) p.Palette[2] = 10;  // a change only a full repaint shows
    bool wasValid = b.app.layout.shown.valid;
    b.app.document.Dirty = 0;
    if (!RepaintUnlessOnlyCellsDiffer(b.app)) {
      Redraw(b.app);
      EXPECT_EQ(b.app.document.Dirty, 0) << "round " << round;  // the redraw changes no state
    }
    QImage redrawn = b.image().copy();
    LayoutBoard(b.app);
    DrawGrid(b.app);
    DrawHints(b.app);
    DrawCells(b.app);
    ASSERT_EQ(redrawn, b.image()) << "round " << round;
    EXPECT_EQ(b.app.layout.HoverCol, 0);
    partial += wasValid && round % 5 != 4;
    full += !wasValid || round % 5 == 4;
  }
  // Both ways were taken: a picture that a cell drawn over a silently changed one has mixed up
  // gets the full repaint.
  EXPECT_GT(partial, 10);
  EXPECT_GT(full, 10);
}

}  // namespace
}  // namespace gw
