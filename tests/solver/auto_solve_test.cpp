// The solve command: the question, the redraw, the closing messages and what a run leaves behind.
#include <gtest/gtest.h>

#include <random>

#include "solver/AutoSolve.h"
#include "support/TestApp.h"

namespace gw::test {
namespace {

const char* kNormal = "\"ノーマルで解けましたね。\\rOKキーを押してください。\"";

// A 3 × 3 plus sign: rows 1, 3, 1 and columns 1, 3, 1.
struct Plus : TestApp {
  Plus() {
    MakeBoard(app, 3, 3, 1, 1);
    for (int i = 1; i <= 3; ++i) {
      SetRowHints(app, i, {i == 2 ? 3 : 1});
      SetColHints(app, i, {i == 2 ? 3 : 1});
    }
    app.puzzle.Mode = kModePlay;
  }
  std::string Rows() const {
    std::string text;
    for (int y = 1; y <= app.puzzle.YSize; ++y) {
      for (int x = 1; x <= app.puzzle.XSize; ++x) {
        int v = app.puzzle.Grid[x][y];
        text += v == 0 ? '.' : v == -1 ? '-' : v < 0 ? 'x' : char('0' + v);
      }
      text += '/';
    }
    return text;
  }
};

bool Has(const std::string& output, const std::string& what) { return output.find(what) != std::string::npos; }

TEST(AutoSolve, BlankBoardSolvesWithoutAQuestion) {
  Plus t;
  t.Answer("ok");
  SolveOutcome o = RunAutoSolve(t.app);
  std::string out = t.TakeOutput();
  EXPECT_FALSE(Has(out, "yesnocancel"));
  EXPECT_TRUE(Has(out, std::string("buttons=ok icon=none default=1 ") + kNormal + " -> ok"));
  EXPECT_LT(out.find("POINTER busy"), out.find("POINTER normal"));
  EXPECT_LT(out.find("POINTER normal"), out.find("MSG"));
  EXPECT_EQ(t.Rows(), "-1-/111/-1-/");
  EXPECT_EQ(o.probes, 0);
  EXPECT_EQ(t.app.puzzle.SolveState, 1);
  EXPECT_EQ(t.app.solver.SolverRunning, 0);
  for (int i = 1; i <= 3; ++i) {  // ticks erased at the end
    EXPECT_EQ(t.app.puzzle.RowHints[1][i][kHintCheck], 0);
    EXPECT_EQ(t.app.puzzle.ColHints[i][1][kHintCheck], 0);
  }
}

TEST(AutoSolve, CancelChangesNothing) {
  Plus t;
  t.app.puzzle.Grid[1][1] = 1;
  t.app.puzzle.RowHints[1][1][kHintCheck] = -1;
  t.Answer("cancel");
  EXPECT_TRUE(RunAutoSolve(t.app).cancelled);
  std::string out = t.TakeOutput();
  EXPECT_TRUE(Has(out, "buttons=yesnocancel icon=none default=1 \"画面を初期化してから解かせますか？\" -> cancel"));
  EXPECT_FALSE(Has(out, "POINTER"));
  EXPECT_EQ(t.Rows(), "1../.../.../");
  EXPECT_EQ(t.app.puzzle.RowHints[1][1][kHintCheck], -1);
  EXPECT_EQ(t.app.puzzle.SolveState, 0);
}

TEST(AutoSolve, YesClearsTheBoardFirst) {
  Plus t;
  t.app.puzzle.Grid[1][1] = 1;  // wrong
  t.Answer("yes");
  t.Answer("ok");
  EXPECT_FALSE(RunAutoSolve(t.app).contradiction);
  EXPECT_EQ(t.Rows(), "-1-/111/-1-/");
}

TEST(AutoSolve, NoSolvesOnTopOfThePlayersCellsAndMarks) {
  Plus t;
  t.app.puzzle.Grid[2][1] = 1;
  t.app.puzzle.Grid[3][3] = -3;
  t.Answer("no");
  t.Answer("ok");
  RunAutoSolve(t.app);
  EXPECT_TRUE(Has(t.TakeOutput(), kNormal));
  EXPECT_EQ(t.Rows(), "-1-/111/-1x/");  // the player's mark is kept as it was
}

TEST(AutoSolve, NoPuzzleShowsTheNormalMessage) {
  TestApp t;
  t.Answer("ok");
  SolveOutcome o = RunAutoSolve(t.app);
  EXPECT_FALSE(o.contradiction);
  std::string out = t.TakeOutput();
  EXPECT_FALSE(Has(out, "yesnocancel"));
  EXPECT_TRUE(Has(out, kNormal));
}

TEST(AutoSolve, RowWithoutPlacementIsNamedAndTicksStay) {
  TestApp t;
  MakeBoard(t.app, 5, 5, 2, 1);
  for (int y = 1; y <= 5; ++y) SetRowHints(t.app, y, y == 3 ? std::vector<int>{3, 3} : std::vector<int>{1});
  SetColHints(t.app, 1, {5});
  t.Answer("ok");
  EXPECT_TRUE(RunAutoSolve(t.app).contradiction);
  EXPECT_TRUE(Has(t.TakeOutput(), "\"矛盾が発生しました。\\r  x 座標 =  0\\r  y 座標 =  3\" -> ok"));
  EXPECT_EQ(t.app.puzzle.RowHints[2][1][kHintCheck], -1);  // row 1 was solved and ticked
  EXPECT_EQ(t.app.solver.SolverRunning, 0);
}

TEST(AutoSolve, BlankCellsLeftCountTheProbes) {
  Plus t;  // made a 2 × 2 board with a 1 in every line: its two diagonals both solve it
  MakeBoard(t.app, 2, 2, 1, 1);
  for (int i = 1; i <= 2; ++i) {
    SetRowHints(t.app, i, {1});
    SetColHints(t.app, i, {1});
  }
  t.Answer("ok");
  SolveOutcome o = RunAutoSolve(t.app);
  EXPECT_EQ(o.probes, 4);
  EXPECT_TRUE(Has(t.TakeOutput(), "\"背理法を 4 回使いました。\\rOKキーを押してください。\" -> ok"));
  EXPECT_EQ(t.Rows(), "../../");
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

// Malformed puzzles as files can hold them: hints that do not fit, 100 ("A0"), numbers above 20
// and below 0, colour 0, sizes of 0, and the player's cells of any code. The solve must end,
// touch nothing outside the board and leave only cell codes the board knows.
TEST(AutoSolve, MalformedPuzzlesEndCleanly) {
  std::mt19937 rng(77);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int iter = 0; iter < 400; ++iter) {
    TestApp t;
    int w = iter % 50 == 0 ? 20 : pick(0, 7), h = iter % 50 == 0 ? 20 : pick(0, 7);
    MakeBoard(t.app, w, h, pick(0, 4), pick(0, 4));
    PuzzleState& p = t.app.puzzle;
    const int numbers[] = {0, 0, 1, 1, 2, 3, 5, 7, 20, 21, 100, -2};
    for (int s = 1; s <= kMaxSize; ++s)
      for (int i = 1; i <= kMaxSize; ++i) {
        p.RowHints[s][i][kHintNumber] = numbers[pick(0, 11)];
        p.RowHints[s][i][kHintColor] = pick(0, 3);
        p.ColHints[i][s][kHintNumber] = numbers[pick(0, 11)];
        p.ColHints[i][s][kHintColor] = pick(0, 3);
      }
    bool decided = false;
    for (int x = 1; x <= w; ++x)
      for (int y = 1; y <= h; ++y) {
        p.Grid[x][y] = pick(0, 3) == 0 ? pick(-9, 9) : 0;
        decided = decided || p.Grid[x][y] != 0;
      }
    if (decided) t.Answer("no");  // solve on top of the player's cells
    for (int i = 0; i < 2; ++i) t.ui.QueueAnswer(ScriptStep{{"ok"}, 0, true, false});
    RunAutoSolve(t.app);
    EXPECT_EQ(t.app.solver.SolverRunning, 0);
    for (int x = 0; x <= kMaxSize; ++x)
      for (int y = 0; y <= kMaxSize; ++y) {
        bool inside = x >= 1 && x <= w && y >= 1 && y <= h;
        int v = p.Grid[x][y];
        ASSERT_TRUE(inside ? v >= -9 && v <= 9 : v == 0) << iter << ": " << x << "," << y << " = " << v;
      }
  }
}

}  // namespace
}  // namespace gw::test
