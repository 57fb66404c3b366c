// The store as another program may leave it: rows with values out of range or of the wrong type,
// tables rewritten while the library is in use, tables of the wrong shape. Rows are planted and
// tables rewritten through a second connection, as another program would.
#include <gtest/gtest.h>

#if GW_HAVE_SQLITE
#include "StoreTamper.h"

#include <filesystem>

#include "library/Library.h"
#include "library/LibraryModel.h"
#include "support/TestApp.h"

namespace gw {
namespace {

const char* const kPlusNon = "title \"Plus\"\nwidth 3\nheight 3\nrows\n1\n3\n1\ncolumns\n1\n3\n1\n";

using test::Tamper;
using test::kCorruptPlays;

PuzzleFacts Facts(const std::string& path) {
  PuzzleFacts f;
  f.stamp = {path, 120, 7};
  f.title = "猫";
  f.width = 3;
  f.height = 2;
  f.palette = {MakeRgb(0, 0, 0), MakeRgb(255, 0, 0)};
  f.solutions = 1;
  f.rating = Rating::Probe;
  f.cells = "012210";
  return f;
}

class StoreFile : public testing::Test {
 protected:
  void SetUp() override {
    opened = OpenLibraryStore(file);
    ASSERT_TRUE(opened.store);
    ASSERT_EQ(opened.notice, "");
  }
  LibraryStore& store() { return *opened.store; }
  test::TempDir dir;
  std::string file = dir.File("lib.sqlite");
  OpenedStore opened;
};

// Each planted value makes its row unusable: the index leaves the puzzle to be read again.
TEST_F(StoreFile, AnIndexRowWithAValueOutOfRangeIsNotUsed) {
  const char* const kPlanted[] = {
      "rating = 100000",          "rating = -1",         "rating = 'ふつう'",   "height = -5",
      "width = 0",                "width = 100",         "height = 2.5",        "solutions = 7",
      "solutions = -3",           "size = 'abc'",        "size = -1",           "mtime = NULL",
      "error = NULL",             "title = x'00ff'",     "cells = '01221'",
      "cells = '012213'",         "palette = 'garbage'", "palette = '#000000'", "palette = '#GG0000 #FF0000'",
      "author = replace(hex(zeroblob(2500000)), '0', 'x')", "path = ''",
  };
  for (const char* planted : kPlanted) {
    store().SaveFacts({Facts("/p/cat.gwm")});
    ASSERT_EQ(store().LoadIndex().size(), 1u);
    Tamper(file, std::string("UPDATE puzzles SET ") + planted);
    EXPECT_TRUE(store().LoadIndex().empty()) << planted;
  }
}

// A record with a value out of range counts as no record; the sound ones beside it stay.
TEST_F(StoreFile, ARecordWithAValueOutOfRangeIsNotUsed) {
  const char* const kPlanted[] = {
      "UPDATE plays SET seconds = 9e999",   "UPDATE plays SET seconds = -9e999", "UPDATE plays SET seconds = -5",
      "UPDATE plays SET seconds = 1e300",   "UPDATE plays SET seconds = 'long'", "UPDATE plays SET seconds = NULL",
      "UPDATE plays SET last_played = 'yesterday afternoon'",  "UPDATE plays SET last_played = 7",
      "UPDATE plays SET progress = zeroblob(20000000)",
  };
  for (const char* planted : kPlanted) {
    store().SavePlay("/p/cat.gwm", 42.5, "", "12-01-2026");
    Tamper(file, planted);
    EXPECT_EQ(store().LoadRecords().count("/p/cat.gwm"), 0u) << planted;
  }
  store().AddSolve("/p/dog.xml", 90, "12-02-2026");
  store().AddSolve("/p/dog.xml", 60, "12-03-2026");
  store().AddSolve("/p/dog.xml", 70, "12-04-2026");
  Tamper(file, "UPDATE solves SET seconds = 9e999 WHERE seconds = 60");
  Tamper(file, "UPDATE solves SET solved_on = 'soon' WHERE seconds = 70");
  PlayRecord dog = store().LoadRecords()["/p/dog.xml"];
  EXPECT_EQ(dog.timesSolved, 1);
  EXPECT_DOUBLE_EQ(dog.bestSeconds, 90);
  EXPECT_EQ(DurationText(dog.bestSeconds), "1:30");
}

// A completer kept in the store with a planted entry is neither listed nor counted; the sound
// ones beside it stay.
TEST_F(StoreFile, ACompleterWithAnEntryOutOfRangeIsNotUsed) {
  const char* const kPlanted[] = {"path = ''", "entry = x'00ff'",
                                  "entry = replace(hex(zeroblob(2000)), '0', 'x')"};
  for (const char* planted : kPlanted) {
    store().AddCompleter("/c/heart.xml", "12-09-2026 Sound");
    store().AddCompleter("/c/heart.xml", "12-09-2026 Planted");
    Tamper(file, std::string("UPDATE completers SET ") + planted + " WHERE entry = '12-09-2026 Planted'");
    EXPECT_EQ(store().Completers("/c/heart.xml"), std::vector<std::string>{"12-09-2026 Sound"}) << planted;
    std::map<std::string, PlayRecord> records = store().LoadRecords();
    EXPECT_EQ(records["/c/heart.xml"].completers, 1) << planted;
    EXPECT_EQ(records.count(""), 0u) << planted;
    Tamper(file, "DELETE FROM completers");
  }
}

// What another program may do to the tables while the library is in use, and a use that meets it.
struct Rewrite {
  const char* sql;
  bool reading;  // the next use reads (else it writes)
};


const Rewrite kRewrites[] = {
    {kCorruptPlays, false},
    {kCorruptPlays, true},
    {"DROP TABLE plays; CREATE TABLE plays(path TEXT, note TEXT)", false},
    {"DROP TABLE plays; CREATE TABLE plays(path TEXT, note TEXT)", true},
    {"DROP TABLE solves", true},
    {"ALTER TABLE plays RENAME TO old_plays", false},
};

// The store is set aside under another name, a fresh one takes its place, the player is told once
// whether reading or writing found it, and a record being written is kept in the fresh store.
TEST_F(StoreFile, AStoreRewrittenWhileInUseIsSetAsideAndStartsAfresh) {
  for (const Rewrite& r : kRewrites) {
    SCOPED_TRACE(r.sql);
    store().SavePlay("/p/cat.gwm", 10, "", "12-01-2026");
    Tamper(file, r.sql);
    std::map<std::string, PlayRecord> records;
    EXPECT_NO_THROW({
      if (r.reading) records = store().LoadRecords();
      else store().SavePlay("/p/dog.gwm", 42.5, "progress", "12-02-2026");
    });
    std::string notice = store().TakeFreshStart();
    EXPECT_NE(notice.find(r.reading ? "読み込む" : "書き込む"), std::string::npos) << notice;
    EXPECT_NE(notice.find("lib.sqlite.damaged"), std::string::npos) << notice;
    EXPECT_EQ(store().TakeFreshStart(), "");
    if (!r.reading) {
      EXPECT_EQ(store().LoadRecords()["/p/dog.gwm"].progress, "progress");
    }
    EXPECT_EQ(store().LoadRecords().count("/p/cat.gwm"), 0u);
    store().SaveFacts({Facts("/p/cat.gwm")});
    EXPECT_EQ(store().LoadIndex().size(), 1u);
    EXPECT_EQ(store().TakeFreshStart(), "");
  }
  EXPECT_TRUE(std::filesystem::exists(file + ".damaged"));
  EXPECT_TRUE(std::filesystem::exists(file + ".damaged" + std::to_string(std::size(kRewrites))));
}

TEST(StoreOpen, AStoreWhoseTablesDoNotMatchIsSetAside) {
  test::TempDir dir;
  std::string file = dir.File("lib.sqlite");
  Tamper(file, "CREATE TABLE puzzles(path TEXT PRIMARY KEY, rating TEXT)");
  OpenedStore s = OpenLibraryStore(file);
  ASSERT_TRUE(s.store);
  EXPECT_NE(s.notice.find("lib.sqlite.damaged"), std::string::npos) << s.notice;
  EXPECT_NO_THROW(s.store->SaveFacts({Facts("/p/cat.gwm")}));
  EXPECT_EQ(s.store->LoadIndex().size(), 1u);
}

class LibraryOverStore : public testing::Test {
 protected:
  void SetUp() override {
    test::WriteFileBytes(home.File("plus.non"), kPlusNon);
    std::unique_ptr<Library> lib = Open();
    lib->AddFolder(added.path());
    lib->store().SavePlay(Key(), 30, "a game", "12-01-2026");
  }
  // The library over the store file, every file listed, read and rated.
  std::unique_ptr<Library> Open() {
    OpenedStore s = OpenLibraryStore(file);
    EXPECT_EQ(s.notice, "");
    auto lib = std::make_unique<Library>(std::move(s.store), LibraryPlaces{home.path(), ""});
    lib->Refresh();
    lib->WaitIdle();
    return lib;
  }
  std::string Key() { return home.File("plus.non"); }
  // The index as the store file holds it now.
  std::vector<PuzzleFacts> Index() { return OpenLibraryStore(file).store->LoadIndex(); }
  test::TempDir home;
  test::TempDir added;
  test::TempDir where;
  std::string file = where.File("lib.sqlite");
};

// A row for a file whose size and time still match, but with a value out of range, is read again
// from the file and the store's row mended; sound rows are trusted as before.
TEST_F(LibraryOverStore, APlantedRowIsTakenAsStaleAndReadAgain) {
  Tamper(file, "UPDATE puzzles SET rating = 100000, height = -5");
  std::unique_ptr<Library> lib = Open();
  ASSERT_EQ(lib->Entries().size(), 1u);
  const LibraryEntry& e = lib->Entries()[0];
  EXPECT_EQ(CellText(e, kColRating), "やさしい");
  EXPECT_EQ(CellText(e, kColSize), "3×3");
  EXPECT_EQ(ThumbnailOf(e).cells.size(), 9u);
  std::vector<PuzzleFacts> mended = Index();
  ASSERT_EQ(mended.size(), 1u);
  EXPECT_EQ(mended[0].rating, Rating::Line);
  EXPECT_EQ(mended[0].height, 3);
}

// Rewritten while the library is open: told once, the puzzles read again into the fresh store,
// and the folders added and the game in hand kept.
TEST_F(LibraryOverStore, AStoreRewrittenUnderTheLibraryIsRebuilt) {
  std::unique_ptr<Library> lib = Open();
  Tamper(file, kCorruptPlays);
  lib->ReloadRecords();
  std::string problem = lib->TakeStoreProblem();
  EXPECT_NE(problem.find("読み込む"), std::string::npos) << problem;
  EXPECT_NE(problem.find("lib.sqlite.damaged"), std::string::npos) << problem;
  EXPECT_EQ(lib->Entries()[0].record.progress, "a game");
  lib->WaitIdle();
  EXPECT_EQ(lib->TakeStoreProblem(), "");
  std::vector<PuzzleFacts> rebuilt = Index();
  ASSERT_EQ(rebuilt.size(), 1u);
  EXPECT_EQ(rebuilt[0].solutions, 1);
  std::unique_ptr<Library> again = Open();
  ASSERT_EQ(again->Entries().size(), 1u);
  EXPECT_EQ(CellText(again->Entries()[0], kColRating), "やさしい");
  EXPECT_EQ(again->Entries()[0].record.progress, "a game");
  EXPECT_EQ(again->store().Folders(), std::vector<std::string>{added.path()});
}

// A store that fails the same way on every batch of results says so once.
class FailingStore : public LibraryStore {
 public:
  std::vector<PuzzleFacts> LoadIndex() override { return {}; }
  void SaveFacts(const std::vector<PuzzleFacts>&) override { throw StoreError("書き込めません"); }
  void ForgetFiles(const std::vector<std::string>&) override {}
  std::map<std::string, PlayRecord> LoadRecords() override { return {}; }
  void SavePlay(const std::string&, double, const std::string&, const std::string&) override {}
  void AddSolve(const std::string&, double, const std::string&) override {}
  std::vector<std::string> Completers(const std::string&) override { return {}; }
  void AddCompleter(const std::string&, const std::string&) override {}
  std::vector<std::string> Folders() override { return {}; }
  void AddFolder(const std::string&) override {}
};

TEST(LibraryProblems, AProblemOnEveryBatchIsToldOnce) {
  test::TempDir home;
  test::WriteFileBytes(home.File("plus.non"), kPlusNon);
  Library lib(std::make_unique<FailingStore>(), LibraryPlaces{home.path(), ""});
  lib.Refresh();
  lib.WaitIdle();
  EXPECT_EQ(lib.TakeStoreProblem(), "書き込めません");
  test::WriteFileBytes(home.File("plus.non"), std::string(kPlusNon) + "\n");
  lib.Refresh();
  lib.WaitIdle();
  EXPECT_EQ(lib.TakeStoreProblem(), "");
}

}  // namespace
}  // namespace gw
#endif
