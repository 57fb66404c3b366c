// The board as the real window draws it on its backing image, at several window sizes.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cmath>
#include <set>

#include "display/BoardLayout.h"
#include "display/Draw.h"
#include "display/PaletteBar.h"
#include "mainwnd/MainWnd.h"
#include "frontends/qt/MainWindow.h"
#include "frontends/qt/QtPlatform.h"
#include "state/PuzzleState.h"
#include "support/TestApp.h"
#include "ShownWindow.h"

namespace gw {
namespace {

QRgb Q(Rgb c) { return ToQColor(c).rgb(); }

struct Window {
  QtPlatform ui;
  App app{ui};
  MainWindow w{ui, app};

  Window() {
    test::ShowMainWindow(ui, w, app);
    Settle();
  }
  void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  }
  // A 15 × 10 colour puzzle with four hint slots per row and three per column.
  void ColourPuzzle() {
    test::MakeBoard(app, 15, 10, 4, 3);
    app.puzzle.Palette[2] = 12;
    app.puzzle.Palette[3] = 2;
    for (int y = 1; y <= 10; ++y) test::SetRowHints(app, y, {y, 2}, 1 + y % 3);
    for (int x = 1; x <= 15; ++x) test::SetColHints(app, x, {1, x % 4}, 1 + x % 3);
  }
  // The window at this size, everything drawn anew from the state.
  void Show(int width, int height) {
    w.resize(width, height);
    Settle();
    MainWndPaint(app);
  }
  ImageSurface& board() { return ui.Image(SurfaceId::Main); }
  const QImage& image() { return board().image(); }
  QRgb At(double x, double y) { return image().pixel(board().DevicePoint(x, y)); }
  Rgb Color(int i) const { return app.colors.ColorTable[i]; }
  // Board cell (x, y): its top-left corner in board units.
  double CellX(int x) const { return app.puzzle.XHintCount + x; }
  double CellY(int y) const { return app.puzzle.YHintCount + y; }
};

std::set<QRgb> Colours(const QImage& image, QRect r) {
  std::set<QRgb> found;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) found.insert(image.pixel(x, y));
  return found;
}

const QSize kSizes[] = {{420, 330}, {640, 480}, {977, 713}, {1280, 1000}, {300, 800}};

TEST(BoardPixels, DrawingACellTwiceLeavesTheImageAsItWasForEveryStyleAndSize) {
  Window win;
  win.ColourPuzzle();
  const std::pair<int, int> cells[] = {{1, 1}, {15, 10}, {5, 5}, {6, 6}, {11, 3}};
  for (QSize size : kSizes) {
    win.Show(size.width(), size.height());
    for (int style = 0; style <= 2; ++style) {
      win.app.puzzle.MarkStyle = style;
      for (auto [x, y] : cells) {
        for (int value : {3, -2}) {
          QImage before = win.image().copy();
          DrawCell(win.app, x, y, value);
          EXPECT_NE(win.image(), before);
          DrawCell(win.app, x, y, value);
          EXPECT_EQ(win.image(), before) << size.width() << "x" << size.height() << " style "
                                         << style << " cell " << x << "," << y << " " << value;
        }
      }
      QImage before = win.image().copy();
      for (int value : {1, -3, 2, 0}) {
        SetCell(win.app, 7, 7, value);
        Redraw(win.app);
      }
      EXPECT_EQ(win.image(), before);
    }
  }
}

// Whether a pixel of this colour lies within one pixel of the point.
bool Near(Window& win, double x, double y, Rgb color) {
  QPoint c = win.board().DevicePoint(x, y);
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (win.image().pixel(c.x() + dx, c.y() + dy) == Q(color)) return true;
  return false;
}

TEST(BoardPixels, APaintedCellShowsExactlyItsColourAndAMarkShowsItsColour) {
  Window win;
  win.ColourPuzzle();
  for (QSize size : kSizes) {
    ClearGrid(win.app.puzzle);
    win.app.puzzle.MarkStyle = 0;
    win.Show(size.width(), size.height());
    SetCell(win.app, 3, 4, 2);
    Redraw(win.app);
    QRect inside = win.board().DeviceRect(win.CellX(3) + 0.15, win.CellY(4) + 0.15,
                                          win.CellX(3) + 0.85, win.CellY(4) + 0.85);
    EXPECT_EQ(Colours(win.image(), inside), std::set<QRgb>{Q(win.Color(12))});
    SetCell(win.app, 5, 4, -3);
    Redraw(win.app);
    EXPECT_EQ(win.At(win.CellX(5) + 0.5, win.CellY(4) + 0.5), Q(win.Color(2)));
    for (int style : {1, 2}) {
      win.app.puzzle.MarkStyle = style;
      DrawCell(win.app, 8, 2, -2);
      // The slash runs from the top-right corner to the bottom-left one; the cross adds the other.
      EXPECT_TRUE(Near(win, win.CellX(8) + 0.75, win.CellY(2) + 0.25, win.Color(12)));
      EXPECT_EQ(Near(win, win.CellX(8) + 0.25, win.CellY(2) + 0.25, win.Color(12)), style == 2);
      DrawCell(win.app, 8, 2, -2);
    }
  }
}

// The board offsets whose line is thick, measured across a cell's middle.
std::vector<int> ThickOffsets(Window& win, bool horizontal) {
  const PuzzleState& p = win.app.puzzle;
  Rgb line = win.Color(1);
  std::vector<int> thick;
  int count = horizontal ? p.YSize : p.XSize;
  for (int k = 0; k <= count; ++k) {
    double along = horizontal ? win.CellX(3) - 0.5 : win.CellY(3) - 0.5;
    double at = horizontal ? win.CellY(1) + k : win.CellX(1) + k;
    QPoint c = horizontal ? win.board().DevicePoint(along, at) : win.board().DevicePoint(at, along);
    int run = 0;
    for (int d = -6; d <= 6; ++d) {
      QPoint q = horizontal ? QPoint(c.x(), c.y() + d) : QPoint(c.x() + d, c.y());
      run += win.image().pixel(q) == Q(line);
    }
    EXPECT_GE(run, 1) << "no line at offset " << k;
    if (run > 1) thick.push_back(k);
  }
  return thick;
}

TEST(BoardPixels, ThickLinesFallOnEveryFifthBoardLine) {
  Window win;
  for (QSize size : {QSize(900, 800), QSize(1280, 1000)}) {
    test::MakeBoard(win.app, 15, 15, 3, 3);
    win.Show(size.width(), size.height());
    EXPECT_EQ(ThickOffsets(win, true), (std::vector<int>{0, 5, 10, 15}));
    EXPECT_EQ(ThickOffsets(win, false), (std::vector<int>{0, 5, 10, 15}));
    test::MakeBoard(win.app, 12, 12, 3, 3);
    MainWndPaint(win.app);
    EXPECT_EQ(ThickOffsets(win, true), (std::vector<int>{0, 5, 10}));
    EXPECT_EQ(ThickOffsets(win, false), (std::vector<int>{0, 5, 10}));
  }
}

TEST(BoardPixels, TheCornerStaysHatchedInTheModeColourAndTheHintAreasAreWhite) {
  const std::pair<int, int> modes[] = {{kModePlay, 3}, {kModeNumber, 4}, {kModeImage, 6}};
  for (auto [mode, hatchIndex] : modes) {
    Window win;
    win.app.puzzle.Mode = mode;
    win.ColourPuzzle();
    win.Show(800, 600);
    const BoardLayout& l = win.app.layout;
    QRect corner = win.board().DeviceRect(l.GridLeft, l.GridTop, l.BoardLeft, l.BoardTop);
    QRgb background = win.board().background().rgb();
    EXPECT_EQ(Colours(win.image(), corner.adjusted(3, 3, -3, -3)),
              (std::set<QRgb>{background, Q(win.Color(hatchIndex))}))
        << "mode " << mode;
    // Slot 1 of row 1 and of column 1 are empty: white, and so is a blank cell.
    QRgb white = Q(win.Color(15));
    EXPECT_EQ(win.At(l.GridLeft + 0.5, l.BoardTop + 0.5), white);
    EXPECT_EQ(win.At(l.BoardLeft + 0.5, l.GridTop + 0.5), white);
    EXPECT_EQ(win.At(win.CellX(2) + 0.5, win.CellY(2) + 0.5), white);
  }
}

TEST(BoardPixels, HeightOrWidthDecidesAndTheContentIsCentredInTheBoardsShare) {
  Window win;
  win.ColourPuzzle();  // 21 × 15 units with the margins
  const BoardLayout& l = win.app.layout;
  auto whiteArea = [&] {
    return win.board().DeviceRect(l.GridLeft, l.GridTop, l.BoardRight, l.BoardBottom);
  };
  auto centre = [](QRect r) {
    return QPointF((r.left() + r.right() + 1) / 2.0, (r.top() + r.bottom() + 1) / 2.0);
  };

  win.Show(1200, 500);
  EXPECT_EQ(win.board().ScaleHeight(), 15);  // height decided: the rows fill the height
  QSize wide = win.image().size();
  EXPECT_NEAR(whiteArea().top(), wide.height() / 15.0, 1);
  EXPECT_NEAR(whiteArea().bottom() + 1, wide.height() * 14 / 15.0, 1);
  EXPECT_NEAR(centre(whiteArea()).x(), 0.45 * wide.width(), 1);
  EXPECT_NEAR(centre(whiteArea()).y(), wide.height() / 2.0, 1);

  win.Show(500, 900);
  EXPECT_EQ(win.board().ScaleWidth(), 23);  // width decided: round(21 / 0.9) units across
  QSize tall = win.image().size();
  EXPECT_NEAR(whiteArea().width(), tall.width() * 19 / 23.0, 1);  // the columns fill the width
  EXPECT_NEAR(centre(whiteArea()).x(), 0.45 * tall.width(), 1);
  EXPECT_NEAR(centre(whiteArea()).y(), tall.height() / 2.0, 1);
  EXPECT_LT(whiteArea().right(), 0.9 * tall.width());  // clear of the palette column
}

TEST(BoardPixels, OverlaysDrawnTwiceLeaveNoTrace) {
  Window win;
  win.ColourPuzzle();
  win.app.puzzle.Grid[4][2] = 1;
  win.app.puzzle.RowHints[4][3][kHintCheck] = -1;
  for (QSize size : kSizes) {
    win.Show(size.width(), size.height());
    QImage before = win.image().copy();
    ToggleRowStrip(win.app, 2);
    ToggleColStrip(win.app, 4);
    QImage lit = win.image().copy();
    EXPECT_NE(lit, before);
    const PuzzleState& p = win.app.puzzle;
    DrawHintMark(win.app, p.XHintCount, p.YHintCount + 3);
    ToggleInputCursor(win.app);
    ToggleInputCursor(win.app);
    DrawHintMark(win.app, p.XHintCount, p.YHintCount + 3);
    EXPECT_EQ(win.image(), lit);
    ToggleRowStrip(win.app, 2);
    ToggleColStrip(win.app, 4);
    EXPECT_EQ(win.image(), before) << size.width() << "x" << size.height();
  }
}

TEST(BoardPixels, TheHintStripHighlightIsHatchedInRed) {
  Window win;
  win.ColourPuzzle();
  win.Show(900, 700);
  QRect strip = win.board().DeviceRect(1, win.CellY(5), win.CellX(1), win.CellY(5) + 1);
  QImage before = win.image().copy();
  ToggleRowStrip(win.app, 5);
  // Inside the outline: the hatch flips white hint background to white ^ red, nothing else new.
  std::set<QRgb> inside = Colours(win.image(), strip.adjusted(2, 2, -2, -2));
  EXPECT_TRUE(inside.count(QColor(255 ^ 128, 255, 255).rgb())) << "no hatch pixel";
  EXPECT_EQ(win.image().pixel(strip.topLeft()),
            QColor(before.pixel(strip.topLeft()) ^ Q(win.Color(4)) ^ 0xFF000000u).rgb());
}

TEST(BoardPixels, ThePaletteColumnShowsNumberedBandsAndTheCurrentColour) {
  Window win;
  win.app.puzzle.Palette[4] = 12;
  win.Show(800, 600);
  const QImage& column = win.ui.Image(SurfaceId::Pic1).image();
  double band = column.height() / 9.0;
  auto bandColours = [&](int k) {
    return Colours(column, QRect(0, static_cast<int>((k - 1) * band) + 1, column.width(),
                                 static_cast<int>(band) - 2));
  };
  QRgb black = qRgb(0, 0, 0), white = Q(win.Color(15));
  EXPECT_EQ(bandColours(1), (std::set<QRgb>{Q(win.Color(9)), white}));  // white on dark blue
  EXPECT_EQ(bandColours(2), (std::set<QRgb>{white, black}));
  EXPECT_EQ(bandColours(4), (std::set<QRgb>{Q(win.Color(12)), black}));
  auto current = [&] {
    const QImage& box = win.ui.Image(SurfaceId::Pic0).image();
    return Colours(box, box.rect());
  };
  EXPECT_EQ(current(), std::set<QRgb>{Q(win.Color(9))});
  PaletteMouseDown(win.app, kLeftButton,
                   3.5 * std::nearbyint(win.ui.Image(SurfaceId::Pic1).ScaleHeight() / 9));
  EXPECT_EQ(current(), std::set<QRgb>{Q(win.Color(12))});
}

// What the surface holds back (an exclusive-or pair, a repaint's noted drawings) is on the screen
// as soon as the window shows itself.
TEST(BoardPixels, TheWindowShowsEverythingDrawnSoFar) {
  Window win;
  win.ColourPuzzle();
  win.Show(800, 600);
  SetCell(win.app, 2, 2, 2);
  Redraw(win.app);
  win.w.RepaintBoardNow();
  QImage shown = win.w.board()->grab().toImage();
  QPoint cell = win.board().DevicePoint(win.CellX(2) + 0.5, win.CellY(2) + 0.5);
  EXPECT_EQ(shown.pixel(cell), Q(win.Color(12)));
  TwipsRect pic1 = win.ui.PicGeometry(1);
  QPoint inBand1(static_cast<int>(pic1.left / kTwipsPerPixel) + 2,
                 static_cast<int>(pic1.top / kTwipsPerPixel) + 3);
  EXPECT_EQ(shown.pixel(inBand1), Q(win.Color(9)));
}

}  // namespace
}  // namespace gw
