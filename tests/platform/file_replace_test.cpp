#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "platform/FileError.h"
#include "platform/FileReplace.h"
#include "platform/TextFile.h"
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

}  // namespace
}  // namespace gw
