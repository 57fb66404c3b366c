// The real printer class: a PDF file page, the missing printer, and (run by
// tests/print/cups_print_test.sh) the system's default printer through CUPS.
#include <gtest/gtest.h>

#include <map>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QThread>

#include "PrintedPage.h"
#include "frontends/qt/QtPrinter.h"
#include "print/PrintPage.h"
#include "state/PuzzleState.h"
#include "state/WindowState.h"
#include "support/TestApp.h"

namespace gw {
namespace {

struct QtPrinterPage : ::testing::Test {
  test::TestApp t;
  QtPrinter printer;

  void SetUp() override {
    t.Start();
    test::MakePrintablePuzzle(t.app);
  }
  void Print() { PrintPuzzle(t.app, printer, {25, 25, test::kTestCellMm}); }
};

TEST_F(QtPrinterPage, APdfFileHoldsThePuzzleAndItsTitleLines) {
  QTemporaryDir dir;
  QString pdf = dir.filePath("neko.pdf");
  ASSERT_TRUE(printer.BeginPdf(pdf.toStdString())) << printer.LastError();
  Print();
  ASSERT_TRUE(printer.End()) << printer.LastError();
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5).startsWith("%PDF"));
  if (!test::HavePdfTools()) GTEST_SKIP() << "pdftoppm and pdftotext are not installed";
  test::ExpectPrintedPuzzle(test::RenderPdf(pdf));
  QString text = test::PdfText(pdf);
  EXPECT_TRUE(text.contains("「ねこのしっぽ」 ( neko.GWM )")) << text.toStdString();
  EXPECT_TRUE(text.contains("グリッドウィック")) << text.toStdString();
}

// Where the page is red, antialiased edges included (the board's black lines blend to grey).
bool Reddish(QRgb c) { return qRed(c) - qGreen(c) > 40 && qRed(c) - qBlue(c) > 40; }

// A page of hints in red, one and two digits and "A0" side by side: every slot holds its number's
// ink, kept off the slot's edges and so off its neighbours' and the lines; two characters keep
// a wider gap at their sides, one digit its place right of the middle.
TEST_F(QtPrinterPage, PrintedHintsKeepInsideTheirSlotsWithAGap) {
  test::MakeBoard(t.app, 10, 10, 4, 4);
  PuzzleState& p = t.app.puzzle;
  p.Palette[2] = 12;
  p.Palette[3] = 10;
  p.Grid[10][10] = 3;  // the only green: it places the board
  for (int line = 1; line <= 10; ++line) {
    test::SetRowHints(t.app, line, line % 2 ? std::vector<int>{1, 11, 13, 11} : std::vector<int>{100, 20, 88, 7}, 2);
    test::SetColHints(t.app, line, line % 2 ? std::vector<int>{100, 20, 88, 7} : std::vector<int>{1, 11, 13, 11}, 2);
  }
  t.app.wnd.ColorPrinter = 1;
  QTemporaryDir dir;
  QString pdf = dir.filePath("hints.pdf");
  ASSERT_TRUE(printer.BeginPdf(pdf.toStdString())) << printer.LastError();
  Print();
  ASSERT_TRUE(printer.End()) << printer.LastError();
  // Kept for looking at, when asked for as the screenshots are.
  if (QString shots = qEnvironmentVariable("GW_SHOT_DIR"); !shots.isEmpty()) {
    QFile::remove(shots + "/printed-hints.pdf");
    QFile::copy(pdf, shots + "/printed-hints.pdf");
  }
  if (!test::HavePdfTools()) GTEST_SKIP() << "pdftoppm is not installed";
  QImage page = test::RenderPdf(pdf);
  ASSERT_FALSE(page.isNull());
  const double cell = test::kTestCellMm * test::kPageDpi / 25.4;
  QRect green = test::Find(page, 0, 255, 0);
  ASSERT_TRUE(green.isValid());
  const double left = green.left() - 9 * cell, top = green.top() - 9 * cell;
  struct Slot {
    double x, y;  // top-left corner in cells from the board's corner
    int number;
  };
  std::vector<Slot> hintSlots;
  for (int line = 1; line <= 10; ++line)
    for (int s = 1; s <= 4; ++s) {
      hintSlots.push_back({double(s - 5), double(line - 1), p.RowHints[s][line][kHintNumber]});
      hintSlots.push_back({double(line - 1), double(s - 5), p.ColHints[line][s][kHintNumber]});
    }
  std::map<std::pair<int, int>, std::pair<int, int>> inkAcross;  // slot -> first and last inked column
  for (const Slot& slot : hintSlots) {
    QRectF box(left + slot.x * cell, top + slot.y * cell, cell, cell);
    auto& across = inkAcross[{int(slot.x), int(slot.y)}];
    across = {page.width(), -1};
    // The slot with half a cell of its neighbours round it: ink there that is not well inside
    // the slot belongs to no slot or runs into the next.
    QRect scan = box.adjusted(-cell / 2, -cell / 2, cell / 2, cell / 2).toAlignedRect();
    double gapLeft = cell, gapRight = cell, gapTop = cell, gapBottom = cell;
    int inked = 0;
    for (int y = scan.top(); y <= scan.bottom(); ++y)
      for (int x = scan.left(); x <= scan.right(); ++x) {
        if (!Reddish(page.pixel(x, y)) || !box.contains(x + 0.5, y + 0.5)) continue;
        ++inked;
        across = {std::min(across.first, x), std::max(across.second, x)};
        gapLeft = std::min(gapLeft, x - box.left());
        gapRight = std::min(gapRight, box.right() - (x + 1));
        gapTop = std::min(gapTop, y - box.top());
        gapBottom = std::min(gapBottom, box.bottom() - (y + 1));
      }
    std::string at = "slot " + std::to_string(int(slot.x)) + "," + std::to_string(int(slot.y)) +
                     " hint " + std::to_string(slot.number);
    ASSERT_GT(inked, 20) << at;
    bool wide = slot.number >= 10;
    // A tenth of the font's em from the top and bottom; a sixth across for two characters
    // (less a pixel or two for the rendering's rounding and the thick lines' half width).
    EXPECT_GE(std::min(gapTop, gapBottom), 3) << at;
    EXPECT_GE(std::min(gapLeft, gapRight), wide ? 0.95 * cell / 6 - 2 : 3) << at;
    if (!wide) { EXPECT_GT(gapLeft, cell / 4) << at << ": a single digit stands right of the middle"; }
  }
  // On paper too a third of a slot lies between the ink of neighbouring hints, side by side in a
  // row's hints and from column to column.
  for (const auto& [at, ink] : inkAcross) {
    auto next = inkAcross.find({at.first + 1, at.second});
    if (next == inkAcross.end() || (at.first < 0) != (at.first + 1 < 0)) continue;
    EXPECT_GE(next->second.first - ink.second - 1, cell / 3 - 1) << "slots " << at.first << "," << at.second;
  }
  // Ink outside every slot would be a number that ran out of its own.
  QRectF hints(left - 4 * cell, top - 4 * cell, 14 * cell, 14 * cell);
  int stray = 0;
  QPoint first;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) {
      if (!Reddish(page.pixel(x, y))) continue;
      QPointF c(x + 0.5, y + 0.5);
      bool inRowHints = c.x() < left && c.y() > top;
      bool inColHints = c.y() < top && c.x() > left;
      if (hints.contains(c) && (inRowHints || inColHints)) continue;
      if (stray++ == 0) first = QPoint(x, y);
    }
  EXPECT_EQ(stray, 0) << "red outside the hint areas, first at " << first.x() << "," << first.y();
}

TEST_F(QtPrinterPage, APdfInAMissingFolderFailsWithItsReason) {
  EXPECT_FALSE(printer.BeginPdf("/nonexistent-folder/x.pdf"));
  EXPECT_EQ(printer.LastError(), kPdfFailedText);
  EXPECT_FALSE(printer.End());
}

TEST_F(QtPrinterPage, AbsurdSizesStillMakeAPage) {
  QTemporaryDir dir;
  ASSERT_TRUE(printer.BeginPdf(dir.filePath("big.pdf").toStdString()));
  PrintPuzzle(t.app, printer, {-1e12, 1e15, 1e300});
  EXPECT_TRUE(printer.End());
}

TEST_F(QtPrinterPage, WithoutADefaultPrinterBeginSaysSo) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a default printer";
  EXPECT_FALSE(printer.Begin());
  EXPECT_EQ(printer.LastError(), kNoPrinterText);
}

// The newest PDF in the folder written after `since`, waiting up to a minute for it.
QString AwaitPdf(const QString& folder, const QDateTime& since) {
  for (int i = 0; i < 600; ++i) {
    for (const QFileInfo& f : QDir(folder).entryInfoList({"*.pdf"}, QDir::Files, QDir::Time))
      if (f.lastModified() >= since && f.size() > 0) {
        QThread::msleep(500);  // let the writer finish
        return f.absoluteFilePath();
      }
    QThread::msleep(100);
  }
  return {};
}

TEST_F(QtPrinterPage, TheDefaultPrinterPrintsThePage) {
  QString folder = qEnvironmentVariable("GW_CUPS_PDF_DIR");
  if (folder.isEmpty()) GTEST_SKIP() << "run by tests/print/cups_print_test.sh with a CUPS test printer";
  QDateTime since = QDateTime::currentDateTime().addSecs(-1);
  ASSERT_TRUE(printer.Begin()) << printer.LastError();
  Print();
  ASSERT_TRUE(printer.End()) << printer.LastError();
  QString pdf = AwaitPdf(folder, since);
  ASSERT_FALSE(pdf.isEmpty()) << "the printer wrote no PDF into " << folder.toStdString();
  // The print filters turn the fonts into outlines without text, so only the picture is checked.
  QImage page = test::RenderPdf(pdf);
  test::ExpectPrintedPuzzle(page);
  QString shots = qEnvironmentVariable("GW_SHOT_DIR");
  if (!shots.isEmpty()) {
    QFile::remove(shots + "/cups-printed.pdf");
    QFile::copy(pdf, shots + "/cups-printed.pdf");
    page.save(shots + "/cups-printed-page.png");
  }
  QFile::remove(pdf);
}

}  // namespace
}  // namespace gw
