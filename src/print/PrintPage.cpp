#include "print/PrintPage.h"

#include "Messages.h"
#include "display/Colors.h"
#include "display/Draw.h"
#include "system/Convert.h"
#include "text/Tr.h"
#include "state/Document.h"
#include "state/PuzzleState.h"
#include "state/WindowState.h"

namespace gw {
namespace {

constexpr Rgb kBlack = 0;
constexpr const char* kPrintFont = "ＭＳ 明朝";
constexpr double kTitlePoints = 11;
constexpr int kThin = 1;
constexpr int kThick = 3;
constexpr int kDot = 0, kSlash = 1;  // empty-mark styles; any other value prints the cross

int WidthOf(int offset) { return offset % 5 == 0 ? kThick : kThin; }

// Line 1 ends the line where the title would carry a carriage return: line 2 starts one text
// line further down, at the left margin again.
void PrintTitleLines(const PuzzleState& p, const Document& doc, Printer& pr, const PageGeometry& g) {
  double y = g.top + g.cell * (p.YHintCount + p.YSize + 1);
  pr.SetFont(kPrintFont, kTitlePoints);
  std::string line1 = Fill(Tr("「{1}」 ( {2} )"), {p.Title, doc.CurFileName});
  pr.Text(g.side, y, kPrinterDefaultColor, line1);
  y += pr.TextHeight(line1);
  std::string line2 =
      Fill(Tr(" ( {1} × {2} )   {3}"), {std::to_string(p.XSize), std::to_string(p.YSize), Tr(kAppCaption)});
  pr.Text(g.side, y, kPrinterDefaultColor, line2);
}

// Board lines run through the hint areas; every fifth one from the board's edge is thick.
void PrintBoardLines(const PuzzleState& p, Printer& pr, const PageGeometry& g) {
  const double s = g.side, t = g.top, c = g.cell;
  for (int i = 0; i <= p.YSize; ++i) {
    double y = t + c * (p.YHintCount + i);
    pr.Line(s, y, s + c * (p.XHintCount + p.XSize), y, WidthOf(i), kBlack);
  }
  for (int j = 0; j <= p.XSize; ++j) {
    double x = s + c * (p.XHintCount + j);
    pr.Line(x, t, x, t + c * (p.YHintCount + p.YSize), WidthOf(j), kBlack);
  }
}

void PrintSeparators(const PuzzleState& p, Printer& pr, const PageGeometry& g) {
  const double s = g.side, t = g.top, c = g.cell;
  for (int j = 0; j < p.XHintCount; ++j)
    pr.Line(s + c * j, t + c * p.YHintCount, s + c * j, t + c * (p.YHintCount + p.YSize), kThin, kBlack);
  for (int i = 0; i < p.YHintCount; ++i)
    pr.Line(s + c * p.XHintCount, t + c * i, s + c * (p.XHintCount + p.XSize), t + c * i, kThin, kBlack);
}

void PrintMark(int style, Printer& pr, double x1, double y1, double c) {
  double x2 = x1 + c, y2 = y1 + c;
  if (style == kDot) {
    pr.Point(x1 + 0.5 * c, y1 + 0.5 * c, kBlack);
    return;
  }
  pr.Line(x1, y2, x2, y1, kThin, kBlack);
  if (style != kSlash) pr.Line(x1, y1, x2, y2, kThin, kBlack);
}

// After the lines, so that a painted cell covers the grid under it.
void PrintCells(App& app, Printer& pr, const PageGeometry& g) {
  const PuzzleState& p = app.puzzle;
  for (int y = 1; y <= p.YSize; ++y)
    for (int x = 1; x <= p.XSize; ++x) {
      double x1 = g.side + g.cell * (p.XHintCount + x - 1);
      double y1 = g.top + g.cell * (p.YHintCount + y - 1);
      int v = p.Grid[x][y];
      if (v > 0) pr.FillBox(x1, y1, x1 + g.cell, y1 + g.cell, SlotColor(app, v));
      else if (v < 0) PrintMark(p.MarkStyle, pr, x1, y1, g.cell);
    }
}

// The hint as it reads on the board: "A0" stands for the special hint, not a run of 100.
std::string PrintedHint(int n) { return n == kHintA0 ? HintText(n) : DigitsText(n); }

// One hint whose slot has its top-left corner at (x, y): a single digit sits 0.3 cell in, two
// characters 0.05 cell, both 0.05 cell below the slot's top.
void PrintHint(App& app, Printer& pr, double cell, double x, double y, int number, int colour) {
  std::string t = PrintedHint(number);
  double dx = t.size() == 1 ? 0.3 : 0.05;
  Rgb c = app.wnd.ColorPrinter == 1 ? SlotColor(app, colour) : kPrinterDefaultColor;
  pr.Text(x + cell * dx, y + cell * 0.05, c, t);
}

void PrintHints(App& app, Printer& pr, const PageGeometry& g) {
  const PuzzleState& p = app.puzzle;
  const double c = g.cell;
  pr.SetFont(kPrintFont, c * 0.95 * 72 / 25.4);
  for (int y = 1; y <= p.YSize; ++y)
    for (int s = 1; s <= p.XHintCount; ++s)
      if (p.RowHints[s][y][kHintNumber] > 0)
        PrintHint(app, pr, c, g.side + c * (s - 1), g.top + c * (p.YHintCount + y - 1),
                  p.RowHints[s][y][kHintNumber], p.RowHints[s][y][kHintColor]);
  for (int s = 1; s <= p.YHintCount; ++s)
    for (int x = 1; x <= p.XSize; ++x)
      if (p.ColHints[x][s][kHintNumber] > 0)
        PrintHint(app, pr, c, g.side + c * (p.XHintCount + x - 1), g.top + c * (s - 1),
                  p.ColHints[x][s][kHintNumber], p.ColHints[x][s][kHintColor]);
}

}  // namespace

void PrintPuzzle(App& app, Printer& printer, const PageGeometry& page) {
  PrintTitleLines(app.puzzle, app.document, printer, page);
  PrintBoardLines(app.puzzle, printer, page);
  PrintSeparators(app.puzzle, printer, page);
  PrintCells(app, printer, page);
  PrintHints(app, printer, page);
}

}  // namespace gw
