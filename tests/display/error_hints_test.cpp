// Error hints: a line is shown as gone wrong exactly when no placement of its runs agrees with
// its painted and marked cells. The rows are the examples of the hint check, and a few of colour.
#include <gtest/gtest.h>

#include "rules/ExactTicks.h"

namespace gw::test {
namespace {

// '#' colour 1, 'r' colour 2, 'b' colour 3, 'x' a mark, '?' blank.
std::vector<int> Cells(const std::string& text) {
  std::vector<int> cells;
  for (char c : text) cells.push_back(c == '#' ? 1 : c == 'r' ? 2 : c == 'b' ? 3 : c == 'x' ? -1 : 0);
  return cells;
}

TEST(ErrorHints, ALineIsWrongWhenNoPlacementAgrees) {
  using R = analysis::LineRuns;
  struct Row {
    R runs;
    const char* cells;
    bool fits;
  } rows[] = {
      {{{2, 1}, {1, 1}}, "##x#??", true},
      {{{2, 1}, {1, 1}}, "###???", false},  // the weak check ticks both; the line cannot be 2 1
      {{{2, 1}, {1, 1}}, "???#x#", true},
      {{{3, 1}}, "##x###", false},          // two runs for one hint
      {{{3, 1}}, "??????", true},
      {{{3, 1}}, "?x?x??", false},          // no room for 3
      {{{3, 1}}, "xxx###", true},
      {{{1, 1}, {1, 1}, {1, 1}}, "#?#?#?", true},
      {{{1, 1}, {1, 1}, {1, 1}}, "##????", false},
      {{{2, 2}, {1, 3}}, "rrb???", true},   // red 2 then blue 1, side by side
      {{{2, 2}, {1, 3}}, "brr???", false},  // blue before red
      {{{2, 2}, {1, 3}}, "??#???", false},  // a colour the line has no run of
      {{{2, 2}, {2, 2}}, "rrrr??", false},  // runs of one colour need a gap
      {{{2, 2}, {2, 2}}, "rr?rr?", true},
  };
  for (const Row& r : rows) EXPECT_EQ(LineFits(r.runs, Cells(r.cells)), r.fits) << r.cells;
}

}  // namespace
}  // namespace gw::test
