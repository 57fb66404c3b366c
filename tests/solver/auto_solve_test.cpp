// The solve command: the pointer, the closing message and what a run leaves behind. The question,
// contradictions and probes are followed end to end in tests/scenarios/solver.
#include <gtest/gtest.h>

#include <random>

#include "frontends/quiet/QuietPlatform.h"
#include "solver/AutoSolve.h"
#include "solver/SolverState.h"
#include "state/PuzzleState.h"
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
  for (int x = 1; x <= 3; ++x)
    for (int y = 1; y <= 3; ++y) EXPECT_EQ(t.app.puzzle.Grid[x][y], x == 2 || y == 2 ? 1 : -1);
  EXPECT_EQ(o.probes, 0);
  EXPECT_EQ(t.app.puzzle.SolveState, 1);
  EXPECT_EQ(t.app.solver.SolverRunning, 0);
  for (int i = 1; i <= 3; ++i) {  // ticks erased at the end
    EXPECT_EQ(t.app.puzzle.RowHints[1][i][kHintCheck], 0);
    EXPECT_EQ(t.app.puzzle.ColHints[i][1][kHintCheck], 0);
  }
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

// Unseen, the solve never asks for a surface: the state changes, nothing is drawn.
TEST(AutoSolve, UnseenNothingIsDrawn) {
  struct Windowless : QuietPlatform {
    int surfacesAsked = 0;
    Surface& GetSurface(SurfaceId id) override {
      ++surfacesAsked;
      return QuietPlatform::GetSurface(id);
    }
  } ui;
  App app(ui);
  MakeBoard(app, 3, 3, 1, 1);
  for (int i = 1; i <= 3; ++i) {
    SetRowHints(app, i, {i == 2 ? 3 : 1});
    SetColHints(app, i, {i == 2 ? 3 : 1});
  }
  app.puzzle.Mode = kModePlay;
  SolveOutcome o = RunAutoSolve(app, SolveView::Unseen);
  EXPECT_FALSE(o.contradiction);
  EXPECT_EQ(app.puzzle.Grid[2][2], 1);
  EXPECT_EQ(app.puzzle.Grid[1][1], -1);
  EXPECT_EQ(ui.surfacesAsked, 0);
  EXPECT_EQ(ui.messages.size(), 1u);
}

}  // namespace
}  // namespace gw::test
