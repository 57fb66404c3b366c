#include <gtest/gtest.h>

#include <filesystem>

#include "library/LibraryStore.h"
#include "support/TestApp.h"

// The test of an older store makes one with SQLite itself; a build without it has no store.
#if __has_include(<sqlite3.h>)
#include <sqlite3.h>
#define GW_TEST_SQLITE 1
#endif

namespace gw {
namespace {

PuzzleFacts Facts(const std::string& path, int solutions) {
  PuzzleFacts f;
  f.stamp = {path, 120, 7};
  f.title = "猫";
  f.author = "someone";
  f.width = 15;
  f.height = 10;
  f.palette = {MakeRgb(0, 0, 0), MakeRgb(255, 0, 0)};
  f.solutions = solutions;
  f.rating = Rating::Probe;
  f.cells = std::string(150, '1');
  return f;
}

TEST(LibraryStore, KeepsIndexRecordsAndFoldersAcrossRuns) {
  if (!LibraryAvailable()) GTEST_SKIP() << "no store in this build";
  test::TempDir dir;
  std::string file = dir.File("lib.sqlite");
  {
    OpenedStore s = OpenLibraryStore(file);
    ASSERT_TRUE(s.store);
    EXPECT_EQ(s.notice, "");
    s.store->SaveFacts({Facts("/p/cat.gwm", 1), Facts("/p/dog.xml", 2)});
    s.store->SavePlay("/p/cat.gwm", 42.5, "", "12-01-2026");
    s.store->AddSolve("/p/dog.xml", 90, "12-02-2026");
    s.store->AddSolve("/p/dog.xml", 60, "12-03-2026");
    s.store->AddFolder("/extra");
    s.store->ForgetFiles({"/p/none.non"});
  }
  OpenedStore again = OpenLibraryStore(file);
  ASSERT_TRUE(again.store);
  std::vector<PuzzleFacts> index = again.store->LoadIndex();
  ASSERT_EQ(index.size(), 2u);
  const PuzzleFacts& cat = index[0].stamp.path == "/p/cat.gwm" ? index[0] : index[1];
  EXPECT_EQ(cat.title, "猫");
  EXPECT_EQ(cat.palette, Facts("", 1).palette);
  EXPECT_EQ(cat.rating, Rating::Probe);
  EXPECT_EQ(cat.cells.size(), 150u);
  auto records = again.store->LoadRecords();
  EXPECT_DOUBLE_EQ(records["/p/cat.gwm"].seconds, 42.5);
  EXPECT_EQ(records["/p/dog.xml"].timesSolved, 2);
  EXPECT_DOUBLE_EQ(records["/p/dog.xml"].bestSeconds, 60);
  EXPECT_EQ(records["/p/dog.xml"].lastPlayed, "12-03-2026");
  EXPECT_EQ(again.store->Folders(), std::vector<std::string>{"/extra"});
}

// Completers of puzzles whose folder holds no list: newest first, ten at most per puzzle as a list
// keeps them, each puzzle its own, counted in the records; kept across runs.
TEST(LibraryStore, KeepsTheTenNewestCompletersOfEachPuzzle) {
  if (!LibraryAvailable()) GTEST_SKIP() << "no store in this build";
  test::TempDir dir;
  std::string file = dir.File("lib.sqlite");
  {
    OpenedStore s = OpenLibraryStore(file);
    ASSERT_TRUE(s.store);
    EXPECT_TRUE(s.store->Completers("/c/heart.xml").empty());
    for (int i = 1; i <= 12; ++i) s.store->AddCompleter("/c/heart.xml", "12-09-2026 player" + std::to_string(i));
    s.store->AddCompleter("/c/bar.non", "12-01-2026 Someone");
  }
  OpenedStore again = OpenLibraryStore(file);
  std::vector<std::string> heart = again.store->Completers("/c/heart.xml");
  ASSERT_EQ(heart.size(), 10u);
  EXPECT_EQ(heart.front(), "12-09-2026 player12");
  EXPECT_EQ(heart.back(), "12-09-2026 player3");
  EXPECT_EQ(again.store->Completers("/c/bar.non"), std::vector<std::string>{"12-01-2026 Someone"});
  auto records = again.store->LoadRecords();
  EXPECT_EQ(records["/c/heart.xml"].completers, 10);
  EXPECT_EQ(records["/c/bar.non"].completers, 1);
  EXPECT_EQ(records["/c/bar.non"].timesSolved, 0);
}

// A store made before completers were kept in it opens with everything it held, and takes them
// from then on.
#ifdef GW_TEST_SQLITE
TEST(LibraryStore, AStoreFromBeforeCompletersOpensWhole) {
  if (!LibraryAvailable()) GTEST_SKIP() << "no store in this build";
  test::TempDir dir;
  std::string file = dir.File("lib.sqlite");
  {
    OpenedStore s = OpenLibraryStore(file);
    s.store->AddSolve("/p/dog.xml", 90, "12-02-2026");
  }
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db, "DROP TABLE completers", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);
  OpenedStore old = OpenLibraryStore(file);
  EXPECT_EQ(old.notice, "");
  EXPECT_EQ(old.store->LoadRecords()["/p/dog.xml"].timesSolved, 1);
  old.store->AddCompleter("/p/dog.xml", "12-09-2026 Tester");
  EXPECT_EQ(old.store->Completers("/p/dog.xml").size(), 1u);
}
#endif

TEST(LibraryStore, SetsADamagedFileAsideAndStartsAfresh) {
  if (!LibraryAvailable()) GTEST_SKIP() << "no store in this build";
  test::TempDir dir;
  std::string file = dir.File("lib.sqlite");
  test::WriteFileBytes(file, std::string(4096, 'x'));
  OpenedStore s = OpenLibraryStore(file);
  ASSERT_TRUE(s.store);
  EXPECT_NE(s.notice.find("lib.sqlite.damaged"), std::string::npos) << s.notice;
  EXPECT_EQ(test::ReadFileBytes(file + ".damaged"), std::string(4096, 'x'));
  EXPECT_TRUE(s.store->LoadIndex().empty());
  s.store->AddSolve("/p/a.gwm", 10, "12-01-2026");
  EXPECT_EQ(s.store->LoadRecords()["/p/a.gwm"].timesSolved, 1);
}

TEST(LibraryStore, AStoreThatCannotBeMadeStillWorksForTheRun) {
  if (!LibraryAvailable()) GTEST_SKIP() << "no store in this build";
  OpenedStore s = OpenLibraryStore("/nonexistent-folder/for/sure/lib.sqlite");
  ASSERT_TRUE(s.store);
  EXPECT_NE(s.notice.find("今回の記録は保存されません"), std::string::npos);
  s.store->SavePlay("/p/a.gwm", 3, "", "12-01-2026");
  EXPECT_DOUBLE_EQ(s.store->LoadRecords()["/p/a.gwm"].seconds, 3);
}

}  // namespace
}  // namespace gw
