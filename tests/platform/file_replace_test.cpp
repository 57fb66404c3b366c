#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "system/FileError.h"
#include "system/FileReplace.h"
#include "system/NativeFiles.h"
#include "system/TextFile.h"
#include "state/FileTestSupport.h"
#include "support/TestApp.h"
#include "support/Unprivileged.h"

namespace gw {
namespace {

using test::ErrorOf;
using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

// Every entry of the folder, hidden ones included: a temporary left behind shows here.
std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(FileReplacement, SavesNamesUpToTheFileSystemLimit) {
  TempDir dir;
  for (size_t length : {5u, 200u, 247u, 248u, 251u, 255u}) {
    std::string name = std::string(length - 4, 'n') + ".gwm";
    TextWriter w(dir.File(name));
    w.WriteLine("title");
    EXPECT_EQ(ErrorOf([&] { w.Commit(); }), 0) << "a name of " << length << " bytes";
    EXPECT_EQ(ReadFileBytes(dir.File(name)), "title\r\n");
  }
  EXPECT_EQ(Entries(dir.path()).size(), 6u) << "temporaries were left behind";
}

TEST(FileReplacement, ReplacesSeveralFilesTogether) {
  TempDir dir;
  WriteFileBytes(dir.File("cat.gwk"), "old picture");
  FileReplacement r;
  r.Add(dir.File("cat.gwk"), "new picture");
  r.Add(dir.File("cat.GWM"), "new hints");
  EXPECT_EQ(ReadFileBytes(dir.File("cat.gwk")), "old picture") << "nothing changes before Commit";
  r.Commit();
  EXPECT_EQ(ReadFileBytes(dir.File("cat.gwk")), "new picture");
  EXPECT_EQ(ReadFileBytes(dir.File("cat.GWM")), "new hints");
  EXPECT_EQ(Entries(dir.path()), (std::vector<std::string>{"cat.GWM", "cat.gwk"}));
}

// The second target cannot be replaced (a folder stands in its place): the first, already
// replaced, gets its old content back, or disappears when it is new, and no temporary stays.
TEST(FileReplacement, AFailedReplacementPutsBackWhatWasReplaced) {
  for (bool firstExisted : {true, false}) {
    TempDir dir;
    if (firstExisted) WriteFileBytes(dir.File("cat.gwk"), "old picture");
    std::filesystem::create_directory(dir.File("cat.GWM"));
    std::vector<std::string> before = Entries(dir.path());
    FileReplacement r;
    r.Add(dir.File("cat.gwk"), "new picture");
    r.Add(dir.File("cat.GWM"), "new hints");
    EXPECT_NE(ErrorOf([&] { r.Commit(); }), 0);
    if (firstExisted) {
      EXPECT_EQ(ReadFileBytes(dir.File("cat.gwk")), "old picture");
    }
    EXPECT_EQ(Entries(dir.path()), before);
  }
}

TEST(FileReplacement, AnAbandonedReplacementLeavesNoTemporary) {
  TempDir dir;
  {
    FileReplacement r;
    r.Add(dir.File("a.gwm"), "never committed");
  }
  EXPECT_TRUE(Entries(dir.path()).empty());
}

// Renaming over a file ignores its mode: without the check, a read-only file would be replaced.
TEST(FileReplacement, RefusesAWriteProtectedFileAndKeepsIt) {
  TempDir dir;
  WriteFileBytes(dir.File("locked.gwm"), "kept");
  WriteFileBytes(dir.File("free.gwk"), "old");
  ::chmod(dir.File("locked.gwm").c_str(), 0444);
  std::string folder = dir.path();
  std::optional<bool> verdict = test::RunUnprivileged(folder, [folder] {
    TextWriter single(folder + "/locked.gwm");
    single.WriteLine("new");
    bool singleRefused = ErrorOf([&] { single.Commit(); }) == kErrPermission;
    // A pair with one protected file changes neither.
    int pairError = ErrorOf([&] {
      FileReplacement pair;
      pair.Add(folder + "/free.gwk", "new");
      pair.Add(folder + "/locked.gwm", "new");
      pair.Commit();
    });
    return singleRefused && pairError == kErrPermission && ReadFileBytes(folder + "/locked.gwm") == "kept" &&
           ReadFileBytes(folder + "/free.gwk") == "old" && Entries(folder).size() == 2;
  });
  if (!verdict) GTEST_SKIP() << "cannot run as an unprivileged user here";
  EXPECT_TRUE(*verdict);
}

// Whoever runs the program, root included: no write bit for anyone is write protection.
TEST(FileReplacement, AFileWithoutWriteBitsIsRefusedForEveryUser) {
  TempDir dir;
  for (mode_t mode : {0444, 0400, 0000}) {
    WriteFileBytes(dir.File("locked.gwm"), "kept");
    ::chmod(dir.File("locked.gwm").c_str(), mode);
    EXPECT_EQ(ErrorOf([&] { FileReplacement r; r.Add(dir.File("locked.gwm"), "new"); r.Commit(); }), kErrPermission)
        << std::oct << mode;
    ::chmod(dir.File("locked.gwm").c_str(), 0644);
    EXPECT_EQ(ReadFileBytes(dir.File("locked.gwm")), "kept");
  }
}

struct LinkCase {
  const char* to;        // what the link names
  int error;             // 0: written through the link
  const char* landed;    // the file that then holds the new content
};

// A link is followed to its file, which is replaced while the link stays a link; a link to
// something that is no regular file is refused and left alone.
TEST(FileReplacement, ALinkIsFollowedNeverReplaced) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows under wine makes no symbolic links";
#endif
  const LinkCase cases[] = {
      {"target.gwm", 0, "target.gwm"},
      {"missing.gwm", 0, "missing.gwm"},
      {"link2.gwm", 0, "target.gwm"},
      {"/dev/full", kErrPathAccess, nullptr},
      {"sub", kErrPathAccess, nullptr},
      {"loop.gwm", kErrPathAccess, nullptr},
  };
  for (const LinkCase& c : cases) {
    TempDir dir;
    WriteFileBytes(dir.File("target.gwm"), "old");
    std::filesystem::create_directory(dir.File("sub"));
    std::filesystem::create_symlink("target.gwm", dir.File("link2.gwm"));
    std::filesystem::create_symlink("loop.gwm", dir.File("loop.gwm"));
    std::filesystem::create_symlink(c.to, dir.File("link.gwm"));
    EXPECT_EQ(ErrorOf([&] { FileReplacement r; r.Add(dir.File("link.gwm"), "new"); r.Commit(); }), c.error) << c.to;
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.gwm"))) << c.to;
    if (c.landed) EXPECT_EQ(ReadFileBytes(dir.File(c.landed)), "new") << c.to;
    else EXPECT_EQ(ReadFileBytes(dir.File("target.gwm")), "old") << c.to;
  }
}

// A sparse file of gigabytes costs nothing on the disk; its size refuses it before a byte is read,
// and a file at the limit is still read whole.
TEST(FileReplacement, ReadingStopsAtTheLimit) {
#ifdef _WIN32
  GTEST_SKIP() << "sparse files are made with truncate, which Windows lacks";
#endif
  TempDir dir;
  const std::string huge = dir.File("huge.gwm");
  WriteFileBytes(huge, "");
  ASSERT_EQ(::truncate(huge.c_str(), 3LL << 30), 0);
  EXPECT_EQ(ErrorOf([&] { TextReader::Open(huge); }), kErrTooLarge);
  WriteFileBytes(dir.File("four.gwm"), "abcd");
  EXPECT_EQ(ErrorOf([&] { ReadWholeFile(dir.File("four.gwm"), 3); }), kErrTooLarge);
  EXPECT_EQ(ReadWholeFile(dir.File("four.gwm"), 4), "abcd");
}

}  // namespace
}  // namespace gw
