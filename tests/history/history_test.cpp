// Undo and redo: random play against the states recorded between steps, what makes a step, the
// redo list, the edit menu, number input entries, the picture commands and the fresh start of the
// history when the puzzle is replaced.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "display/BoardLayout.h"
#include "history/EditHistory.h"
#include "mainwnd/MainWnd.h"
#include "mainwnd/Menus.h"
#include "support/TestApp.h"

namespace gw::test {
namespace {

struct Board {
  int grid[kCap][kCap];
  int rows[kCap][kCap][3];
  int cols[kCap][kCap][3];
  explicit Board(const PuzzleState& p) {
    std::memcpy(grid, p.Grid, sizeof grid);
    std::memcpy(rows, p.RowHints, sizeof rows);
    std::memcpy(cols, p.ColHints, sizeof cols);
  }
  bool operator==(const Board& o) const {
    return std::memcmp(this, &o, sizeof *this) == 0;
  }
};

// A 7 × 5 board with 3 hint slots each way, hints on every line, in play mode.
struct Hist : TestApp {
  explicit Hist(int mode = kModePlay) {
    Start();
    app.puzzle.Mode = mode;
    MakeBoard(app, 7, 5, 3, 3);
    for (int y = 1; y <= 5; ++y) SetRowHints(app, y, {2, 1});
    for (int x = 1; x <= 7; ++x) SetColHints(app, x, {1, 2}, x % 2 + 1);
    app.puzzle.Palette[2] = 12;
    app.puzzle.CurColor = 1;
    ResetHistory(app);
    TakeOutput();
  }
  double X(int col) const { return 3 + col + 0.5; }
  double Y(int row) const { return 3 + row + 0.5; }
  void Press(int button, int col, int row) { MainWndMouseDown(app, button, 0, X(col), Y(row)); }
  void Drag(int held, int col, int row) { MainWndMouseMove(app, held, 0, X(col), Y(row)); }
  void Menu(MenuId m, int i) { MenuClick(app, m, i); }
  bool Enabled(MenuId m, int i) { return ui.MenuEnabled(m, i); }
};

// One random user action: a press on a cell or a hint (any button), a short drag, a colour change.
void RandomAction(Hist& t, std::mt19937& rng, bool hintsToo) {
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  int kind = pick(0, hintsToo ? 4 : 3);
  if (kind == 4) {
    // A hand tick on a row or a column hint.
    if (pick(0, 1)) MainWndMouseDown(t.app, 1, 0, 1 + pick(0, 2) + 0.5, t.Y(pick(1, 5)));
    else MainWndMouseDown(t.app, 1, 0, t.X(pick(1, 7)), 1 + pick(0, 2) + 0.5);
    return;
  }
  if (kind == 3) {
    t.app.puzzle.CurColor = pick(1, 2);
    return;
  }
  const int buttons[] = {kLeftButton, kRightButton, kMiddleButton};
  int button = buttons[pick(0, 2)];
  int col = pick(1, 7), row = pick(1, 5);
  t.Press(button, col, row);
  for (int n = pick(0, 4); n > 0; --n) {
    col = std::clamp(col + pick(-1, 1), 1, 7);
    row = std::clamp(row + pick(-1, 1), 1, 5);
    t.Drag(button == kMiddleButton ? kLeftButton : button, col, row);
  }
}

// Undo walks back through exactly the boards seen between steps, and redo forward again. With the
// automatic check off, hand ticks are part of it; with it on, ticks follow the cells.
void PlayUndoAndRedo(bool autoCheck, unsigned seed) {
  Hist t;
  t.app.puzzle.AutoCheck = autoCheck ? 1 : 0;
  std::mt19937 rng(seed);
  std::vector<Board> seen{Board(t.app.puzzle)};
  for (int i = 0; i < 40; ++i) {
    RandomAction(t, rng, !autoCheck);
    EndStep(t.app);
    if (!(Board(t.app.puzzle) == seen.back())) seen.push_back(Board(t.app.puzzle));
  }
  ASSERT_EQ(t.app.history.done.size() + 1, seen.size());
  for (size_t i = seen.size() - 1; i > 0; --i) {
    ASSERT_TRUE(t.Enabled(MenuId::Edit, 0));
    t.Menu(MenuId::Edit, 0);
    ASSERT_TRUE(Board(t.app.puzzle) == seen[i - 1]) << "undo to board " << i - 1 << ", seed " << seed;
  }
  EXPECT_FALSE(t.Enabled(MenuId::Edit, 0));
  for (size_t i = 1; i < seen.size(); ++i) {
    ASSERT_TRUE(t.Enabled(MenuId::Edit, 1));
    t.Menu(MenuId::Edit, 1);
    ASSERT_TRUE(Board(t.app.puzzle) == seen[i]) << "redo to board " << i << ", seed " << seed;
  }
  EXPECT_FALSE(t.Enabled(MenuId::Edit, 1));
}

TEST(UndoRedo, RandomPlayWalksBackAndForthThroughEveryBoard) {
  for (unsigned seed = 1; seed <= 30; ++seed) {
    PlayUndoAndRedo(false, seed);
    PlayUndoAndRedo(true, seed);
  }
}

TEST(UndoRedo, APressAndItsDragAreOneStepAndAPressThatChangesNothingIsNone) {
  Hist t;
  t.app.puzzle.AutoCheck = 0;
  t.Press(kLeftButton, 1, 1);
  for (int c = 2; c <= 5; ++c) t.Drag(kLeftButton, c, 1);
  EXPECT_TRUE(t.Enabled(MenuId::Edit, 0));  // the stroke is still open, and undoable
  t.Press(kMiddleButton, 3, 3);
  t.Press(kLeftButton, 0, 0);  // the corner
  EndStep(t.app);
  ASSERT_EQ(t.app.history.done.size(), 1u);
  EXPECT_EQ(t.app.history.done[0].changes.size(), 5u);
  t.Menu(MenuId::Edit, 0);
  for (int c = 1; c <= 5; ++c) EXPECT_EQ(t.app.puzzle.Grid[c][1], 0);
  EXPECT_EQ(t.app.document.Dirty, 1);
}

TEST(UndoRedo, ANewChangeEndsTheRedoListButAClickThatChangesNothingKeepsIt) {
  Hist t;
  t.Press(kLeftButton, 1, 1);
  t.Press(kLeftButton, 2, 1);
  t.Menu(MenuId::Edit, 0);
  EXPECT_TRUE(t.Enabled(MenuId::Edit, 1));
  t.Press(kMiddleButton, 4, 4);
  EXPECT_TRUE(t.Enabled(MenuId::Edit, 1));
  t.Press(kRightButton, 4, 4);
  EXPECT_FALSE(t.Enabled(MenuId::Edit, 1));
  t.Menu(MenuId::Edit, 1);
  EXPECT_EQ(t.app.puzzle.Grid[2][1], 0);
  EXPECT_EQ(t.app.puzzle.Grid[4][4], -1);
}

TEST(UndoRedo, AHintEntryAndARecolourAreStepsOfTheirOwn) {
  Hist t(kModeNumber);
  BoardLayout& l = t.app.layout;
  l.CursorSide = 1;
  l.CursorX = 3;
  l.CursorY = 2;
  Board start(t.app.puzzle);
  MainWndKeyPress(t.app, '1');
  EXPECT_FALSE(t.Enabled(MenuId::Edit, 0));  // not stored yet
  MainWndKeyPress(t.app, '7');
  EXPECT_EQ(t.app.puzzle.RowHints[3][2][kHintNumber], 17);
  t.app.puzzle.CurColor = 2;
  MainWndMouseDown(t.app, kRightButton, 0, 2.5, 4.5);  // slot 2 of row 1
  EXPECT_EQ(t.app.puzzle.RowHints[2][1][kHintColor], 2);
  t.ui.SetDrawEcho(true);
  t.TakeOutput();
  t.Menu(MenuId::Edit, 0);
  EXPECT_EQ(t.app.puzzle.RowHints[2][1][kHintColor], 1);
  // The number is reprinted in place, between the cursor's two drawings.
  EXPECT_NE(t.TakeOutput().find("DRAW text"), std::string::npos);
  t.Menu(MenuId::Edit, 0);
  EXPECT_TRUE(Board(t.app.puzzle) == start);
  t.Menu(MenuId::Edit, 1);
  EXPECT_EQ(t.app.puzzle.RowHints[3][2][kHintNumber], 17);
}

TEST(UndoRedo, InvertScrollAndEraseComeBackWhole) {
  Hist t(kModeImage);
  for (int c = 1; c <= 3; ++c) t.app.puzzle.Grid[c][2] = 1;
  t.app.puzzle.Grid[7][5] = 2;
  Board start(t.app.puzzle);
  t.Answer("yes");
  t.Menu(MenuId::Option, 1);  // invert colour 1
  Board inverted(t.app.puzzle);
  t.Reply("R3");
  t.Menu(MenuId::Option, 2);
  Board scrolled(t.app.puzzle);
  t.app.puzzle.CurColor = 2;
  t.Answer("yes");
  t.Menu(MenuId::Cust, 1);
  EXPECT_EQ(t.app.history.done.size(), 3u);
  t.Menu(MenuId::Edit, 0);
  EXPECT_TRUE(Board(t.app.puzzle) == scrolled);
  t.Menu(MenuId::Edit, 0);
  EXPECT_TRUE(Board(t.app.puzzle) == inverted);
  t.Menu(MenuId::Edit, 0);
  EXPECT_TRUE(Board(t.app.puzzle) == start);
  // A cancelled scroll changes nothing and makes no step.
  t.Reply("X1");
  t.Menu(MenuId::Option, 2);
  EXPECT_FALSE(t.Enabled(MenuId::Edit, 0));
}

TEST(UndoRedo, StartingOverComesBackWithItsTicks) {
  Hist t;
  t.app.puzzle.AutoCheck = 1;
  t.Press(kLeftButton, 1, 1);
  t.Drag(kLeftButton, 2, 1);
  t.Press(kLeftButton, 4, 1);
  Board before(t.app.puzzle);
  ASSERT_EQ(t.app.puzzle.RowHints[2][1][kHintCheck], -1);
  t.Answer("ok");
  t.Menu(MenuId::Option, 0);
  EXPECT_EQ(t.app.puzzle.RowHints[2][1][kHintCheck], 0);
  t.Menu(MenuId::Edit, 0);
  EXPECT_TRUE(Board(t.app.puzzle) == before);
}

TEST(UndoRedo, TheHistoryStartsAfreshOnlyWhenThePuzzleIsReplaced) {
  Hist t;
  t.Press(kLeftButton, 1, 1);
  // The open dialog cancelled: the same puzzle, the same history. (The game is not saved first.)
  t.Answer("no");
  t.Steps(DialogKind::FileDlg, {{"cancel"}});
  t.Menu(MenuId::File, 1);
  EXPECT_TRUE(t.Enabled(MenuId::Edit, 0));
  // A mode change empties the board: nothing to undo any more.
  t.Answer("no");
  t.Steps(DialogKind::Modecg, {{"1"}, {"ok"}});
  t.Menu(MenuId::File, 5);
  EXPECT_FALSE(t.Enabled(MenuId::Edit, 0));
  EXPECT_TRUE(t.app.history.done.empty());
}

TEST(UndoRedo, ShortcutsNameEnabledItemsOfTheTable) {
  for (const MenuShortcut& s : MenuShortcuts()) {
    ASSERT_FALSE(s.keys.empty());
    if (s.command == Command::Help) continue;
    std::optional<MenuPlace> place = PlaceOf(s.command);
    ASSERT_TRUE(place.has_value()) << s.keys[0];
    EXPECT_EQ(CommandAt(place->menu, place->index), s.command) << s.keys[0];
  }
}

}  // namespace
}  // namespace gw::test
