#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "dialogs/FileDlg.h"
#include "system/Directory.h"
#include "system/FileSystem.h"
#include "support/TestApp.h"

namespace gw {
namespace {

using test::TempDir;
using test::TestApp;
using test::WriteFileBytes;

const std::string kCat = "c\r\n\r\n 1  1  1  1 \r\n9 1515151515151515\r\n 11\r\n 11\r\n";

TEST(Directory, FilesMatchAnyPatternIgnoringCaseAndHiddenOnesStayHidden) {
  TempDir dir;
  for (const char* name : {"b.GWM", "a.gwc", "c.gwk", ".hidden.gwm", "d.gwmx", "E.Gwm"}) WriteFileBytes(dir.File(name), "");
  std::filesystem::create_directory(dir.File("folder.gwm"));
  EXPECT_EQ(ListFiles(dir.path(), "*.gwm;*.gwc"), (std::vector<std::string>{"a.gwc", "b.GWM", "E.Gwm"}));
  EXPECT_EQ(ListFiles(dir.path(), " *.gwk ; "), std::vector<std::string>{"c.gwk"});
  EXPECT_EQ(ListFolders(dir.path()), std::vector<std::string>{"folder.gwm"});
}

TEST(Directory, FoldersResolveByNameAndChainFromTheRoot) {
  const PathStyle posix = PathStyle::Posix;
  EXPECT_EQ(AbsoluteFolder("/a/b", "..", posix), "/a");
  EXPECT_EQ(AbsoluteFolder("/a/b", "../c/./d", posix), "/a/c/d");
  EXPECT_EQ(AbsoluteFolder("/a", "/x/y/", posix), "/x/y");
  EXPECT_EQ(AbsoluteFolder("/", "../..", posix), "/");
  EXPECT_EQ(FolderChain("/home/u", posix), (std::vector<std::string>{"/", "/home", "/home/u"}));
  EXPECT_EQ(FolderChain("/", posix), std::vector<std::string>{"/"});
}

#ifndef _WIN32
TEST(Directory, DrivesAreRootHomeAndVolumesAndAFolderLiesOnTheLongest) {
  TempDir home;
  const char* old = std::getenv("HOME");
  std::string saved = old ? old : "";
  setenv("HOME", home.path().c_str(), 1);
  std::vector<std::string> drives = ListDrives();
  if (old) setenv("HOME", saved.c_str(), 1);
  ASSERT_GE(drives.size(), 2u);
  EXPECT_EQ(drives[0], "/");
  EXPECT_EQ(drives[1], home.path());
  EXPECT_EQ(DriveOf(home.path() + "/puzzles", drives), home.path());
  EXPECT_EQ(DriveOf(home.path() + "x", drives), "/");
  EXPECT_EQ(DriveOf("/usr", drives), "/");
}
#else
TEST(Directory, DrivesAreTheDriveLettersAndAFolderLiesOnItsOwn) {
  std::vector<std::string> drives = ListDrives();
  ASSERT_FALSE(drives.empty());
  for (const std::string& d : drives) {
    ASSERT_EQ(d.size(), 3u) << d;
    EXPECT_TRUE(d[0] >= 'A' && d[0] <= 'Z' && d.substr(1) == ":\\") << d;
  }
  EXPECT_TRUE(std::is_sorted(drives.begin(), drives.end()));
  std::string here = CurrentDirectory();
  std::string drive = DriveOf(here, drives);
  EXPECT_EQ(drive, here.substr(0, 3));
  EXPECT_NE(std::find(drives.begin(), drives.end(), drive), drives.end()) << "the current folder's drive is listed";
}
#endif

struct Dlg : ::testing::Test {
  TempDir dir;
  TestApp t;
  FileDlg dlg;
  void SetUp() override {
    t.Start();
    t.TakeOutput();
    dlg.caption = kOpenCaption;
    dlg.pattern = "*.gwm;*.gwc";
    dlg.name = "cat.GWM";
    dlg.open = true;
    WriteFileBytes(dir.File("cat.gwm"), kCat);
    std::filesystem::create_directory(dir.File("sub"));
    WriteFileBytes(dir.File("sub/x.gwc"), "");
    FileDlgLoad(t.app, dlg);
  }
  PuzzleState& p() { return t.app.puzzle; }
};

TEST_F(Dlg, LoadShowsTheCurrentDirectoryAndKeepsThePresetName) {
  EXPECT_EQ(dlg.folder, CurrentDirectory());
  EXPECT_EQ(dlg.files, std::vector<std::string>{"cat.gwm"});
  EXPECT_EQ(dlg.folders, std::vector<std::string>{"sub"});
  EXPECT_EQ(dlg.name, "cat.GWM");
  std::vector<FolderEntry> entries = FolderEntries(dlg);
  ASSERT_GE(entries.size(), 2u);
  EXPECT_EQ(entries.front().label, kNativePathStyle == PathStyle::Windows ? dlg.folder.substr(0, 3) : "/");
  EXPECT_TRUE(entries[entries.size() - 2].current);
  EXPECT_EQ(entries.back().label, "sub");
  EXPECT_EQ(entries.back().depth, entries[entries.size() - 2].depth + 1);
}

TEST_F(Dlg, MovingFolderMakesItCurrentAndPutsThePatternInTheNameBox) {
  std::string start = dlg.folder;
  FileDlgFolderChange(t.app, dlg, "sub");
  EXPECT_EQ(dlg.folder, start + kPathSeparator + "sub");
  EXPECT_EQ(CurrentDirectory(), start + kPathSeparator + "sub");
  EXPECT_EQ(dlg.name, "*.gwm;*.gwc");
  EXPECT_EQ(dlg.files, std::vector<std::string>{"x.gwc"});
  FileDlgNameChange(t.app, dlg, "y.gwm");
  FileDlgFolderChange(t.app, dlg, ".");  // the same folder: no change at all
  EXPECT_EQ(dlg.name, "y.gwm");
  t.Answer("ok");
  FileDlgFolderChange(t.app, dlg, "nowhere");
  EXPECT_NE(t.TakeOutput().find("MSG title=\"エラーdirFileDlg"), std::string::npos);
  EXPECT_EQ(dlg.folder, start + kPathSeparator + "sub");
  EXPECT_EQ(CurrentDirectory(), start + kPathSeparator + "sub");
}

TEST_F(Dlg, ADriveChangeMovesTheFolderButNotCurFolder) {
  TempDir drive;  // the current directory now; the dialog still shows the other one
  t.app.document.CurFolder = "/somewhere";
  dlg.drives.push_back(drive.path());
  FileDlgDriveChange(t.app, dlg, drive.path());
  EXPECT_EQ(dlg.folder, drive.path());
  EXPECT_EQ(dlg.drive, drive.path());
  CmdClick(t.app, dlg, 1);
  EXPECT_EQ(t.app.fileReport.DialogCancelled, 1);
  EXPECT_EQ(t.app.document.CurFolder, "/somewhere");

  t.Answer("ok");
  FileDlgDriveChange(t.app, dlg, "/no/such/drive");
  EXPECT_NE(t.TakeOutput().find("MSG title=\"ドライブエラー\" buttons=ok icon=warning"), std::string::npos);
  EXPECT_EQ(dlg.drive, drive.path());
  EXPECT_EQ(dlg.folder, drive.path());
}

TEST_F(Dlg, ClosingByTheFrameIsACancelAfterAnEarlierOk) {
  t.app.fileReport.DialogCancelled = 0;
  FileDlgClose(t.app, dlg);
  EXPECT_EQ(t.app.fileReport.DialogCancelled, 1);
  EXPECT_FALSE(dlg.open);
}

TEST_F(Dlg, RefusedNamesAreIgnoredByOkAndDetails) {
  for (const char* name : {"my cat.gwm", "a*.gwm", "a;b.gwm", "a>b.gwm", "a,b.gwm", "a+b.gwm", "a|b.gwm", "a/b.gwm"}) {
    FileDlgNameChange(t.app, dlg, name);
    CmdClick(t.app, dlg, 0);
    CmdClick(t.app, dlg, 2);
    EXPECT_TRUE(dlg.open) << name;
  }
  EXPECT_EQ(t.TakeOutput(), "");
  EXPECT_EQ(p().XSize, 0);
}

TEST_F(Dlg, ExtensionsAreCheckedInLowerCaseByMode) {
  p().Mode = kModeImage;
  FileDlgNameChange(t.app, dlg, "cat.gwm");
  t.Answer("ok");
  CmdClick(t.app, dlg, 0);
  EXPECT_NE(t.TakeOutput().find("拡張子がちがいます。"), std::string::npos);
  WriteFileBytes(dir.File("cat.GWK"), " 1  1 \r\n9 1515151515151515\r\n1\r\n");
  FileDlgNameChange(t.app, dlg, "cat.GWK");
  CmdClick(t.app, dlg, 0);
  EXPECT_FALSE(dlg.open);
  EXPECT_EQ(p().XSize, 1);
  EXPECT_EQ(t.app.document.CurFileName, "cat.GWK");
}

TEST_F(Dlg, AMissingFileIsToldAndTheDialogStaysOpen) {
  FileDlgNameChange(t.app, dlg, "none.gwm");
  t.Answer("ok");
  CmdClick(t.app, dlg, 0);
  EXPECT_TRUE(dlg.open);
  EXPECT_EQ(t.app.fileReport.DialogCancelled, 0);
  EXPECT_NE(t.TakeOutput().find("\"ファイルが存在しません\""), std::string::npos);
}

TEST_F(Dlg, DoubleClickOpensAndSaveTellsWhetherItWrote) {
  FileDlgFileDoubleClick(t.app, dlg, "cat.gwm");
  EXPECT_FALSE(dlg.open);
  EXPECT_EQ(p().Title, "c");
  EXPECT_EQ(t.app.document.CurFolder, dlg.folder);

  p().Mode = kModeNumber;
  FileDlg save;
  save.caption = kSaveCaption;
  save.open = true;
  FileDlgLoad(t.app, save);
  FileDlgNameChange(t.app, save, "cat.gwm");
  t.Answer("no");
  CmdClick(t.app, save, 0);
  EXPECT_FALSE(save.open);
  EXPECT_EQ(save.end, FileDialogEnd::NotSaved);

  // A folder that is gone: the error is SaveFile's own, the dialog closes without a write.
  save.open = true;
  save.folder = dir.File("gone");
  FileDlgNameChange(t.app, save, "new.gwm");
  t.Answer("ok");
  CmdClick(t.app, save, 0);
  EXPECT_EQ(save.end, FileDialogEnd::NotSaved);
  EXPECT_NE(t.TakeOutput().find("MSG title=\"エラーSaveFile\""), std::string::npos);
}

TEST_F(Dlg, RunFileDlgSelectsTheBaseNameInCharacters) {
  struct Case {
    const char* current;
    const char* caption;
    const char* name;
    int end;
  } cases[] = {{"NoName.GWK", kSaveCaption, "NoName.GWM", 6},
               {"", kOpenCaption, "*.GWM", 1},
               {"ねこ.gwm", kOpenCaption, "ねこ.GWM", 2},
               {"noext", kSaveCaption, "noext.GWM", 5}};
  for (const Case& c : cases) {
    t.app.document.CurFileName = c.current;
    t.ui.QueueDialogStep(DialogKind::FileDlg, ScriptStep{{"cancel"}, 1, false, false});
    FileDlg shown = RunFileDlg(t.app, c.caption, "GWM", "*.gwm");
    EXPECT_EQ(shown.name, c.name);
    EXPECT_EQ(shown.selStart, 0);
    EXPECT_EQ(shown.selEnd, c.end) << c.current;
  }
}

}  // namespace
}  // namespace gw
