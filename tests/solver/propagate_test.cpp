// Line propagation: selection order, the four stores and their costs, contradiction positions,
// and the strip highlight, which must be gone on every exit.
#include <gtest/gtest.h>

#include <map>

#include "display/Draw.h"
#include "solver/HintTotals.h"
#include "solver/LineHelpers.h"
#include "solver/Propagate.h"
#include "solver/WorkLine.h"
#include "support/TestApp.h"

namespace gw::test {
namespace {

std::vector<std::string> HatchDrawings(const std::string& output) { return OutputLines(output, "DRAW hatch "); }

// Every highlight drawn was drawn again (exclusive-or: removed).
bool AllRemoved(const std::vector<std::string>& hatches) {
  std::map<std::string, int> count;
  for (const auto& h : hatches) ++count[h];
  for (const auto& [h, n] : count)
    if (n % 2 != 0) return false;
  return true;
}

struct Board : TestApp {
  Board(int xSize, int ySize, int xHints = 2, int yHints = 2) {
    MakeBoard(app, xSize, ySize, xHints, yHints);
    ui.SetDrawEcho(true);
  }
  void Propagate() {
    app.solver.Contradiction = 0;
    PropagateBoardLines(app, rows, cols);
  }
  std::string Row(int y) const {
    std::vector<int> cells;
    for (int x = 1; x <= app.puzzle.XSize; ++x) cells.push_back(app.puzzle.Grid[x][y]);
    return CellsText(cells);
  }
  PendingArray rows{}, cols{};
};

TEST(HalveCost, RoundsHalvesToEven) {
  const int want[][2] = {{0, 0}, {1, 0}, {2, 1}, {3, 2}, {4, 2}, {5, 2}, {6, 3}, {7, 4}, {32700, 16350}};
  for (const auto& [cost, half] : want) EXPECT_EQ(HalveCost(cost), half) << cost;
}

TEST(PropagateBoardLines, NothingPendingDrawsNothing) {
  Board b(3, 3);
  SetRowHints(b.app, 1, {3});
  b.Propagate();
  EXPECT_EQ(b.TakeOutput(), "");
  EXPECT_EQ(b.app.solver.Contradiction, 0);
  EXPECT_EQ(b.app.solver.LinePicks, 0);
}

TEST(PropagateBoardLines, RowGoesFirstOnEqualCostAndEveryStripIsRemoved) {
  Board b(3, 3, 1, 1);
  for (int i = 1; i <= 3; ++i) {
    SetRowHints(b.app, i, {3});
    SetColHints(b.app, i, {3});
  }
  CountHintColours(b.app);
  // The window shows the board, as it does when a solve starts: each frame draws only what changed.
  b.ui.SetDrawEcho(false);
  PaintBoard(b.app);
  b.ui.SetDrawEcho(true);
  b.cols[2] = 1;
  b.rows[2] = 1;
  b.Propagate();
  auto hatches = HatchDrawings(b.TakeOutput());
  ASSERT_FALSE(hatches.empty());
  EXPECT_EQ(hatches[0].substr(0, 17), "DRAW hatch 1 3 2 ");  // row 2's strip, left of the board
  EXPECT_TRUE(AllRemoved(hatches));
  for (int y = 1; y <= 3; ++y) EXPECT_EQ(b.Row(y), "111");
  EXPECT_EQ(b.app.solver.Contradiction, 0);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(b.rows[i] + b.cols[i], 0) << i;
}

TEST(StoreChecked, NewCellsMarkTheCrossingLineAndHalveBothCosts) {
  Board b(3, 3);
  LoadRowLine(b.app, 1);
  b.app.solver.LineCells[1] = 1;
  b.app.solver.LineCells[3] = -1;
  LineCosts costs;
  costs.RowCost[1] = 5;
  costs.ColCost[1] = 7;
  costs.ColCost[3] = 3;
  StoreRowLineChecked(b.app, 1, b.rows, b.cols, costs);
  EXPECT_EQ(b.Row(1), "1?-");
  EXPECT_EQ(costs.ColCost[1], 4);
  EXPECT_EQ(costs.ColCost[3], 2);
  EXPECT_EQ(costs.RowCost[1], 1);  // 5 -> 2 -> 1
  EXPECT_EQ(b.cols[1] + b.cols[3], 2);
  EXPECT_EQ(b.cols[2] + b.rows[1], 0);
  EXPECT_EQ(b.app.solver.Contradiction, 0);
}

TEST(StoreChecked, OverwriteIsAContradictionAtTheLastConflictingCell) {
  Board b(3, 3);
  b.app.puzzle.Grid[2][1] = 2;
  b.app.puzzle.Grid[2][3] = -1;
  LoadColLine(b.app, 2);
  b.app.solver.LineCells[1] = 1;
  b.app.solver.LineCells[3] = 1;
  LineCosts costs;
  StoreColLineChecked(b.app, 2, b.rows, b.cols, costs);
  EXPECT_EQ(b.app.solver.Contradiction, 1);
  EXPECT_EQ(b.rows[0], 2);
  EXPECT_EQ(b.cols[0], 3);
  EXPECT_EQ(b.app.puzzle.Grid[2][1], 1);  // the board keeps what was stored
}

TEST(StoreChecked, EmptyOverAnotherEmptyCodeIsNoConflict) {
  Board b(3, 1);
  b.app.puzzle.Grid[2][1] = -3;
  LoadRowLine(b.app, 1);
  b.app.solver.LineCells[2] = -1;
  LineCosts costs;
  StoreRowLineChecked(b.app, 1, b.rows, b.cols, costs);
  EXPECT_EQ(b.app.solver.Contradiction, 0);
  EXPECT_EQ(b.app.puzzle.Grid[2][1], -3);  // the player's mark stays as drawn
  EXPECT_EQ(b.cols[2], 0);
}

TEST(StoreLine, BlankCellsMarkTheirRowAndColumnOverwritesPassSilently) {
  Board b(3, 3);
  b.app.puzzle.Grid[1][2] = 2;
  LoadRowLine(b.app, 2);
  b.app.solver.LineCells[1] = 1;
  StoreRowLine(b.app, 2, b.rows, b.cols);
  EXPECT_EQ(b.app.puzzle.Grid[1][2], 1);
  EXPECT_EQ(b.rows[2] + b.cols[1], 0);
  b.app.solver.LineCells[3] = 1;
  StoreRowLine(b.app, 2, b.rows, b.cols);
  EXPECT_EQ(b.rows[2], 1);
  EXPECT_EQ(b.cols[3], 1);
  LoadColLine(b.app, 2);
  b.app.solver.LineCells[3] = -1;
  StoreColLine(b.app, 2, b.rows, b.cols);
  EXPECT_EQ(b.rows[3], 1);
  EXPECT_EQ(b.cols[2], 1);
}

TEST(PropagateBoardLines, EdgeRuleConflictIsReportedAtTheCellBeforeAnySolve) {
  Board b(5, 1);
  SetRowHints(b.app, 1, {3});
  b.app.puzzle.Grid[1][1] = 1;
  b.app.puzzle.Grid[3][1] = 2;
  b.rows[1] = 1;
  b.Propagate();
  EXPECT_EQ(b.app.solver.Contradiction, 1);
  EXPECT_EQ(b.rows[0], 3);
  EXPECT_EQ(b.cols[0], 1);
  EXPECT_EQ(b.app.solver.LinePicks, 1);
  EXPECT_TRUE(HatchDrawings(b.TakeOutput()).empty());
}

TEST(PropagateBoardLines, ColumnWithoutPlacementReportsItsNumberAndRemovesItsStrip) {
  Board b(2, 3);
  SetColHints(b.app, 2, {2, 2});
  b.cols[2] = 1;
  b.Propagate();
  EXPECT_EQ(b.app.solver.Contradiction, 1);
  EXPECT_EQ(b.rows[0], 2);
  EXPECT_EQ(b.cols[0], 0);
  auto hatches = HatchDrawings(b.TakeOutput());
  EXPECT_EQ(hatches.size(), 2u);
  EXPECT_TRUE(AllRemoved(hatches));
  // A row without placement gives (0, y).
  Board r(3, 2);
  SetRowHints(r.app, 2, {4});
  r.rows[2] = 1;
  r.Propagate();
  EXPECT_EQ(r.rows[0], 0);
  EXPECT_EQ(r.cols[0], 2);
}

TEST(PropagateBoardLines, EndsWhenEveryPendingLineStandsAtTheCap) {
  Board b(3, 2);
  SetRowHints(b.app, 1, {3});
  SetColHints(b.app, 1, {1});
  SetColHints(b.app, 2, {1});
  SetColHints(b.app, 3, {1});
  CountHintColours(b.app);
  b.rows[1] = 1;
  b.rows[2] = 1;
  LineCosts costs;
  costs.RowCost[1] = costs.RowCost[2] = kCostCap;
  RunPropagation(b.app, b.rows, b.cols, costs);
  EXPECT_EQ(b.Row(1), "111");
  EXPECT_EQ(b.Row(2), "---");
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(b.rows[i] + b.cols[i], 0) << i;
}

}  // namespace
}  // namespace gw::test
