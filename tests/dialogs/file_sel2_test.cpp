#include <gtest/gtest.h>

#include "dialogs/FileSel2.h"
#include "text/Cp932.h"
#include "frontends/scripted/ScriptText.h"
#include "support/TestApp.h"

namespace gw {
namespace {

using test::TempDir;
using test::TestApp;
using test::WriteFileBytes;

std::string Puzzle(const std::string& title, const char* sizes, const char* palette) {
  return *EncodeCp932(title) + "\r\n\r\n" + sizes + "\r\n" + palette + "\r\n";
}

struct List : ::testing::Test {
  TempDir dir;
  TestApp t;
  FileSel2 dlg;
  void SetUp() override {
    t.Start();
    t.TakeOutput();
    dlg.open = true;
  }
  void Load() {
    FileSel2Load(t.app, dlg);
    t.TakeOutput();
  }
};

TEST_F(List, EntriesPadShortNamesAndMarkCompletersAndProgress) {
  WriteFileBytes(dir.File("ab.gwm"), Puzzle("小", " 1  3  1  2 ", "9 1215151515151515"));
  WriteFileBytes(dir.File("ab.GWB"), "x\r\n");
  WriteFileBytes(dir.File("abcdefgh.gwm"), Puzzle("長い", " 5  15  5  10 ", "0 129 1515151515151515"));
  WriteFileBytes(dir.File("abcdefgh.gwp"), "");
  Load();
  ASSERT_EQ(dlg.entries.size(), 2u);
  EXPECT_EQ(dlg.entries[0], "ab.gwm  \t☆\u3000(3×2／ 2色 )小");
  EXPECT_EQ(dlg.entries[1], "abcdefgh.gwm\t\u3000◇(15×10／ 3色 )長い");
  EXPECT_EQ(dlg.selected, -1);
}

TEST_F(List, ColourFilesComeFirstAndTheCurrentFileIsPreselected) {
  WriteFileBytes(dir.File("a.gwc"), *EncodeCp932("白黒") + "\r\n1 2 1 3\r\n");
  WriteFileBytes(dir.File("CAT.GWM"), Puzzle("ねこ", " 1  2  1  2 ", "9 1515151515151515"));
  t.app.document.CurFileName = "cat.gwm";
  Load();
  ASSERT_EQ(dlg.entries.size(), 2u);
  EXPECT_EQ(dlg.entries[0], "cat.gwm \t\u3000\u3000(2×2／ 1色 )ねこ");
  EXPECT_EQ(dlg.entries[1], "a.gwc   \t\u3000\u3000(2×3／ 1色 )白黒");
  EXPECT_EQ(dlg.selected, 0);
}

TEST_F(List, AnUnreadableFileIsListedWithoutDetailsAndOkReportsIt) {
  WriteFileBytes(dir.File("bad.gwm"), "\x81\r\n");
  Load();
  ASSERT_EQ(dlg.entries.size(), 1u);
  EXPECT_EQ(dlg.entries[0], "bad.gwm \t\u3000\u3000（読み込めません）");
  FileSel2Select(t.app, dlg, 0);
  t.Answer("ok");
  CmdClick(t.app, dlg, 0);
  EXPECT_TRUE(dlg.open);
  std::string out = t.TakeOutput();
  EXPECT_NE(out.find("MSG title=" + Quote("エラーCmdbad.gwm" + dlg.folder)), std::string::npos) << out;
  EXPECT_EQ(t.app.puzzle.XSize, 0);
}

TEST_F(List, NamesWithSeveralDotsOpenUnderTheirOwnName) {
  WriteFileBytes(dir.File("my.cat.gwm"), Puzzle("点", " 1  1  1  1 ", "9 1515151515151515") + " 11\r\n 11\r\n");
  Load();
  FileSel2DoubleClick(t.app, dlg, 0);
  EXPECT_FALSE(dlg.open);
  EXPECT_EQ(t.app.document.CurFileName, "my.cat.gwm");
  EXPECT_EQ(t.app.puzzle.Title, "点");
}

TEST_F(List, WithoutASelectionOkAndDetailsDoNothingAndTheFrameCancels) {
  Load();
  CmdClick(t.app, dlg, 0);
  CmdClick(t.app, dlg, 2);
  EXPECT_TRUE(dlg.open);
  EXPECT_EQ(t.TakeOutput(), "");
  FileSel2Close(t.app, dlg);
  EXPECT_FALSE(dlg.open);
  EXPECT_EQ(t.app.fileReport.DialogCancelled, 1);
}

}  // namespace
}  // namespace gw
