// The overlap and edge rules: the examples of their description and lines that contradict their
// hints, where no read or write may leave cells 1..L and runs 1..n.
#include <gtest/gtest.h>

#include "solver/LineHelpers.h"
#include "solver/LineRules.h"
#include "solver/SolverState.h"
#include "support/TestApp.h"

namespace gw::test {
namespace {

struct Ruled {
  std::string cells;
  int changed;
};

Ruled Apply(App& app, int (*rule)(App&), const std::string& cells, const std::vector<HintRun>& runs) {
  SetWorkLine(app, Cells(cells), runs);
  int changed = rule(app);
  // Cell 0 holds the length, and the cell after 20 would be the count of runs.
  EXPECT_EQ(app.solver.LineCells[0], static_cast<int>(Cells(cells).size()));
  EXPECT_EQ(app.solver.LineHints[0][0], static_cast<int>(runs.size()));
  return {CellsText(WorkCells(app)), changed};
}

TEST(OverlapRule, FillsWhatEveryPackingCovers) {
  TestApp t;
  EXPECT_EQ(Apply(t.app, OverlapRule, "??????????", {{3}, {5}}).cells, "?11??1111?");
  EXPECT_EQ(Apply(t.app, OverlapRule, "?????????", {{3}, {5}}).cells, "111-11111");
  EXPECT_EQ(Apply(t.app, OverlapRule, "?????????", {{3, 1}, {5, 2}}).cells, "?11?2222?");
  Ruled none = Apply(t.app, OverlapRule, "??????????", {{2}, {2}});
  EXPECT_EQ(none.changed, 0);
  EXPECT_EQ(none.cells, "??????????");
}

TEST(OverlapRule, LineWithoutHintsBecomesEmptyEvenWhereFilled) {
  TestApp t;
  Ruled r = Apply(t.app, OverlapRule, "?1?x?", {{0}});
  EXPECT_EQ(r.cells, "-----");
  EXPECT_EQ(r.changed, 1);
}

TEST(OverlapRule, OverwritesDecidedCellsWithWhatTheHintsForce) {
  TestApp t;
  EXPECT_EQ(Apply(t.app, OverlapRule, "-?2", {{3, 1}}).cells, "111");
}

TEST(OverlapRule, RunsThatDoNotFitLeaveTheLineAlone) {
  TestApp t;
  for (const auto& runs : std::vector<std::vector<HintRun>>{{{3}, {3}}, {{100}}, {{21}}, {{-1}}, {{2}, {-3}}}) {
    Ruled r = Apply(t.app, OverlapRule, "?????", runs);
    EXPECT_EQ(r.changed, 0);
    EXPECT_EQ(r.cells, "?????");
  }
}

TEST(EdgeRule, CompletesARunStartedAtTheEdge) {
  TestApp t;
  EXPECT_EQ(Apply(t.app, EdgeRule, "11????", {{3}}).cells, "111???");
  EXPECT_EQ(Apply(t.app, EdgeRule, "11????", {{3}, {1}}).cells, "111-??");
  EXPECT_EQ(Apply(t.app, EdgeRule, "11????", {{3, 1}, {1, 2}}).cells, "111???");
  EXPECT_EQ(Apply(t.app, EdgeRule, "-1????", {{2}}).cells, "-11???");
  EXPECT_EQ(Apply(t.app, EdgeRule, "????11", {{1}, {3}}).cells, "??" "-111");
}

TEST(EdgeRule, ReportsARunAlreadyCompleteAndIgnoresOneTooLong) {
  TestApp t;
  Ruled complete = Apply(t.app, EdgeRule, "11?", {{2}});
  EXPECT_EQ(complete.changed, 1);
  EXPECT_EQ(complete.cells, "11?");
  Ruled tooLong = Apply(t.app, EdgeRule, "111?", {{2}});
  EXPECT_EQ(tooLong.changed, 0);
  EXPECT_EQ(tooLong.cells, "111?");
  EXPECT_EQ(Apply(t.app, EdgeRule, "1-1-1", {{1}, {1}, {1}}).changed, 0);  // no blank cell
}

TEST(EdgeRule, MarkEndsARunAndStartsNoNewOne) {
  TestApp t;
  EXPECT_EQ(Apply(t.app, EdgeRule, "11x1???", {{3}, {2}}).cells, "11x11??");
}

TEST(EdgeRule, ForwardRunThatFillsTheLastBlankEndsTheRule) {
  TestApp t;
  Ruled r = Apply(t.app, EdgeRule, "11?", {{3}});
  EXPECT_EQ(r.cells, "111");
  EXPECT_EQ(r.changed, 1);
}

TEST(EdgeRule, StaysInsideTheLineWhenItContradictsItsHints) {
  TestApp t;
  // From the left, hint 3 on a 20-wide row: the run starting at cell 19 would reach cell 21.
  Ruled right = Apply(t.app, EdgeRule, "------------------1?", {{3}});
  EXPECT_EQ(right.changed, 0);
  EXPECT_EQ(right.cells, "------------------1?");
  // From the right, hints 1 3: the run ending at cell 2 would start at cell 0.
  Ruled left = Apply(t.app, EdgeRule, "?1----", {{1}, {3}});
  EXPECT_EQ(left.changed, 0);
  EXPECT_EQ(left.cells, "?1----");
  // A run that just fits keeps its separator inside the line too.
  EXPECT_EQ(Apply(t.app, EdgeRule, "----1?", {{2}, {1}}).cells, "----11");
  // More runs than hints from either end.
  EXPECT_EQ(Apply(t.app, EdgeRule, "1-1-??", {{1}}).changed, 0);
  EXPECT_EQ(Apply(t.app, EdgeRule, "??1-1-1", {{1}, {1}}).changed, 0);
}

}  // namespace
}  // namespace gw::test
