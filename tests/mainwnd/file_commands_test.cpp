#include <gtest/gtest.h>

#include <sys/stat.h>

#include "dialogs/FileDlg.h"
#include "files/FileCommands.h"
#include "state/PuzzleFiles.h"
#include "support/TestApp.h"
#include "support/Unprivileged.h"

namespace gw {
namespace {

using test::MakeBoard;
using test::ReadFileBytes;
using test::SetColHints;
using test::SetRowHints;
using test::TempDir;
using test::TestApp;
using test::WriteFileBytes;

struct Commands : ::testing::Test {
  TempDir dir;
  TestApp t;
  void SetUp() override {
    t.Start();
    t.TakeOutput();
  }
  PuzzleState& p() { return t.app.puzzle; }
  void Dialog(std::vector<std::vector<std::string>> steps) { t.Steps(DialogKind::FileDlg, std::move(steps)); }
};

// An open whose dialog was cancelled, or whose file was refused, ends without Opened: the command
// goes no further, and the puzzle and the document stay as they were.
TEST_F(Commands, AnOpenThatWasCancelledOrRefusedLeavesPuzzleAndDocumentAsTheyWere) {
  WriteFileBytes(dir.File("wide.gwm"), "t\r\na\r\n 1  21  1  1 \r\n");
  WriteFileBytes(dir.File("wide.gwk"), " 21  1 \r\n");
  using Steps = std::vector<std::vector<std::string>>;
  struct Case {
    const char* what;
    int mode;
    void (*open)(App&);
    DialogKind kind;
    Steps steps;
    bool refused;
  } cases[] = {
      {"play, cancelled", kModePlay, [](App& a) { OpenForPlay(a, 1); }, DialogKind::FileDlg, {{"cancel"}}, false},
      {"play list, cancelled", kModePlay, [](App& a) { OpenForPlay(a, 2); }, DialogKind::FileSel2, {{"cancel"}}, false},
      {"hints, cancelled", kModeNumber, OpenHintPuzzle, DialogKind::FileDlg, {{"cancel"}}, false},
      {"picture, cancelled", kModeImage, OpenPicture, DialogKind::FileDlg, {{"cancel"}}, false},
      {"play, refused", kModePlay, [](App& a) { OpenForPlay(a, 1); }, DialogKind::FileDlg,
       {{"name", "wide.gwm"}, {"ok"}}, true},
      {"hints, refused", kModeNumber, OpenHintPuzzle, DialogKind::FileDlg, {{"name", "wide.gwm"}, {"ok"}}, true},
      {"picture, refused", kModeImage, OpenPicture, DialogKind::FileDlg, {{"name", "wide.gwk"}, {"ok"}}, true},
  };
  for (const Case& c : cases) {
    p().Mode = c.mode;
    MakeBoard(t.app, 3, 2, 1, 1);
    p().Title = "前";
    p().Grid[2][1] = c.mode == kModePlay ? -1 : 2;
    PuzzleState before = p();
    t.app.document = {"/kept", "kept.gwm", "/kept/kept.gwm", 1};
    t.Steps(c.kind, c.steps);
    if (c.refused) t.Answer("ok");
    c.open(t.app);
    std::string out = t.TakeOutput();
    EXPECT_EQ(t.app.fileReport.DialogCancelled, c.refused ? 0 : 1) << c.what;
    if (c.refused) {
      EXPECT_EQ(t.app.fileReport.LoadRefused, 1) << c.what;
    }
    EXPECT_EQ(p().Mode, c.mode) << c.what;
    EXPECT_EQ(p().Title, "前") << c.what;
    EXPECT_EQ(p().XSize, 3) << c.what;
    EXPECT_EQ(p().Grid[2][1], before.Grid[2][1]) << c.what;
    EXPECT_EQ(t.app.document.CurFolder, "/kept") << c.what;
    EXPECT_EQ(t.app.document.CurFileName, "kept.gwm") << c.what;
    EXPECT_EQ(t.app.document.CurPath, "/kept/kept.gwm") << c.what;
    EXPECT_EQ(t.app.document.Dirty, 1) << c.what;
    EXPECT_EQ(out.find("CAPTION"), std::string::npos) << c.what << "\n" << out;
  }
}

// The end a file dialog hands back, whatever the dialogs before it reported: a save dialog
// cancelled after an earlier OK does not count as saved, and the work stays unsaved.
TEST_F(Commands, ASaveDialogCancelledAfterAnEarlierOkIsNotASave) {
  p().Mode = kModeNumber;
  MakeBoard(t.app, 1, 1, 1, 1);
  t.app.fileReport.DialogCancelled = 0;
  t.app.document.CurFileName = "a.gwm";
  t.app.document.Dirty = 1;
  t.ReplyCancel();
  t.ReplyCancel();
  Dialog({{"cancel"}});
  EXPECT_FALSE(SaveCommand(t.app));
  EXPECT_EQ(t.app.document.Dirty, 1);
  EXPECT_EQ(t.app.fileReport.DialogCancelled, 1);
  t.TakeOutput();
  // Saved: the document is clean, and names the file.
  t.ReplyCancel();
  t.ReplyCancel();
  Dialog({{"name", "b.gwm"}, {"ok"}});
  EXPECT_TRUE(SaveCommand(t.app));
  EXPECT_EQ(t.app.document.Dirty, 0);
  EXPECT_EQ(t.app.document.CurFileName, "b.gwm");
  EXPECT_EQ(t.app.fileReport.DialogCancelled, 0);
}

TEST_F(Commands, ColourTotalsThatDifferAreAskedAboutInAscendingOrder) {
  p().Mode = kModeNumber;
  MakeBoard(t.app, 2, 2, 2, 2);
  SetRowHints(t.app, 1, {10, 2});
  SetColHints(t.app, 1, {11});
  SetColHints(t.app, 2, {2}, 3);
  SetRowHints(t.app, 2, {}, 3);  // empty slots of colour 3 add nothing
  t.Answer("no");
  SaveHintPuzzle(t.app);
  EXPECT_EQ(t.TakeOutput(),
            "MSG title=\"エラー\" buttons=yesno icon=none default=1 \" 1 3 番の色の合計が合いません。\\r"
            "それでも保存しますか？\" -> no\n");
}

TEST_F(Commands, AnOfferedSaveThatWasCancelledIsNotReportedAsSavedAndKeepsTheWork) {
  p().Mode = kModeNumber;
  MakeBoard(t.app, 1, 1, 1, 1);
  t.app.document.CurFileName = "a.gwm";
  t.app.document.Dirty = 1;
  t.Answer("yes");
  t.ReplyCancel();
  t.ReplyCancel();
  Dialog({{"cancel"}});
  EXPECT_FALSE(OfferProgressSave(t.app)) << "the asking command must be abandoned";
  std::string out = t.TakeOutput();
  EXPECT_EQ(out.find("途中データを保存しました。"), std::string::npos) << out;
  EXPECT_EQ(t.app.document.Dirty, 1);
  // No lets the command go on and forgets the work.
  t.Answer("no");
  EXPECT_TRUE(OfferProgressSave(t.app));
  EXPECT_EQ(t.app.document.Dirty, 0);
}

TEST_F(Commands, AnOfferedProgressSaveWritesTheFileAndSaysSo) {
  p().Mode = kModePlay;
  MakeBoard(t.app, 2, 1, 1, 1);
  p().Grid[1][1] = -3;
  t.app.document.CurFolder = dir.path();
  t.app.document.CurFileName = "cat.gwm";
  t.app.document.Dirty = 1;
  t.Answer("yes");
  t.Answer("ok");
  OfferProgressSave(t.app);
  EXPECT_EQ(ReadFileBytes(dir.File("cat.GWP")), "*0\r\n0\r\n0\r\n0\r\n");
  EXPECT_NE(t.TakeOutput().find("\"途中データを保存しました。\" -> ok"), std::string::npos);

  p().SolveState = 1;  // after the solver nothing is offered
  t.app.document.Dirty = 1;
  OfferProgressSave(t.app);
  EXPECT_EQ(t.TakeOutput(), "");
  EXPECT_EQ(t.app.document.Dirty, 0);
}

TEST_F(Commands, SavingAPictureWritesItsDerivedHintsBesideIt) {
  p().Mode = kModeImage;
  MakeBoard(t.app, 3, 1, 3, 3);
  SetDefaultPalette(p());
  p().Grid[1][1] = 1, p().Grid[2][1] = 2;
  t.app.document.CurFileName = "NoName.GWK";
  t.Reply("題");
  t.Reply("答");
  Dialog({{"name", "pic.gwk"}, {"ok"}});
  SavePicture(t.app);
  EXPECT_EQ(ReadFileBytes(dir.File("pic.gwk")), " 3  1 \r\n9 1515151515151515\r\n12*\r\n");
  EXPECT_EQ(ReadFileBytes(dir.File("pic.GWM")),
            "\x91\xe8\r\n\x93\x9a\r\n 2  3  1  1 \r\n9 1515151515151515\r\n 11 12\r\n 11\r\n 12\r\n 00\r\n");
  // The picture being edited shows the derived hints (the window is drawn anew with them).
  EXPECT_EQ(p().XHintCount, 2);
  EXPECT_EQ(p().YHintCount, 1);
  EXPECT_EQ(p().RowHints[2][1][kHintNumber], 1);
  EXPECT_EQ(p().RowHints[2][1][kHintColor], 2);
}

TEST_F(Commands, APictureTakesTitleAndAnswerFromWhatItsCompanionHolds) {
  p().Mode = kModeImage;
  WriteFileBytes(dir.File("a.gwk"), " 1  1 \r\n9 1515151515151515\r\n1\r\n");
  struct Case {
    const char* companion;
    const char* title;
    const char* answer;
  } cases[] = {{" only a title\r\n", "only a title", ""}, {"", "", ""}, {"x,y,z\r\n", "x", "y"}};
  for (const Case& c : cases) {
    WriteFileBytes(dir.File("a.GWM"), c.companion);
    Dialog({{"pick", "a.gwk"}, {"ok"}});
    OpenPicture(t.app);
    EXPECT_EQ(p().Title, c.title);
    EXPECT_EQ(p().Answer, c.answer);
  }
  WriteFileBytes(dir.File("a.GWM"), "\x82\r\n");
  Dialog({{"pick", "a.gwk"}, {"ok"}});
  t.Answer("ok");
  OpenPicture(t.app);
  EXPECT_NE(t.TakeOutput().find("MSG title=\"エラーOpenPicture\""), std::string::npos);
  EXPECT_EQ(p().Title, "");
}

// A write-protected puzzle, or the write-protected companion of a picture, is refused with the
// permission error after the overwrite question, and every old file stays as it was.
TEST_F(Commands, AWriteProtectedFileIsRefusedAndKept) {
  struct Case {
    int mode;
    const char* name;
    const char* locked;
  } cases[] = {{kModeNumber, "p.gwm", "p.gwm"}, {kModeImage, "q.gwk", "q.GWM"}};
  for (const Case& c : cases) {
    p().Mode = c.mode;
    MakeBoard(t.app, 1, 1, 1, 1);
    WriteFileBytes(dir.File(c.name), "old");
    if (std::string(c.locked) != c.name) WriteFileBytes(dir.File(c.locked), "old companion");
    ::chmod(dir.File(c.locked).c_str(), 0444);
    std::string folder = dir.path();
    std::optional<bool> verdict = test::RunUnprivileged(folder, [&] {
      t.Answer("yes");
      t.Answer("ok");
      bool saved = SaveFile(t.app, folder, c.name);
      std::string out = t.TakeOutput();
      return !saved && out.find("\" 70書き込みできません。\\rLine: 0\" -> ok") != std::string::npos &&
             ReadFileBytes(folder + "/" + c.name) == "old";
    });
    if (!verdict) GTEST_SKIP() << "cannot run as an unprivileged user here";
    EXPECT_TRUE(*verdict) << c.name;
  }
}

}  // namespace
}  // namespace gw
