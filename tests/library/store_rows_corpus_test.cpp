// Replays the fuzz corpus of the store's rows (tests/fuzz/corpus/store_rows/) in the ordinary run,
// and holds the checks to the rows the program itself writes.
#include <gtest/gtest.h>

#include <filesystem>

#include "../fuzz/StoreRowFuzz.h"
#include "support/TestApp.h"

namespace gw {
namespace {

namespace fs = std::filesystem;

TEST(StoreRowsCorpus, TheChecksKeepTheirPromisesOnTheCorpus) {
  fs::path folder = fs::path(GW_SOURCE_DIR) / "tests" / "fuzz" / "corpus" / "store_rows";
  ASSERT_TRUE(fs::is_directory(folder)) << folder;
  int replayed = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    EXPECT_EQ(fuzz::CheckStoreRows(test::ReadFileBytes(entry.path().string())), "") << entry.path();
    ++replayed;
  }
  EXPECT_GT(replayed, 10);
}

PuzzleFacts Solved(int width, int height, int colors) {
  PuzzleFacts f;
  f.stamp = {"/p/a.gwm", 300, -12345};
  f.title = "題";
  f.width = width;
  f.height = height;
  for (int k = 1; k <= colors; ++k) f.palette.push_back(MakeRgb(k, 2 * k, 255));
  f.solutions = 1;
  f.rating = Rating::Search;
  f.cells = std::string(size_t(width) * height, char('0' + colors));
  return f;
}

// Facts as the scan makes them (read, then rated or not), at the edges of their ranges, are all
// taken back: a check that left them would have every puzzle read again at each start.
TEST(StoreRows, FactsTheProgramWritesAreTakenBack) {
  PuzzleFacts unread;
  unread.stamp = {"/p/huge.non", 5LL << 30, 0};
  unread.error = "ファイルが大きすぎます（5242880 KB）。";
  unread.solutions = kNotAnalysed;
  PuzzleFacts noHeight = unread;
  noHeight.error = "盤の大きさがありません。";
  noHeight.height = 5;
  PuzzleFacts manyColours = Solved(99, 99, 32);
  manyColours.solutions = -1;
  manyColours.rating = Rating::None;
  manyColours.cells.clear();
  PuzzleFacts pending = Solved(1, 1, 1);
  pending.solutions = kNotAnalysed;
  pending.rating = Rating::None;
  pending.cells.clear();
  for (const PuzzleFacts& f : {unread, noHeight, manyColours, pending, Solved(99, 99, 9), Solved(1, 1, 1)}) {
    std::optional<PuzzleFacts> back = FactsOfRow(RowOfFacts(f));
    ASSERT_TRUE(back) << f.stamp.path << " " << f.width << "x" << f.height;
    EXPECT_EQ(RowOfFacts(*back), RowOfFacts(f));
  }
  std::map<std::string, PlayRecord> records;
  EXPECT_TRUE(TakePlayRow(RowOfPlay("/p/a.gwm", 0, "", ""), records));
  EXPECT_TRUE(TakePlayRow(RowOfPlay("/p/b.gwm", 3600.5, std::string(1000, '\n'), "12-09-2026"), records));
  EXPECT_TRUE(TakeSolveRow(RowOfSolve("/p/b.gwm", 59.9, "2026/12/09"), records));
  EXPECT_EQ(records["/p/b.gwm"].timesSolved, 1);
  EXPECT_EQ(DurationText(records["/p/b.gwm"].bestSeconds), "0:59");
  EXPECT_EQ(DurationText(records["/p/b.gwm"].seconds), "1:00:00");
}

}  // namespace
}  // namespace gw
