// The hint's reasoning against brute force: on random pictures with part of their cells shown, the
// line it names decides exactly the cells that every filling of that line agrees on, no other
// line decides more, and what it decides agrees with the picture. The mistake count on a table of
// boards.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "analysis/HintSearch.h"
#include "display/BoardLayout.h"
#include "play/PlayTools.h"
#include "state/PuzzleState.h"
#include "support/TestApp.h"

namespace gw {
namespace {

using analysis::LineRuns;

LineRuns RunsOf(const std::vector<int>& line) {
  LineRuns runs;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == 0) continue;
    if (i > 0 && line[i - 1] == line[i]) ++runs.back().length;
    else runs.push_back({1, line[i]});
  }
  return runs;
}

bool SameRuns(const LineRuns& a, const LineRuns& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i].length != b[i].length || a[i].color != b[i].color) return false;
  return true;
}

struct Picture {
  int w, h;
  std::vector<int> cells;
  int At(int x, int y) const { return cells[y * w + x]; }
};

std::vector<int> Line(const std::vector<int>& cells, int w, int h, analysis::LineRef ref) {
  std::vector<int> out;
  int n = ref.isRow ? w : h;
  for (int i = 0; i < n; ++i) out.push_back(ref.isRow ? cells[ref.index * w + i] : cells[i * w + ref.index]);
  return out;
}

analysis::Puzzle PuzzleOf(const Picture& pic) {
  analysis::Puzzle p{pic.w, pic.h, {}, {}};
  for (int y = 0; y < pic.h; ++y) p.rows.push_back(RunsOf(Line(pic.cells, pic.w, pic.h, {true, y})));
  for (int x = 0; x < pic.w; ++x) p.cols.push_back(RunsOf(Line(pic.cells, pic.w, pic.h, {false, x})));
  return p;
}

// Every filling of a line with values 0..colours that gives its runs and keeps the known cells
// (board values: 0 blank, negative empty, positive a colour); for each blank cell the one value all
// fillings agree on, or -1.
std::vector<int> ForcedByBruteForce(const LineRuns& runs, const std::vector<int>& known, int colours) {
  int n = static_cast<int>(known.size());
  std::vector<int> agreed(n, -2), fill(n, 0);
  long long total = 1;
  for (int i = 0; i < n; ++i) total *= colours + 1;
  for (long long code = 0; code < total; ++code) {
    long long c = code;
    bool fits = true;
    for (int i = 0; i < n; ++i) {
      fill[i] = static_cast<int>(c % (colours + 1));
      c /= colours + 1;
      int k = known[i];
      if ((k < 0 && fill[i] != 0) || (k > 0 && fill[i] != k)) fits = false;
    }
    if (!fits || !SameRuns(RunsOf(fill), runs)) continue;
    for (int i = 0; i < n; ++i) agreed[i] = agreed[i] == -2 ? fill[i] : agreed[i] == fill[i] ? fill[i] : -1;
  }
  for (int i = 0; i < n; ++i)
    if (known[i] != 0) agreed[i] = -1;
  return agreed;
}

int CountForced(const std::vector<int>& forced) {
  int n = 0;
  for (int v : forced) n += v >= 0;
  return n;
}

TEST(HintSearch, TheNamedLineDecidesWhatEveryFillingAgreesOnAndNoLineDecidesMore) {
  std::mt19937 rng(7);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  int lines = 0;
  for (int round = 0; round < 300; ++round) {
    int colours = pick(1, 2);
    Picture pic{pick(3, 5), pick(3, 5), {}};
    for (int i = 0; i < pic.w * pic.h; ++i) pic.cells.push_back(pick(0, 2) ? pick(1, colours) : 0);
    analysis::Puzzle puzzle = PuzzleOf(pic);
    // The player has found some of the cells, painted or marked, all of them right.
    PlayerBoard board{pic.w, pic.h, {}};
    for (int v : pic.cells) board.cells.push_back(pick(0, 2) == 0 ? (v > 0 ? v : -1) : 0);
    Hint hint = FindHint(puzzle, board);
    ASSERT_NE(hint.kind, HintKind::kContradiction) << "round " << round;

    int best = 0;
    std::vector<int> bestForced;
    analysis::LineRef bestLine;
    for (int pass = 0; pass < 2; ++pass)
      for (int i = 0; i < (pass == 0 ? pic.h : pic.w); ++i) {
        analysis::LineRef ref{pass == 0, i};
        std::vector<int> forced = ForcedByBruteForce(ref.isRow ? puzzle.rows[i] : puzzle.cols[i],
                                                     Line(board.cells, pic.w, pic.h, ref), colours);
        if (CountForced(forced) > best) {
          best = CountForced(forced);
          bestForced = forced;
          bestLine = ref;
        }
      }
    if (best == 0) {
      ASSERT_NE(hint.kind, HintKind::kLine) << "round " << round;
    } else {
      ASSERT_EQ(hint.kind, HintKind::kLine) << "round " << round;
      ASSERT_EQ(hint.line.isRow, bestLine.isRow) << "round " << round;
      ASSERT_EQ(hint.line.index, bestLine.index) << "round " << round;
      ASSERT_EQ(static_cast<int>(hint.cells.size()), best) << "round " << round;
      ++lines;
    }
    // Whatever it decides is what the picture holds when the picture is the only answer.
    analysis::Analysis a = analysis::Analyze(puzzle);
    if (a.solutions == 1) {
      for (const CellPos& c : hint.cells) EXPECT_EQ(c.value, pic.At(c.x, c.y)) << "round " << round;
    }
    for (const CellPos& c : hint.cells) {
      EXPECT_EQ(board.At(c.x, c.y), 0) << "round " << round;
    }
  }
  // Most rounds have a line to name; the others are checked for not naming one.
  EXPECT_GT(lines, 100);
}

// A 20 × 20 puzzle that line reasoning alone cannot finish (jwilk/nonogram data/data022, MIT; see
// tests/solver/puzzles/SOURCES.md).
const std::vector<std::vector<int>> kStallRows = {
    {2, 2, 6}, {1, 1, 2, 1}, {1, 1, 2, 2}, {4, 3, 1}, {1, 3, 1, 4}, {1, 3, 1, 2, 1}, {6, 1, 2, 2},
    {13}, {8}, {7, 6}, {2, 3, 4, 4}, {1, 3, 4, 4}, {1, 5, 3, 2}, {2, 1, 2, 3, 2}, {1, 1, 2, 3, 3},
    {1, 1, 4, 4}, {2, 3, 5}, {1, 7}, {1, 1}, {1}};
const std::vector<std::vector<int>> kStallCols = {
    {1, 3, 2}, {4, 1, 2}, {1, 1, 1, 3}, {10, 3}, {1, 9}, {13}, {4, 1, 3}, {7, 3}, {1, 2, 5},
    {2, 7, 2}, {1, 6, 1}, {1, 1, 1, 2, 3}, {2, 1, 1, 1, 4}, {1, 1, 1, 2, 3, 2}, {1, 1, 1, 5, 1},
    {1, 2, 2, 3, 2}, {1, 1, 3, 2, 3}, {3, 2, 4}, {6}, {7}};

analysis::Puzzle StallPuzzle() {
  analysis::Puzzle puzzle{20, 20, {}, {}};
  auto runs = [](const std::vector<int>& lengths) {
    LineRuns r;
    for (int n : lengths) r.push_back({n, 1});
    return r;
  };
  for (const auto& r : kStallRows) puzzle.rows.push_back(runs(r));
  for (const auto& c : kStallCols) puzzle.cols.push_back(runs(c));
  return puzzle;
}

// Every cell that lines decide, painted or marked, the rest blank.
PlayerBoard LineBoard(const analysis::Puzzle& puzzle) {
  analysis::Candidates c = analysis::BlankCandidates(puzzle);
  EXPECT_TRUE(analysis::PropagateLines(puzzle, c));
  PlayerBoard board{puzzle.width, puzzle.height, {}};
  for (analysis::CellSet s : c.cells)
    board.cells.push_back(s == analysis::kEmptyBit ? -1 : s == analysis::ColorBit(1) ? 1 : 0);
  return board;
}

// Where lines stall, no line is left to name, and the cell named instead gets the value of the
// only answer.
TEST(HintSearch, WhereLinesStallATrialNamesACellOfTheAnswer) {
  analysis::Puzzle puzzle = StallPuzzle();
  analysis::Analysis a = analysis::Analyze(puzzle);
  ASSERT_EQ(a.solutions, 1);
  PlayerBoard board = LineBoard(puzzle);
  Hint h = FindHint(puzzle, board);
  ASSERT_EQ(h.kind, HintKind::kProbe);
  ASSERT_EQ(h.cells.size(), 1u);
  EXPECT_EQ(board.At(h.cells[0].x, h.cells[0].y), 0);
  EXPECT_EQ(h.cells[0].value, a.boards[0].At(h.cells[0].x, h.cells[0].y));
}

// The two menu items on that board in play: the hint names the cell, the check finds nothing
// wrong, and neither touches the board, the ticks or SolveState.
TEST(PlayTools, TheHintNamesTheCellOfATrialAndLeavesTheGameAsItWas) {
  test::TestApp t;
  t.Start();
  test::MakeBoard(t.app, 20, 20, 6, 6);
  for (int i = 0; i < 20; ++i) {
    test::SetRowHints(t.app, i + 1, kStallRows[i]);
    test::SetColHints(t.app, i + 1, kStallCols[i]);
  }
  PlayerBoard board = LineBoard(StallPuzzle());
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) t.app.puzzle.Grid[x + 1][y + 1] = board.At(x, y);
  t.app.puzzle.RowHints[6][3][kHintCheck] = -1;
  auto before = std::make_unique<PuzzleState>(t.app.puzzle);
  t.TakeOutput();
  t.Answer("ok");
  ShowHint(t.app);
  EXPECT_EQ(t.app.layout.Highlight.size(), 1u);  // the cell, no line
  t.Answer("ok");
  MistakeCheck(t.app);
  std::string out = t.TakeOutput();
  EXPECT_NE(out.find("どの列も、それだけでは新しく決まるマスがありません。\\r上から"), std::string::npos) << out;
  EXPECT_NE(out.find("列目のマスは、仮に置いてみると矛盾が出るので決まります。"), std::string::npos) << out;
  EXPECT_NE(out.find("今のところ、まちがいはありません。"), std::string::npos) << out;
  EXPECT_EQ(std::memcmp(before->Grid, t.app.puzzle.Grid, sizeof before->Grid), 0);
  EXPECT_EQ(std::memcmp(before->RowHints, t.app.puzzle.RowHints, sizeof before->RowHints), 0);
  EXPECT_EQ(t.app.puzzle.SolveState, before->SolveState);
  EXPECT_TRUE(t.app.layout.Highlight.empty());  // nothing wrong to show; the hint's cell is gone
}

TEST(HintSearch, ABoardThatBreaksALineAndAFullBoardAreTold) {
  Picture pic{3, 3, {1, 0, 1, 0, 1, 0, 1, 0, 1}};
  analysis::Puzzle puzzle = PuzzleOf(pic);
  // Row 2 should hold one cell; the player has painted all three.
  PlayerBoard wrong{3, 3, {0, 0, 0, 1, 1, 1, 0, 0, 0}};
  Hint h = FindHint(puzzle, wrong);
  EXPECT_EQ(h.kind, HintKind::kContradiction);
  EXPECT_TRUE(h.line.isRow);
  EXPECT_EQ(h.line.index, 1);
  PlayerBoard full{3, 3, {1, -1, 1, -1, 1, -1, 1, -1, 1}};
  EXPECT_EQ(FindHint(puzzle, full).kind, HintKind::kSolved);
}

TEST(HintSearch, AChequerOfTwoSolutionsOffersNoStep) {
  // Rows 1 1, columns 1 1 on 2 × 2: two diagonals fit, nothing is decided either way.
  Picture pic{2, 2, {1, 0, 0, 1}};
  PlayerBoard blank{2, 2, {0, 0, 0, 0}};
  EXPECT_EQ(FindHint(PuzzleOf(pic), blank).kind, HintKind::kNone);
}

TEST(Mistakes, PaintOfTheWrongColourOrWhereEmptyAndMarksWherePaintedCount) {
  analysis::Board solution{3, 1, {1, 0, 2}};
  struct Case {
    std::vector<int> board;
    std::vector<CellPos> wrong;
  } cases[] = {
      {{0, 0, 0}, {}},
      {{1, -1, 2}, {}},
      {{-1, 0, 0}, {{0, 0, 1}}},
      {{0, 1, 0}, {{1, 0, 0}}},
      {{0, -2, 1}, {{2, 0, 2}}},
      {{2, 2, -2}, {{0, 0, 1}, {1, 0, 0}, {2, 0, 2}}},
  };
  for (const Case& c : cases) EXPECT_EQ(FindMistakes(PlayerBoard{3, 1, c.board}, solution), c.wrong);
}

}  // namespace
}  // namespace gw
