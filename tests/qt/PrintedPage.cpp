#include "PrintedPage.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "state/Document.h"
#include "state/PuzzleState.h"
#include "state/WindowState.h"
#include "support/TestApp.h"

namespace gw::test {
namespace {

constexpr double kDpi = kPageDpi;

bool Near(QRgb c, int r, int g, int b) {
  return std::abs(qRed(c) - r) < 60 && std::abs(qGreen(c) - g) < 60 && std::abs(qBlue(c) - b) < 60;
}
bool Dark(QRgb c) { return qGray(c) < 128; }

// How many dark pixels a scanline holds around x.
int DarkRun(const QImage& page, int x, int y) {
  int left = x, right = x;
  while (left > 0 && Dark(page.pixel(left - 1, y))) --left;
  while (right < page.width() - 1 && Dark(page.pixel(right + 1, y))) ++right;
  return Dark(page.pixel(x, y)) || Dark(page.pixel(left, y)) ? right - left + 1 : 0;
}

// The widest dark run within two pixels of x.
int LineWidth(const QImage& page, int x, int y) {
  int widest = 0;
  for (int dx = -2; dx <= 2; ++dx) widest = std::max(widest, DarkRun(page, x + dx, y));
  return widest;
}

}  // namespace

QRect Find(const QImage& page, int r, int g, int b) {
  QRect box;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (Near(page.pixel(x, y), r, g, b)) box |= QRect(x, y, 1, 1);
  return box;
}

void MakePrintablePuzzle(App& app) {
  MakeBoard(app, 10, 10, 2, 2);
  PuzzleState& p = app.puzzle;
  p.Title = "ねこのしっぽ";
  app.document.CurFileName = "neko.GWM";
  p.Palette[2] = 12;
  p.Palette[3] = 10;
  p.Grid[1][1] = 2;
  p.Grid[10][10] = 3;
  p.Grid[4][4] = -1;
  SetRowHints(app, 1, {1}, 2);
  SetRowHints(app, 10, {12}, 2);
  SetColHints(app, 1, {1, 7}, 2);
  app.wnd.ColorPrinter = 1;
}

bool HavePdfTools() {
  return QProcess::execute("sh", {"-c", "command -v pdftoppm && command -v pdftotext"}) == 0;
}

QImage RenderPdf(const QString& pdf) {
  QTemporaryDir dir;
  QString out = dir.filePath("page");
  if (QProcess::execute("pdftoppm", {"-r", QString::number(kDpi), "-png", "-singlefile", pdf, out}) != 0)
    return {};
  return QImage(out + ".png").convertToFormat(QImage::Format_RGB32);
}

QString PdfText(const QString& pdf) {
  QProcess p;
  p.start("pdftotext", {pdf, "-"});
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

void ExpectPrintedPuzzle(const QImage& page) {
  ASSERT_FALSE(page.isNull());
  const double cell = kTestCellMm * kDpi / 25.4;
  // The green cell (10, 10) is the only green on the page: it places the board.
  QRect green = Find(page, 0, 255, 0);
  ASSERT_TRUE(green.isValid()) << "no green cell printed";
  EXPECT_NEAR(green.width(), cell, 3);
  EXPECT_NEAR(green.height(), cell, 3);
  double left = green.left() - 9 * cell, top = green.top() - 9 * cell;
  auto at = [&](double x, double y) { return page.pixel(int(left + x * cell), int(top + y * cell)); };
  EXPECT_TRUE(Near(at(0.5, 0.5), 255, 0, 0)) << "cell (1, 1) is not red";
  EXPECT_FALSE(Dark(at(2.5, 1.5))) << "a blank cell is not white";
  // Row 2 holds nothing but the vertical lines: every fifth is thick.
  int y = int(top + 1.5 * cell);
  int thin = 0, thick = 100;
  for (int k = 0; k <= 10; ++k) {
    int w = LineWidth(page, int(left + k * cell), y);
    EXPECT_GT(w, 0) << "no line at board offset " << k;
    if (k % 5 == 0) thick = std::min(thick, w);
    else thin = std::max(thin, w);
  }
  EXPECT_GT(thick, thin) << "thick " << thick << " thin " << thin;
  // Red hint digits stand left of the board in row 1 and above it in column 1.
  bool redHint = false;
  for (int dx = 0; dx < int(cell); ++dx)
    for (int dy = 0; dy < int(cell); ++dy)
      redHint |= Near(page.pixel(int(left - cell) + dx, int(top) + dy), 255, 0, 0);
  EXPECT_TRUE(redHint) << "the row hint is not red";
  // The two title lines start one cell below the board, at the left margin.
  int titleInk = 0;
  for (int dy = 0; dy < int(cell * 2); ++dy)
    for (int dx = 0; dx < int(cell * 8); ++dx)
      titleInk += Dark(page.pixel(int(left - 2 * cell) + dx, int(top + 11 * cell) + dy));
  EXPECT_GT(titleInk, 200) << "no title lines below the puzzle";
}

}  // namespace gw::test
