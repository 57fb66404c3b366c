// The answer judgement: the line judgement case by case, the undecided-cells question, the error
// count, the congratulation with and without the name prompt, the completer list it writes, and
// what happens when that list cannot be read or written.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "play/Judge.h"
#include "text/Cp932.h"
#include "system/FileError.h"
#include "system/NativeFiles.h"
#include "state/Document.h"
#include "state/PuzzleState.h"
#include "support/TestApp.h"

namespace gw::test {
namespace {

// Cells as text, one string per row: '1'..'9' colours, '-' a mark, '.' blank.
void PutCells(PuzzleState& p, const std::vector<std::string>& rows) {
  for (size_t y = 0; y < rows.size(); ++y)
    for (size_t x = 0; x < rows[y].size(); ++x) {
      char c = rows[y][x];
      p.Grid[x + 1][y + 1] = c == '.' ? 0 : c == '-' ? -1 : c - '0';
    }
}

struct Judge : TestApp {
  TempDir dir;
  Judge() {
    Start();
    ui.SetToday("05-06-2026");
    app.document.CurFolder = dir.path();
    app.document.CurFileName = "cat.gwm";
    app.puzzle.Answer = "ねこ";
    TakeOutput();
  }
  // A board whose hints are those of `picture`, with the cells of `board` on it.
  void Board(const std::vector<std::string>& picture, const std::vector<std::string>& board) {
    PuzzleState& p = app.puzzle;
    p.XSize = static_cast<int>(picture[0].size());
    p.YSize = static_cast<int>(picture.size());
    ClearGrid(p);
    PutCells(p, picture);
    for (auto& column : p.Grid)
      for (int& cell : column) cell = cell < 0 ? 0 : cell;
    DeriveHints(p);
    ClearGrid(p);
    PutCells(p, board);
  }
  std::string Run() {
    JudgeAnswer(app);
    return TakeOutput();
  }
  std::string List() { return ReadFileBytes(dir.File("cat.GWB")); }
  bool HasMarks() {
    for (int y = 1; y <= app.puzzle.YSize; ++y)
      for (int x = 1; x <= app.puzzle.XSize; ++x)
        if (app.puzzle.Grid[x][y] < 0) return true;
    return false;
  }
};

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// One row judged alone: its hints as (number, colour) pairs, its cells, and columns whose hints
// are whatever the row's cells give them, so only the row can be wrong.
struct RowCase {
  std::vector<std::pair<int, int>> hints;
  std::string cells;
  bool right;
};

bool RowIsRight(const RowCase& c) {
  Judge t;
  PuzzleState& p = t.app.puzzle;
  int width = static_cast<int>(c.cells.size());
  t.Board({c.cells}, {c.cells});
  p.XHintCount = static_cast<int>(c.hints.size());
  for (int s = 1; s <= 20; ++s) p.RowHints[s][1][kHintNumber] = 0;
  for (size_t k = 0; k < c.hints.size(); ++k) {
    p.RowHints[k + 1][1][kHintNumber] = c.hints[k].first;
    p.RowHints[k + 1][1][kHintColor] = c.hints[k].second;
  }
  p.SolveState = 1;  // no name prompt
  if (c.cells.find('.') != std::string::npos) t.Answer("yes");
  t.Answer("ok");
  std::string out = t.Run();
  EXPECT_EQ(p.XSize, width);
  return Contains(out, "ロジック完成です");
}

TEST(LineJudgement, RunsMustBeTheHintsOneForOne) {
  const RowCase cases[] = {
      {{{2, 1}, {1, 1}}, "111-", false},  // the run of 3 is longer than the first hint
      {{{2, 1}, {1, 1}}, "11-1", true},
      {{{2, 1}, {1, 1}}, "11.1", true},   // a blank counts as empty
      {{{2, 1}}, ".11.1", false},         // a painted cell after the last hint
      {{}, "-.--", true},                 // no hints: marks are allowed...
      {{}, "-1--", false},                //  ...painted cells are not
      {{{1, 1}, {1, 1}}, "11.", false},   // two touching cells are one run
      {{{2, 1}, {1, 2}}, "112", true},    // red 2, blue 1 may touch
      {{{2, 2}}, "11", false},            // the right length in the wrong colour
  };
  for (const RowCase& c : cases) EXPECT_EQ(RowIsRight(c), c.right) << c.cells;
}

TEST(LineJudgement, AStrayCellOfAnotherColourIsWrongWhereverItStands) {
  // Passed over, the blue cell before the red run, or between two red runs, would let a picture
  // with a cell its hints do not have be judged right in rows and columns alike.
  EXPECT_FALSE(RowIsRight({{{2, 1}}, "211", {}}));
  EXPECT_FALSE(RowIsRight({{{1, 1}, {1, 1}}, "121", {}}));
  EXPECT_TRUE(RowIsRight({{{1, 1}, {1, 1}}, "1-1", true}));
  Judge t;
  t.Board({".11", "11."}, {"211", "11-"});
  t.Answer("ok");
  EXPECT_TRUE(Contains(t.Run(), " 2 個所ほど")) << "row 1 and column 1";
}

TEST(LineJudgement, EmptySlotsBetweenHintsAreSkipped) {
  Judge t;
  t.Board({"111.11"}, {"111-11"});
  PuzzleState& p = t.app.puzzle;
  // Slots 3, 0, 2 as number input can leave them.
  p.XHintCount = 3;
  int numbers[] = {3, 0, 2};
  for (int s = 1; s <= 3; ++s) {
    p.RowHints[s][1][kHintNumber] = numbers[s - 1];
    p.RowHints[s][1][kHintColor] = 1;
  }
  p.SolveState = 1;
  t.Answer("ok");
  EXPECT_TRUE(Contains(t.Run(), "ロジック完成です"));
}

TEST(JudgeAnswer, UndecidedCellsAreAskedAboutFirst) {
  Judge t;
  t.Board({"1.", ".1"}, {"1.", "-."});
  t.Answer("no");
  EXPECT_EQ(t.Run(),
            "MSG title=\"グリッドウィック\" buttons=yesno icon=none default=1 "
            "\"まだ未確定マスが 2 個あります。\\r「空マス」とみなして判定していいですか？\" -> no\n");
  EXPECT_EQ(t.app.puzzle.Grid[1][2], -1);
  // Yes judges the blanks as empty: here the second row lacks its cell.
  t.Answer("yes");
  t.Answer("ok");
  EXPECT_TRUE(Contains(t.Run(), "ちょっと間違っているみたいですよ。\\r 2 個所ほど・・・・"));
}

TEST(JudgeAnswer, AWrongPictureIsToldHowManyLinesAreWrongAndKeepsEverything) {
  Judge t;
  t.Board({"1..", "...", "..."}, {"---", "1-1", "---"});
  t.Answer("ok");
  EXPECT_EQ(t.Run(),
            "MSG title=\"グリッドウィック\" buttons=ok icon=none default=1 "
            "\"ちょっと間違っているみたいですよ。\\r 3 個所ほど・・・・\" -> ok\n");
  EXPECT_TRUE(t.HasMarks());
  EXPECT_EQ(t.app.puzzle.SolveState, 0);
}

TEST(JudgeAnswer, ARightPictureAsksForTheNameListingEarlierCompleters) {
  Judge t;
  WriteFileBytes(t.dir.File("cat.gwb"), "01-02-2026 \x91\xbe\x98\x59\r\n03-04-2026 Hanako\r\n");
  t.Board({"1.", ".1"}, {"1-", "-1"});
  t.Reply("次郎");
  EXPECT_EQ(t.Run(),
            "INPUT title=\"「ねこ」完成\" prompt=\"おめでとうございます\\r答は(ねこ)です\\r・ 太郎\\r・ "
            "Hanako\\r完成者の名前をどうぞ\" default=\"\" -> \"次郎\"\n");
  EXPECT_EQ(ReadFileBytes(t.dir.File("cat.gwb")),
            "05-06-2026 \x8e\x9f\x98\x59\r\n01-02-2026 \x91\xbe\x98\x59\r\n03-04-2026 Hanako\r\n");
  std::vector<std::string> names = FolderNames(t.dir.path()).value_or(std::vector<std::string>{});
  EXPECT_EQ(std::count(names.begin(), names.end(), "cat.GWB"), 0) << "the list keeps its own name";
  EXPECT_EQ(t.app.puzzle.SolveState, 2);
  EXPECT_FALSE(t.HasMarks());
  // Once recorded, the next right judgement only congratulates (the marks are blanks now).
  t.Answer("yes");
  t.Answer("ok");
  EXPECT_TRUE(Contains(t.Run(),
                       "\nMSG title=\"ロジック完成です\" buttons=ok icon=none default=1 "
                       "\"おめでとうございます\\r答は(ねこ)です\\r次もがんばってください。\" -> ok\n"));
}

TEST(JudgeAnswer, AnEmptyNameOrCancelWritesNothingButClearsTheMarks) {
  for (bool cancel : {false, true}) {
    Judge t;
    t.Board({"1.", ".1"}, {"1-", "-1"});
    if (cancel) t.ReplyCancel();
    else t.Reply("");
    EXPECT_TRUE(Contains(t.Run(), "INPUT title=\"「ねこ」完成\" prompt=\"おめでとうございます\\r答は(ねこ)です\\r完成者の名前をどうぞ\""));
    EXPECT_FALSE(std::filesystem::exists(t.dir.File("cat.GWB")));
    EXPECT_EQ(t.app.puzzle.SolveState, 0);
    EXPECT_FALSE(t.HasMarks());
  }
}

TEST(JudgeAnswer, AfterTheSolverOnlyTheCongratulationIsShown) {
  Judge t;
  t.Board({"1.", ".1"}, {"1-", "-1"});
  t.app.puzzle.SolveState = 1;
  t.Answer("ok");
  EXPECT_TRUE(Contains(t.Run(), "MSG title=\"ロジック完成です\""));
  EXPECT_FALSE(t.HasMarks());
  EXPECT_EQ(t.app.puzzle.SolveState, 1);
  EXPECT_FALSE(std::filesystem::exists(t.dir.File("cat.GWB")));
}

TEST(JudgeAnswer, TheEleventhCompleterDropsTheOldest) {
  Judge t;
  std::string ten;
  for (int i = 1; i <= 10; ++i) ten += "01-" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "-2026 P" + std::to_string(i) + "\r\n";
  WriteFileBytes(t.dir.File("cat.GWB"), ten);
  t.Board({"1"}, {"1"});
  t.Reply("New");
  t.Run();
  std::string expected = "05-06-2026 New\r\n" + ten.substr(0, ten.rfind("01-10-2026"));
  EXPECT_EQ(t.List(), expected);
}

TEST(JudgeAnswer, ACommaInTheNameCannotSplitTheEntry) {
  Judge t;
  t.Board({"1"}, {"1"});
  t.Reply("山田,太郎\r");
  t.Run();
  EXPECT_EQ(t.List(), "05-06-2026 \x8e\x52\x93\x63\x81\x43\x91\xbe\x98\x59\r\n");
}

TEST(JudgeAnswer, AListThatCannotBeWrittenIsToldAndNothingIsRecorded) {
  Judge t;
  t.Board({"1."}, {"1-"});
  t.app.document.CurFolder = t.dir.File("gone");  // a folder that does not exist
  t.Reply("太郎");
  t.Answer("ok");
  std::string out = t.Run();
  EXPECT_TRUE(Contains(out, "MSG title=\"グリッドウィック\" buttons=ok icon=warning default=1 "
                            "\"完成者の一覧 cat.GWB に書き込めませんでした。\\r"))
      << out;
  EXPECT_TRUE(Contains(out, "\\r名前は記録されていません。もう一度判定すれば，名前を入れ直せます。\""));
  EXPECT_EQ(t.app.puzzle.SolveState, 0);
  EXPECT_FALSE(t.HasMarks());
  // The next right judgement asks again.
  t.app.document.CurFolder = t.dir.path();
  WriteFileBytes(t.dir.File("cat.GWB"), "01-02-2026 A\r\n");
  t.Answer("yes");
  t.ReplyCancel();
  t.Run();
  EXPECT_EQ(t.List(), "01-02-2026 A\r\n");
  EXPECT_EQ(t.app.puzzle.SolveState, 0);
}

// A name the list cannot hold is refused as soon as it is typed, and the box comes back with it.
TEST(JudgeAnswer, ANameTheListCannotHoldIsAskedAgain) {
  Judge t;
  t.Board({"1."}, {"1-"});
  t.Reply("🐱たま");
  t.Answer("ok");
  t.Reply("たま");
  std::string out = t.Run();
  EXPECT_TRUE(Contains(out, "\"「🐱」はファイルに保存できない文字です。\\r別の文字で入力してください。\" -> ok")) << out;
  EXPECT_TRUE(Contains(out, "default=\"🐱たま\" -> \"たま\"")) << out;
  EXPECT_EQ(t.List(), "05-06-2026 " + *EncodeCp932("たま") + "\r\n");
}

TEST(JudgeAnswer, AListThatCannotBeReadIsNeitherShownNorOverwritten) {
  Judge t;
  std::string broken = "01-02-2026 \x82\r\n";  // a lead byte without its partner
  WriteFileBytes(t.dir.File("cat.GWB"), broken);
  t.Board({"1."}, {"1-"});
  t.Answer("ok");
  std::string out = t.Run();
  EXPECT_TRUE(Contains(out, "MSG title=\"ロジック完成です\" buttons=ok icon=warning default=1 "
                            "\"おめでとうございます\\r答は(ねこ)です\\rただし，完成者の一覧 cat.GWB "
                            "が読めないので，名前は記録できません。\\r"))
      << out;
  EXPECT_EQ(t.List(), broken);
  EXPECT_FALSE(t.HasMarks());
  EXPECT_EQ(t.app.puzzle.SolveState, 0);
}

TEST(JudgeAnswer, WithoutAPuzzleThereIsNothingToJudge) {
  TestApp t;
  t.Start();
  t.TakeOutput();
  t.Answer("ok");
  JudgeAnswer(t.app);
  EXPECT_EQ(t.TakeOutput(),
            "MSG title=\"グリッドウィック\" buttons=ok icon=none default=1 \"今は判定するロジックがありません。\" -> ok\n");
}

TEST(ClearEmptyMarks, RemovesEveryMarkAndOnlyMarks) {
  Judge t;
  t.Board({"12."}, {"12-"});
  t.app.puzzle.Grid[3][1] = -4;
  ClearEmptyMarks(t.app);
  EXPECT_EQ(t.app.puzzle.Grid[1][1], 1);
  EXPECT_EQ(t.app.puzzle.Grid[2][1], 2);
  EXPECT_EQ(t.app.puzzle.Grid[3][1], 0);
}

}  // namespace
}  // namespace gw::test
