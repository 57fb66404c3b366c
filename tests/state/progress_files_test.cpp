#include <gtest/gtest.h>

#include "text/Cp932.h"
#include "system/FileError.h"
#include "state/ProgressFiles.h"
#include "FileTestSupport.h"
#include "state/PuzzleState.h"
#include "support/TestApp.h"

namespace gw {
namespace {

using test::ErrorOf;
using test::MakeBoard;
using test::ReadFileBytes;
using test::TempDir;
using test::TestApp;
using test::WriteFileBytes;

std::string Sjis(const std::string& utf8) { return *EncodeCp932(utf8); }

struct Progress : ::testing::Test {
  TempDir dir;
  TestApp t;
  PuzzleState& p() { return t.app.puzzle; }
  void SetUp() override { MakeBoard(t.app, 3, 2, 2, 1); }
};

TEST_F(Progress, EveryEmptyMarkIsAStarAndReadsBackAsMinusOne) {
  p().Grid[1][1] = 1, p().Grid[2][1] = -1, p().Grid[3][1] = 0;
  p().Grid[1][2] = -4, p().Grid[2][2] = 9, p().Grid[3][2] = 2;
  p().RowHints[2][1][kHintCheck] = -1;
  p().ColHints[3][1][kHintCheck] = -1;
  WriteProgress(t.app.puzzle, dir.File("cat.GWP"));
  EXPECT_EQ(ReadFileBytes(dir.File("cat.GWP")), "1*0\r\n*92\r\n0*\r\n00\r\n0\r\n0\r\n*\r\n");

  PuzzleState written = p();
  ClearGrid(p());
  ClearHintChecks(p());
  ReadProgress(t.app.puzzle, dir.File("cat.gwp"));  // found whatever the case of its name
  EXPECT_EQ(p().Grid[2][1], -1);
  EXPECT_EQ(p().Grid[1][2], -1);
  for (int x : {1, 3})
    for (int y : {1, 2})
      if (!(x == 1 && y == 2)) {
        EXPECT_EQ(p().Grid[x][y], written.Grid[x][y]) << x << "," << y;
      }
  EXPECT_EQ(p().Grid[2][2], 9);
  EXPECT_EQ(p().RowHints[2][1][kHintCheck], -1);
  EXPECT_EQ(p().RowHints[1][1][kHintCheck], 0);
  EXPECT_EQ(p().ColHints[3][1][kHintCheck], -1);
  EXPECT_EQ(p().ColHints[1][1][kHintCheck], 0);
}

TEST_F(Progress, OnlyStarsCheckHints) {
  WriteFileBytes(dir.File("a.gwp"), "000\r\n0x0\r\nx*\r\n*0\r\n*\r\n0\r\n9\r\n");
  p().RowHints[1][1][kHintCheck] = -1;  // left as it was by a character other than "*"
  ReadProgress(t.app.puzzle, dir.File("a.gwp"));
  EXPECT_EQ(p().Grid[2][2], 0);
  EXPECT_EQ(p().RowHints[1][1][kHintCheck], -1);
  EXPECT_EQ(p().RowHints[2][1][kHintCheck], -1);
  EXPECT_EQ(p().RowHints[1][2][kHintCheck], -1);
  EXPECT_EQ(p().ColHints[1][1][kHintCheck], -1);
  EXPECT_EQ(p().ColHints[2][1][kHintCheck], 0);
  EXPECT_EQ(p().ColHints[3][1][kHintCheck], 0);
}

TEST_F(Progress, AFileThatDoesNotFitFailsAndChangesNothing) {
  p().Grid[1][1] = 1;
  PuzzleState before = p();
  // The board is 3 x 2 with 2 row and 1 column hint slots: 2 rows of 3, 2 of 2, 3 of 1. A file of
  // a board with other sizes or hint counts (a puzzle sharing the name up to its first ".") has
  // missing, shorter, longer or more lines.
  for (const char* bytes : {"000\r\n000\r\n00\r\n00\r\n0\r\n0\r\n", "000\r\n00\r\n00\r\n00\r\n0\r\n0\r\n0\r\n",
                            "000\r\n000\r\n00\r\n0\r\n0\r\n0\r\n0\r\n", "", "***\r\n\x82\r\n",
                            "0000\r\n000\r\n00\r\n00\r\n0\r\n0\r\n0\r\n", "000\r\n000\r\n000\r\n00\r\n0\r\n0\r\n0\r\n",
                            "000\r\n000\r\n00\r\n00\r\n00\r\n0\r\n0\r\n",
                            "000\r\n000\r\n00\r\n00\r\n0\r\n0\r\n0\r\n0\r\n"}) {
    WriteFileBytes(dir.File("a.gwp"), bytes);
    EXPECT_NE(ErrorOf([&] { ReadProgress(t.app.puzzle, dir.File("a.gwp")); }), 0) << bytes;
    EXPECT_EQ(p().Grid[1][1], 1);
    EXPECT_EQ(p().Grid[2][1], 0);
    EXPECT_EQ(p().RowHints[1][1][kHintCheck], 0);
  }
}

// --- completer list ------------------------------------------------------------------------

TEST(Completers, MissingListHasNoEntriesAndThePathBecomesTheListsPath) {
  TempDir dir;
  TestApp t;
  CompleterList list;
  list.count = 4;
  std::string path = dir.File("cat.gwm");
  ReadCompleters(t.app, path, list);
  EXPECT_EQ(path, dir.File("cat.GWB"));
  EXPECT_EQ(list.count, 0);
  EXPECT_EQ(list.entries[1], "");
}

TEST(Completers, AtMostTenAreReadFieldByField) {
  TempDir dir;
  TestApp t;
  std::string bytes;
  for (int i = 1; i <= 12; ++i) bytes += "01-0" + std::to_string(i % 10) + "-2024 n" + std::to_string(i) + "\r\n";
  WriteFileBytes(dir.File("a.gwb"), bytes);
  CompleterList list;
  std::string path = dir.File("a.gwm");
  ReadCompleters(t.app, path, list);
  EXPECT_EQ(list.count, 10);
  EXPECT_EQ(list.entries[1], "01-01-2024 n1");
  EXPECT_EQ(list.entries[10], "01-00-2024 n10");

  WriteFileBytes(dir.File("b.GWB"), Sjis("03-04-2025 山田,太郎") + "\r\n");
  path = dir.File("b.gwm");
  ReadCompleters(t.app, path, list);
  EXPECT_EQ(list.count, 2);
  EXPECT_EQ(list.entries[1], "03-04-2025 山田");
  EXPECT_EQ(list.entries[2], "太郎");
}

TEST(Completers, NewestComesFirstAndTheEleventhPushesTheOldestOut) {
  TempDir dir;
  TestApp t;
  std::string path = dir.File("c.gwm");
  CompleterList list;
  ReadCompleters(t.app, path, list);
  SaveCompleters(t.app, path, "05-06-2026 最初の人", list);
  EXPECT_EQ(ReadFileBytes(path), Sjis("05-06-2026 最初の人") + "\r\n");
  for (int i = 2; i <= 11; ++i) {
    std::string again = dir.File("c.gwm");
    ReadCompleters(t.app, again, list);
    SaveCompleters(t.app, again, "05-06-2026 n" + std::to_string(i), list);
  }
  std::string again = dir.File("c.gwm");
  ReadCompleters(t.app, again, list);
  EXPECT_EQ(list.count, 10);
  EXPECT_EQ(list.entries[1], "05-06-2026 n11");
  EXPECT_EQ(list.entries[9], "05-06-2026 n3");
  EXPECT_EQ(list.entries[10], "05-06-2026 n2");  // the first one is gone
  EXPECT_EQ(ReadFileBytes(path).find(Sjis("最初の人")), std::string::npos);
}

// --- the details box -----------------------------------------------------------------------

struct Info : ::testing::Test {
  TempDir dir;
  TestApp t;
};

TEST_F(Info, ShowsSizeColoursTitleAndCompleters) {
  WriteFileBytes(dir.File("cat.gwm"), Sjis("ねこ") + "\r\n\r\n 5  15  5  10 \r\n0 129 1515151515151515\r\n");
  WriteFileBytes(dir.File("cat.GWB"), Sjis("01-02-2026 花子") + "\r\n01-01-2026 bob\r\n");
  t.Answer("ok");
  ShowFileInfo(t.app, dir.path(), "cat.gwm");
  EXPECT_EQ(t.TakeOutput(),
            "MSG title=\"グリッドウィック\" buttons=ok icon=none default=1 \"cat.gwm ( 15 × 10 × 3 色 )\\r\\r"
            "タイトル「ねこ」\\r\\r＜ロジック完成者氏名＞\\r01-02-2026 花子\\r01-01-2026 bob\\r\" -> ok\n");
}

TEST_F(Info, PicturesAreDescribedByTheirHintFile) {
  WriteFileBytes(dir.File("m.gwa"), "2 2\r\n11\r\n11\r\n");
  WriteFileBytes(dir.File("m.gwc"), "mono\r\n1 2 1 3\r\n");
  t.Answer("ok");
  ShowFileInfo(t.app, dir.path(), "m.gwa");
  EXPECT_EQ(t.TakeOutput(),
            "MSG title=\"グリッドウィック\" buttons=ok icon=none default=1 \"m.gwa ( 2 × 3 × 1 色 )\\r\\r"
            "タイトル「mono」\\r\\r＜ロジック完成者氏名＞\\rまだこのロジックの完成者はいません。\\r\" -> ok\n");

  WriteFileBytes(dir.File("p.gwk"), " 1  1 \r\n9 1515151515151515\r\n1\r\n");
  EXPECT_EQ(ErrorOf([&] { ShowFileInfo(t.app, dir.path(), "p.gwk"); }), kErrFileNotFound);
}

TEST_F(Info, OtherExtensionsGetTheApologyAndMissingFilesNothing) {
  WriteFileBytes(dir.File("x.txt"), "hello\r\n");
  t.Answer("ok");
  ShowFileInfo(t.app, dir.path(), "x.txt");
  EXPECT_EQ(t.TakeOutput(),
            "MSG title=\"グリッドウィック\" buttons=ok icon=none default=1 "
            "\"もうしわけありません。\\rこの形式の拡張子のものは見られません\" -> ok\n");
  ShowFileInfo(t.app, dir.path(), "none.gwm");
  EXPECT_EQ(t.TakeOutput(), "");
}

}  // namespace
}  // namespace gw
