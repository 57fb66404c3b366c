#include <gtest/gtest.h>

#include <cstring>

#include "text/Cp932.h"
#include "system/FileError.h"
#include "state/Paths.h"
#include "state/PuzzleFiles.h"
#include "../fuzz/ReaderFuzz.h"
#include "FileTestSupport.h"
#include "support/TestApp.h"

namespace gw {
namespace {

using test::ErrorOf;
using test::MakeBoard;
using test::ReadFileBytes;
using test::SetColHints;
using test::SetRowHints;
using test::TempDir;
using test::TestApp;
using test::WriteFileBytes;

// "テスト" and "猫" in code page 932.
const std::string kTitleBytes = "\x83\x65\x83\x58\x83\x67";
const std::string kAnswerBytes = "\x94\x4c";

struct Files : ::testing::Test {
  TempDir dir;
  TestApp t;
  void SetUp() override {
    t.Start();
    t.TakeOutput();
  }
  PuzzleState& p() { return t.app.puzzle; }
};

// --- writers, byte for byte ----------------------------------------------------------------

TEST_F(Files, HintPuzzleIsWrittenByteForByte) {
  MakeBoard(t.app, 2, 1, 3, 2);
  SetDefaultPalette(p());
  p().Title = "テスト";
  p().Answer = "猫";
  SetRowHints(t.app, 1, {12}, 1);
  p().RowHints[3][1][kHintColor] = 2;  // 12 in colour 2 next to the board, empty slots in colour 1
  SetColHints(t.app, 1, {1});
  SetColHints(t.app, 2, {kHintA0}, 3);
  p().ColHints[2][1][kHintColor] = 0;  // an empty slot of colour 0 stays " 00"
  WriteHintPuzzle(t.app, dir.File("a.gwm"));
  EXPECT_EQ(ReadFileBytes(dir.File("a.gwm")),
            kTitleBytes + "\r\n" + kAnswerBytes + "\r\n 3  2  2  1 \r\n9 1515151515151515\r\n" +
                " 01 01122\r\n 01 11\r\n 00A03\r\n");
}

TEST_F(Files, PaletteLineLeftAlignsEachField) {
  MakeBoard(t.app, 1, 1, 0, 0);
  int palette[10] = {0, 0, 12, 9, 10, 14, 13, 11, 4, 31};
  std::memcpy(p().Palette, palette, sizeof palette);
  WritePicture(t.app, dir.File("p.gwk"));
  EXPECT_EQ(ReadFileBytes(dir.File("p.gwk")), " 1  1 \r\n0 129 101413114 31\r\n*\r\n");
}

TEST_F(Files, BlankTwentyByTwentyPictureIsTwentyLinesOfStars) {
  MakeBoard(t.app, 20, 20, 3, 3);
  SetDefaultPalette(p());
  WritePicture(t.app, dir.File("big.gwk"));
  std::string expected = " 20  20 \r\n9 1515151515151515\r\n";
  for (int y = 0; y < 20; ++y) expected += std::string(20, '*') + "\r\n";
  EXPECT_EQ(ReadFileBytes(dir.File("big.gwk")), expected);
}

TEST_F(Files, PictureWritesColourDigitsAndStars) {
  MakeBoard(t.app, 3, 2, 3, 3);
  SetDefaultPalette(p());
  p().Grid[1][1] = 1, p().Grid[2][1] = 2, p().Grid[3][2] = 9;
  WritePicture(t.app, dir.File("c.gwk"));
  EXPECT_EQ(ReadFileBytes(dir.File("c.gwk")), " 3  2 \r\n9 1515151515151515\r\n12*\r\n**9\r\n");
}

TEST_F(Files, TitleOutsideTheCodePageFailsAndKeepsTheOldFile) {
  WriteFileBytes(dir.File("a.gwm"), "old");
  MakeBoard(t.app, 1, 1, 1, 1);
  p().Title = "\xF0\x9F\x98\x80";  // an emoji has no code page 932 bytes
  EXPECT_EQ(ErrorOf([&] { WriteHintPuzzle(t.app, dir.File("a.gwm")); }), kErrTypeMismatch);
  EXPECT_EQ(ReadFileBytes(dir.File("a.gwm")), "old");
}

// --- readers -------------------------------------------------------------------------------

TEST_F(Files, HintPuzzleReadsFieldsAndKeepsEmptySlotColours) {
  WriteFileBytes(dir.File("a.gwm"), kTitleBytes + "\r\n" + kAnswerBytes +
                                        "\r\n 3  2  2  1 \r\n0 129 1515151515151515\r\n 01 00122\r\n 31\r\nA03\r\n");
  p().Grid[1][1] = 5;
  p().RowHints[1][1][kHintCheck] = -1;
  ReadHintPuzzle(t.app, dir.File("a.gwm"));
  EXPECT_EQ(t.app.fileReport.LoadRefused, 0);
  EXPECT_EQ(p().Title, "テスト");
  EXPECT_EQ(p().Answer, "猫");
  EXPECT_EQ(p().XHintCount, 3);
  EXPECT_EQ(p().XSize, 2);
  EXPECT_EQ(p().YHintCount, 2);
  EXPECT_EQ(p().YSize, 1);
  EXPECT_EQ(p().Palette[1], 0);
  EXPECT_EQ(p().Palette[2], 12);
  EXPECT_EQ(p().Palette[3], 9);
  EXPECT_EQ(p().Palette[4], 15);
  EXPECT_EQ(p().RowHints[1][1][kHintColor], 1);
  EXPECT_EQ(p().RowHints[2][1][kHintColor], 0);
  EXPECT_EQ(p().RowHints[3][1][kHintNumber], 12);
  EXPECT_EQ(p().RowHints[3][1][kHintColor], 2);
  // A short line gives empty slots of colour 0.
  EXPECT_EQ(p().ColHints[1][1][kHintNumber], 3);
  EXPECT_EQ(p().ColHints[1][2][kHintNumber], 0);
  EXPECT_EQ(p().ColHints[1][2][kHintColor], 0);
  EXPECT_EQ(p().ColHints[2][1][kHintNumber], kHintA0);
  EXPECT_EQ(p().ColHints[2][1][kHintColor], 3);
  EXPECT_EQ(p().Grid[1][1], 0);
  EXPECT_EQ(p().RowHints[1][1][kHintCheck], 0);
}

TEST_F(Files, MonoHintPuzzleAlignsRunsToTheBoard) {
  WriteFileBytes(dir.File("m.gwc"), "mono\r\n4,2\r\n2,2\r\n3-1\r\n0\r\n2\r\n1-1\r\n");
  p().Answer = "old";
  p().Palette[1] = 3;
  ReadMonoHintPuzzle(t.app, dir.File("m.gwc"));
  EXPECT_EQ(p().Title, "mono");
  EXPECT_EQ(p().Answer, "");
  EXPECT_EQ(p().Palette[1], 9);
  EXPECT_EQ(p().Palette[2], 15);
  int expected[5] = {0, 0, 0, 3, 1};
  for (int s = 1; s <= 4; ++s) {
    EXPECT_EQ(p().RowHints[s][1][kHintNumber], expected[s]) << s;
    EXPECT_EQ(p().RowHints[s][1][kHintColor], 1) << s;
    EXPECT_EQ(p().RowHints[s][2][kHintNumber], 0) << s;
  }
  EXPECT_EQ(p().ColHints[1][1][kHintNumber], 0);
  EXPECT_EQ(p().ColHints[1][2][kHintNumber], 2);
  EXPECT_EQ(p().ColHints[2][1][kHintNumber], 1);
  EXPECT_EQ(p().ColHints[2][2][kHintNumber], 1);
}

TEST_F(Files, PicturesReadCellsAndKeepHintsTitleAndAnswer) {
  MakeBoard(t.app, 5, 5, 2, 2);
  SetRowHints(t.app, 1, {4, 1});
  p().Title = "kept";
  p().Answer = "too";
  WriteFileBytes(dir.File("c.gwk"), " 3  2 \r\n9 1215151515151515\r\n12*\r\n*x9\r\n");
  ReadPicture(t.app, dir.File("c.gwk"));
  EXPECT_EQ(p().XSize, 3);
  EXPECT_EQ(p().YSize, 2);
  EXPECT_EQ(p().XHintCount, 3);
  EXPECT_EQ(p().YHintCount, 3);
  EXPECT_EQ(p().Palette[2], 12);
  int cells[2][3] = {{1, 2, 0}, {0, 0, 9}};
  for (int y = 1; y <= 2; ++y)
    for (int x = 1; x <= 3; ++x) EXPECT_EQ(p().Grid[x][y], cells[y - 1][x - 1]) << x << "," << y;
  EXPECT_EQ(p().RowHints[1][1][kHintNumber], 4);
  EXPECT_EQ(p().Title, "kept");
  EXPECT_EQ(p().Answer, "too");

  p().Palette[1] = 4;
  WriteFileBytes(dir.File("m.gwa"), "4 1\r\n1021\r\n");
  ReadMonoPicture(t.app, dir.File("m.gwa"));
  EXPECT_EQ(p().Palette[1], 4);
  int mono[4] = {1, 0, 0, 1};
  for (int x = 1; x <= 4; ++x) EXPECT_EQ(p().Grid[x][1], mono[x - 1]) << x;
}

// --- refusals and failures leave the puzzle as it was ----------------------------------------

TEST_F(Files, BoardsOutsideOneToTwentyAreRefusedWithTheLimitMessage) {
  MakeBoard(t.app, 2, 2, 1, 1);
  p().Title = "before";
  p().Grid[1][1] = 1;
  PuzzleState before = p();
  struct Case {
    const char* name;
    std::string bytes;
    ReadOutcome (*read)(App&, const std::string&);
  } cases[] = {
      {"wide.gwm", "t\r\na\r\n 1  21  1  1 \r\n", ReadHintPuzzle},
      {"tall.gwc", "t\r\n1 1 1 21\r\n", ReadMonoHintPuzzle},
      {"zero.gwm", "t\r\na\r\n 1  0  1  5 \r\n9 1515151515151515\r\n", ReadHintPuzzle},
      {"wide.gwk", " 21  1 \r\n", ReadPicture},
      {"neg.gwa", "-1 3\r\n", ReadMonoPicture},
  };
  for (const Case& c : cases) {
    WriteFileBytes(dir.File(c.name), c.bytes);
    t.Answer("ok");
    EXPECT_EQ(c.read(t.app, dir.File(c.name)), ReadOutcome::Refused) << c.name;
    EXPECT_EQ(t.app.fileReport.LoadRefused, 1) << c.name;
    EXPECT_TRUE(fuzz::SamePuzzle(p(), before)) << c.name;
    EXPECT_NE(t.TakeOutput().find("\"プレイできる制限を越えています。\" -> ok"), std::string::npos) << c.name;
  }
}

TEST_F(Files, ReadsThatFailHalfWayLeaveThePuzzleIntact) {
  MakeBoard(t.app, 2, 2, 1, 1);
  p().Title = "before";
  p().Grid[2][2] = 3;
  PuzzleState before = p();
  struct Case {
    const char* name;
    std::string bytes;
    ReadOutcome (*read)(App&, const std::string&);
    int error;
  } cases[] = {
      {"short.gwm", "t\r\na\r\n 1  2  1  2 \r\n9 1515151515151515\r\n 11\r\n", ReadHintPuzzle, kErrPastEnd},
      {"number.gwm", "t\r\na\r\n 1  x  1  2 \r\n", ReadHintPuzzle, kErrTypeMismatch},
      {"counts.gwm", "t\r\na\r\n 21  2  1  2 \r\n", ReadHintPuzzle, kErrSubscript},
      {"palette.gwm", "t\r\na\r\n 1  1  1  1 \r\n991515151515151515\r\n 11\r\n 11\r\n", ReadHintPuzzle,
       kErrSubscript},
      {"negative.gwm", "t\r\na\r\n 1  1  1  1 \r\n9 1515151515151515\r\n-11\r\n 11\r\n", ReadHintPuzzle,
       kErrTypeMismatch},
      {"bytes.gwm", "t\r\na\r\n 1  1  1  1 \r\n9 1515151515151515\r\n\x81\r\n 11\r\n", ReadHintPuzzle,
       kErrTypeMismatch},
      {"many.gwc", "t\r\n20 1 1 1\r\n1-1-1-1-1-1-1-1-1-1-1-1-1-1-1-1-1-1-1-1-1\r\n1\r\n", ReadMonoHintPuzzle,
       kErrSubscript},
      {"more.gwc", "t\r\n1 1 1 1\r\n1-1\r\n1\r\n", ReadMonoHintPuzzle, kErrSubscript},
      {"huge.gwc", "t\r\n99999 1 1 1\r\n", ReadMonoHintPuzzle, kErrOverflow},
      {"rows.gwk", " 2  2 \r\n9 1515151515151515\r\n11\r\n", ReadPicture, kErrPastEnd},
      {"empty.gwa", "", ReadMonoPicture, kErrPastEnd},
      {"missing.gwm", "", nullptr, kErrFileNotFound},
  };
  for (const Case& c : cases) {
    auto read = c.read ? c.read : ReadHintPuzzle;
    if (c.read) WriteFileBytes(dir.File(c.name), c.bytes);
    EXPECT_EQ(ErrorOf([&] { read(t.app, dir.File(c.name)); }), c.error) << c.name;
    EXPECT_EQ(t.app.fileReport.LoadRefused, 0) << c.name;
    EXPECT_TRUE(fuzz::SamePuzzle(p(), before)) << c.name;
  }
  EXPECT_EQ(t.TakeOutput(), "");
}

TEST_F(Files, ReadErrorsNameTheFileLine) {
  WriteFileBytes(dir.File("a.gwm"), "t\r\na\r\n 1  1  1  1 \r\n9 1515151515151515\r\n 11\r\n-51\r\n");
  try {
    ReadHintPuzzle(t.app, dir.File("a.gwm"));
    FAIL();
  } catch (const FileError& e) {
    EXPECT_EQ(e.line(), 6);
  }
}

// --- round trips ---------------------------------------------------------------------------

TEST_F(Files, HintPuzzleRoundTripsThroughTheFile) {
  MakeBoard(t.app, 20, 20, 20, 20);
  p().Title = "二色のねこ　テスト";
  p().Answer = "ねこ";
  for (int k = 1; k <= 9; ++k) p().Palette[k] = k + 10;
  for (int i = 1; i <= 20; ++i)
    for (int s = 1; s <= 20; ++s) {
      p().RowHints[s][i][kHintNumber] = (i * s) % 21;
      p().RowHints[s][i][kHintColor] = (i + s) % 10;
      p().ColHints[i][s][kHintNumber] = s == 20 ? kHintA0 : (i + s) % 21;
      p().ColHints[i][s][kHintColor] = (i * s) % 10;
    }
  PuzzleState written = p();
  WriteHintPuzzle(t.app, dir.File("r.gwm"));
  std::string bytes = ReadFileBytes(dir.File("r.gwm"));
  MakeBoard(t.app, 1, 1, 1, 1);
  ReadHintPuzzle(t.app, dir.File("r.gwm"));
  EXPECT_TRUE(fuzz::SamePuzzle(p(), written));
  WriteHintPuzzle(t.app, dir.File("r2.gwm"));
  EXPECT_EQ(ReadFileBytes(dir.File("r2.gwm")), bytes);
}

TEST_F(Files, MonoFilesRoundTripThroughTheColourFormats) {
  WriteFileBytes(dir.File("m.gwc"), *EncodeCp932("白黒の問題") + "\r\n 3  2\r\n 2  3\r\n1-1\r\n2\r\n0\r\n2\r\n1-1\r\n");
  ReadMonoHintPuzzle(t.app, dir.File("m.gwc"));
  PuzzleState first = p();
  WriteHintPuzzle(t.app, dir.File("m.gwm"));
  MakeBoard(t.app, 1, 1, 1, 1);
  ReadHintPuzzle(t.app, dir.File("m.gwm"));
  EXPECT_TRUE(fuzz::SamePuzzle(p(), first));

  WriteFileBytes(dir.File("m.gwa"), " 3  2 \r\n101\r\n010\r\n");
  ReadMonoPicture(t.app, dir.File("m.gwa"));
  PuzzleState picture = p();
  WritePicture(t.app, dir.File("m.gwk"));
  EXPECT_EQ(ReadFileBytes(dir.File("m.gwk")), " 3  2 \r\n9 1515151515151515\r\n1*1\r\n*1*\r\n");
  ClearGrid(p());
  p().XSize = p().YSize = 1;
  ReadPicture(t.app, dir.File("m.gwk"));
  EXPECT_TRUE(fuzz::SamePuzzle(p(), picture));
}

TEST_F(Files, OpenPuzzleFileChoosesTheReaderByTheExactCaseOfTheExtension) {
  p().Mode = kModePlay;
  std::string colour = "colour\r\nanswer\r\n 1  1  1  1 \r\n9 1515151515151515\r\n 11\r\n 11\r\n";
  std::string mono = "mono\r\n1 1 1 1\r\n1\r\n1\r\n";
  struct Case {
    const char* name;
    const std::string& bytes;
    const char* title;
  } cases[] = {{"a.GWC", mono, "mono"}, {"b.gwc", mono, "mono"}, {"c.Gwc", colour, "colour"}, {"d.gwm", colour, "colour"}};
  for (const Case& c : cases) {
    WriteFileBytes(dir.File(c.name), c.bytes);
    OpenPuzzleFile(t.app, dir.path(), c.name);
    EXPECT_EQ(p().Title, c.title) << c.name;
    EXPECT_EQ(t.app.document.CurFileName, c.name);
    EXPECT_EQ(t.app.document.CurPath, dir.File(c.name));
  }
  EXPECT_NE(t.TakeOutput().find("CAPTION \"グリッドウィック「colour」d.gwm\""), std::string::npos);
  EXPECT_EQ(ErrorOf([&] { OpenPuzzleFile(t.app, dir.path(), "none.gwm"); }), kErrFileNotFound);
  EXPECT_EQ(t.TakeOutput(), "POINTER busy\nPOINTER normal\n");
}

// A refused open hands its caller Refused and leaves the document as it was: the file in memory
// keeps its names, its unsaved work stays unsaved and the caption is not touched.
TEST_F(Files, ARefusedOpenLeavesTheDocumentAndTheCaptionAsTheyWere) {
  struct Case {
    int mode;
    const char* name;
    std::string bytes;
  } cases[] = {{kModePlay, "wide.gwm", "t\r\na\r\n 1  21  1  1 \r\n"},
               {kModeNumber, "tall.gwc", "t\r\n1 1 1 21\r\n"},
               {kModeImage, "wide.gwk", " 21  1 \r\n"},
               {kModeImage, "neg.gwa", "-1 3\r\n"}};
  for (const Case& c : cases) {
    p().Mode = c.mode;
    t.app.document = {"/kept", "kept.gwm", "/kept/kept.gwm", 1};
    WriteFileBytes(dir.File(c.name), c.bytes);
    t.Answer("ok");
    EXPECT_EQ(OpenPuzzleFile(t.app, dir.path(), c.name), ReadOutcome::Refused) << c.name;
    EXPECT_EQ(t.app.document.CurFolder, "/kept") << c.name;
    EXPECT_EQ(t.app.document.CurFileName, "kept.gwm") << c.name;
    EXPECT_EQ(t.app.document.CurPath, "/kept/kept.gwm") << c.name;
    EXPECT_EQ(t.app.document.Dirty, 1) << c.name;
    EXPECT_EQ(t.TakeOutput().find("CAPTION"), std::string::npos) << c.name;
  }
  // The same file accepted: Read, and the document is the file's.
  p().Mode = kModePlay;
  WriteFileBytes(dir.File("ok.gwm"), "t\r\na\r\n 1  1  1  1 \r\n9 1515151515151515\r\n 11\r\n 11\r\n");
  EXPECT_EQ(OpenPuzzleFile(t.app, dir.path(), "ok.gwm"), ReadOutcome::Read);
  EXPECT_EQ(t.app.fileReport.LoadRefused, 0);
  EXPECT_EQ(t.app.document.CurPath, dir.File("ok.gwm"));
  EXPECT_EQ(t.app.document.Dirty, 1) << "a read alone does not settle unsaved work";
}

// --- path helpers and the error box ---------------------------------------------------------

TEST(Paths, ChangeExtWorksOnTheFirstDotOfTheFileName) {
  EXPECT_EQ(ChangeExt("cat.gwm", "GWP"), "cat.GWP");
  EXPECT_EQ(ChangeExt("a.b.gwm", "GWP"), "a.GWP");
  EXPECT_EQ(ChangeExt("*.gwm", "GWM"), "*.GWM");
  EXPECT_EQ(ChangeExt("NoName.GWM", "GWP"), "NoName.GWP");
  EXPECT_EQ(ChangeExt("cat", "GWB"), "cat.GWB");
  EXPECT_EQ(ChangeExt("/my.dir/cat", "GWB"), "/my.dir/cat.GWB");
  EXPECT_EQ(ChangeExt("/my.dir/cat.x.gwm", "GWB"), "/my.dir/cat.GWB");
}

TEST(Paths, JoinPathPutsOneSeparatorBetween) {
  EXPECT_EQ(JoinPath("/", "a.gwm"), "/a.gwm");
  EXPECT_EQ(JoinPath("/p", "a.gwm"), std::string("/p") + kPathSeparator + "a.gwm");  // the system's own
  EXPECT_EQ(JoinPath("/p/", "a.gwm"), "/p/a.gwm");
  EXPECT_EQ(JoinPath("", "a.gwm"), "a.gwm");
}

TEST(Paths, ShowFileErrorShowsNumberTextAndLine) {
  TestApp t;
  t.Answer("ok");
  ShowFileError(t.app, 53, 0, "SaveFile");
  EXPECT_EQ(t.TakeOutput(),
            "MSG title=\"エラーSaveFile\" buttons=ok icon=warning default=1 \" 53ファイルが見つかりません。\\rLine: 0\" -> ok\n");
}

}  // namespace
}  // namespace gw
