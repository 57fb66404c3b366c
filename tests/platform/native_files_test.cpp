#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "system/FileError.h"
#include "system/FileReplace.h"
#include "system/FileSystem.h"
#include "system/NativeFiles.h"
#include "system/TextFile.h"
#include "state/Paths.h"
#include "state/FileTestSupport.h"
#include "support/TestApp.h"

#ifdef _WIN32
#include <windows.h>

#include "text/WideText.h"
#endif

namespace gw {
namespace {

using test::TempDir;

using test::ErrorOf;

void Replace(const std::string& target, const std::string& bytes) {
  FileReplacement replacement;
  replacement.Add(target, bytes);
  replacement.Commit();
}

size_t CountEntries(const std::string& folder) { return FolderNames(folder).value_or(std::vector<std::string>{}).size(); }

// Names outside ASCII (and outside any ANSI code page but one) go through every operation intact.
TEST(NativeFiles, NamesInJapaneseRoundTripThroughEveryOperation) {
  TempDir dir;
  const std::string name = "猫の絵 ①.gwm";
  const std::string folder = "問題";
  WriteWholeFile(name, "a\r\n");
  MakeFolder(folder);
  EXPECT_EQ(KindOf(name), EntryKind::File);
  EXPECT_EQ(KindOf(folder), EntryKind::Folder);
  EXPECT_EQ(KindOf("無い"), EntryKind::Missing);
  EXPECT_EQ(ReadWholeFile(name), "a\r\n");
  std::vector<std::string> names = *FolderNames(".");
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{folder, name}));
  Replace(JoinPath(folder, name), "b");
  EXPECT_EQ(ReadWholeFile(JoinPath(folder, name)), "b");
  ChangeDirectory(folder);
  EXPECT_EQ(CurrentDirectory(), dir.path() + kPathSeparator + folder);
  ChangeDirectory("..");
  RemoveFile(name);
  EXPECT_EQ(KindOf(name), EntryKind::Missing);
  EXPECT_EQ(ErrorOf([&] { RemoveFile(name); }), kErrFileNotFound);
  EXPECT_EQ(ErrorOf([&] { ReadWholeFile(name); }), kErrFileNotFound);
  EXPECT_EQ(ErrorOf([&] { ReadWholeFile(folder); }), kErrPathAccess);
  EXPECT_NE(ErrorOf([&] { MakeFolder(folder); }), 0) << "the folder is there already";
}

TEST(NativeFiles, ReplacingKeepsOneFileAndRefusesAFolderInTheWay) {
  TempDir dir;
  WriteWholeFile("a.gwm", "old");
  Replace("a.gwm", "new");
  EXPECT_EQ(ReadWholeFile("a.gwm"), "new");
  EXPECT_EQ(CountEntries("."), 1u) << "no temporary file is left";
  MakeFolder("d.gwm");
  EXPECT_EQ(ErrorOf([] { Replace("d.gwm", "x"); }), kErrPathAccess);
  EXPECT_EQ(KindOf("d.gwm"), EntryKind::Folder);
  EXPECT_EQ(CountEntries("."), 2u);
  EXPECT_EQ(ErrorOf([] { Replace("no/such/x.gwm", "x"); }), kErrFileNotFound);
}

#ifdef _WIN32
// The file the user keeps open in another program that does not let it be deleted (whether or not
// it lets others read and write): the replace is refused before anything is written, the old
// content stays and no temporary file is left.
TEST(NativeFiles, AFileHeldOpenByAnotherProgramIsRefusedAndKept) {
  for (DWORD share : {DWORD{0}, DWORD{FILE_SHARE_READ | FILE_SHARE_WRITE}}) {
    TempDir dir;
    WriteWholeFile("open.gwm", "old content\r\n");
    HANDLE h = ::CreateFileW(ToWide("open.gwm").c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    TextWriter w("open.gwm");
    w.WriteLine("new");
    EXPECT_EQ(ErrorOf([&] { w.Commit(); }), kErrPermission) << "share " << share;
    ::CloseHandle(h);
    EXPECT_EQ(ReadWholeFile("open.gwm"), "old content\r\n");
    EXPECT_EQ(CountEntries("."), 1u) << "a temporary file was left behind";
  }
}

// The temporary file has a short name of its own, so a name near the system's limit saves too.
TEST(NativeFiles, ANameNearTheLimitIsReplacedToo) {
  TempDir dir;
  std::string name = std::string(240, 'n') + ".gwm";
  WriteWholeFile(name, "old");
  Replace(name, "new");
  EXPECT_EQ(ReadWholeFile(name), "new");
  EXPECT_EQ(CountEntries("."), 1u);
}

// Windows itself ignores case, and a replaced file keeps the name it had.
TEST(NativeFiles, TheFileSystemsOwnCaseIsKept) {
  TempDir dir;
  WriteWholeFile("Cat.GWM", "1");
  EXPECT_EQ(ResolveCase("cat.gwm"), "Cat.GWM");
  EXPECT_EQ(ResolveCase(dir.File("CAT.gwm")), dir.File("Cat.GWM"));
  TextWriter w("cat.gwm");
  w.WriteLine("2");
  w.Commit();
  EXPECT_EQ(*FolderNames("."), std::vector<std::string>{"Cat.GWM"});
  EXPECT_EQ(ResolveCase("*.gwm"), "*.gwm") << "wildcards are never looked up";
  EXPECT_EQ(ResolveCase("none.gwm"), "none.gwm");
}
#endif

}  // namespace
}  // namespace gw
