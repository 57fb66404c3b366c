// The real-time hint check: the examples of its description, what it does and does not clear
// inside and outside the solver, the colour totals, and the crosses it draws.
#include <gtest/gtest.h>

#include <sstream>

#include "display/Draw.h"
#include "rules/HintCheck.h"
#include "solver/SolverState.h"
#include "state/Document.h"
#include "state/PuzzleState.h"
#include "support/TestApp.h"

namespace gw::test {
namespace {

// A row of width 6 with 5 hint slots (or the same as a column), cells as text: '1'..'9' colours,
// '-' a mark, '?' blank.
struct Line : TestApp {
  explicit Line(bool asColumn = false) : column(asColumn) {
    MakeBoard(app, column ? 1 : 6, column ? 6 : 1, column ? 1 : 5, column ? 5 : 1);
  }
  void Hints(std::vector<int> numbers, std::vector<int> colours = {}) {
    if (column) SetColHints(app, 1, numbers);
    else SetRowHints(app, 1, numbers);
    for (size_t i = 0; i < colours.size(); ++i) Slot(6 - numbers.size() + i)[kHintColor] = colours[i];
  }
  void Cells(const std::string& text) {
    for (int i = 1; i <= 6; ++i) {
      char ch = text[i - 1];
      Cell(i) = ch == '?' ? 0 : ch == '-' ? -1 : ch - '0';
    }
  }
  int* Slot(size_t s) { return column ? app.puzzle.ColHints[1][s] : app.puzzle.RowHints[s][1]; }
  int& Cell(int i) { return column ? app.puzzle.Grid[1][i] : app.puzzle.Grid[i][1]; }
  int& Total(int c) { return column ? app.solver.ColColorTotals[c][1] : app.solver.RowColorTotals[c][1]; }
  void Check() {
    if (column) CheckColHints(app, 1);
    else CheckRowHints(app, 1);
  }
  // Cells as the window shows them: stored, then redrawn.
  void CellsShown(const std::string& text) {
    Cells(text);
    Redraw(app);
    TakeOutput();
  }
  // The check as the window follows it: the ticks first, then the redraw of what they changed.
  void CheckShown() {
    Check();
    Redraw(app);
  }
  // The ticked slots, e.g. "45".
  std::string Ticks() {
    std::string t;
    for (int s = 1; s <= 5; ++s)
      if (Slot(s)[kHintCheck] == -1) t += char('0' + s);
    return t;
  }
  bool column;
};

int DrawnLines(const std::string& output) {
  std::istringstream in(output);
  int n = 0;
  for (std::string line; std::getline(in, line);) n += line.rfind("DRAW line ", 0) == 0 ? 1 : 0;
  return n;
}

TEST(HintCheck, ExamplesOfTheDescription) {
  struct Case {
    std::vector<int> hints;
    std::string cells, ticks;
  };
  const Case cases[] = {
      {{2, 1}, "11-1??", "45"},  // both by the left scan
      {{2, 1}, "111???", "45"},  // the missing separator is not noticed
      {{2, 1}, "???1-1", "5"},   // the right scan stops at the third cell
      {{3}, "11-111", "5"},      // the left scan stops at the mark, the right one ticks
      {{}, "111111", ""},        // a row without hints
      {{1, 1}, "1-1---", "45"},
  };
  for (bool column : {false, true})
    for (const Case& c : cases) {
      Line l(column);
      l.Hints(c.hints);
      l.Cells(c.cells);
      l.Check();
      EXPECT_EQ(l.Ticks(), c.ticks) << c.cells << (column ? " as a column" : "");
    }
}

TEST(HintCheck, ColourRunsPassOverCellsOfOtherColoursBeforeARun) {
  Line l;
  l.Hints({2, 1}, {2, 3});
  l.Cells("223???");
  l.Check();
  EXPECT_EQ(l.Ticks(), "45");
  l.Cells("322???");
  l.Check();
  EXPECT_EQ(l.Ticks(), "4");
}

TEST(HintCheck, OutsideTheSolverAHandTickOfAnIncompleteRunGoes) {
  Line l;
  l.Hints({2, 1});
  l.Cells("1?????");
  l.Slot(4)[kHintCheck] = -1;
  l.Check();
  EXPECT_EQ(l.Ticks(), "");
  EXPECT_EQ(l.app.document.Dirty, 1);
}

TEST(HintCheck, InsideTheSolverTicksStayAndAreCountedOffOnce) {
  Line l(true);
  l.Hints({2, 1});
  l.app.solver.SolverRunning = 1;
  l.Slot(4)[kHintCheck] = -1;  // ticked earlier, although its run is not complete now
  l.Total(1) = 5;
  l.Cells("?????1");
  l.Check();
  l.Check();
  EXPECT_EQ(l.Ticks(), "45");
  EXPECT_EQ(l.Total(1), 4);
}

TEST(HintCheck, OutsideTheSolverTotalsDriftDownOnEveryCheck) {
  Line l;
  l.Hints({2, 1}, {2, 3});
  l.Total(2) = 1;
  l.Total(3) = 1;
  l.Cells("22-3??");
  l.Check();
  l.Check();
  EXPECT_EQ(l.Total(2), -1);
  EXPECT_EQ(l.Total(3), -1);
  EXPECT_EQ(l.Total(1), 0);
}

TEST(HintCheck, TheRedrawAfterItDrawsOnlyTheCrossesThatChange) {
  Line l;
  l.Hints({2, 1});
  PaintBoard(l.app);
  l.ui.SetDrawEcho(true);
  l.Check();
  EXPECT_EQ(DrawnLines(l.TakeOutput()), 0);  // the check itself never draws
  l.CellsShown("11-1??");
  l.CheckShown();
  std::string first = l.TakeOutput();
  EXPECT_EQ(DrawnLines(first), 4);  // two crosses of two strokes
  EXPECT_NE(first.find("DRAW line 4 2 5 3 "), std::string::npos);  // slot 4's square
  l.app.document.Dirty = 0;
  l.CheckShown();  // a drag move over a cell already painted
  EXPECT_EQ(DrawnLines(l.TakeOutput()), 0);
  EXPECT_EQ(l.app.document.Dirty, 1);  // the crosses were taken off and put back all the same
  l.CellsShown("11-???");
  l.CheckShown();
  EXPECT_EQ(DrawnLines(l.TakeOutput()), 2);
  EXPECT_EQ(l.Ticks(), "4");
}

TEST(HintCheck, ColumnCrossesSitInTheColumnsSlots) {
  Line l(true);
  l.Hints({3});
  PaintBoard(l.app);
  l.ui.SetDrawEcho(true);
  l.CellsShown("111???");
  l.CheckShown();
  // Column 1 sits right of the single row-hint slot; slot 5 is its lowest hint square.
  EXPECT_NE(l.TakeOutput().find("DRAW line 2 5 3 6 "), std::string::npos);
}

TEST(HintCheck, LineWithoutHintSlotsOnlyClears) {
  TestApp t;
  MakeBoard(t.app, 3, 1, 0, 0);
  t.app.puzzle.Grid[1][1] = 1;
  CheckRowHints(t.app, 1);
  CheckColHints(t.app, 1);
  EXPECT_EQ(t.app.document.Dirty, 0);
}

}  // namespace
}  // namespace gw::test
