#include <gtest/gtest.h>

#include "library/Library.h"
#include "library/LibraryModel.h"
#include "library/PuzzleScan.h"
#include "support/TestApp.h"

namespace gw {
namespace {

// A 3 x 3 plus sign, unique and solved by lines alone.
const char* const kPlusNon = "title \"Plus\"\nwidth 3\nheight 3\nrows\n1\n3\n1\ncolumns\n1\n3\n1\n";
// Two solutions: a 2 x 2 board with one cell in each line.
const char* const kTwoWaysNon = "title \"Two\"\nwidth 2\nheight 2\nrows\n1\n1\ncolumns\n1\n1\n";

std::unique_ptr<Library> MakeLibrary(const std::string& home) {
  OpenedStore s = OpenLibraryStore(":memory:");
  auto lib = std::make_unique<Library>(std::move(s.store), LibraryPlaces{home, ""});
  lib->Refresh();
  lib->WaitIdle();
  return lib;
}

const LibraryEntry& Named(const Library& lib, const std::string& name) {
  for (const LibraryEntry& e : lib.Entries())
    if (e.name == name) return e;
  throw std::runtime_error("no entry " + name);
}

class LibraryScan : public testing::Test {
 protected:
  void SetUp() override {
    if (!LibraryAvailable()) GTEST_SKIP() << "no store in this build";
    test::WriteFileBytes(dir.File("plus.non"), kPlusNon);
    test::WriteFileBytes(dir.File("two.non"), kTwoWaysNon);
    test::WriteFileBytes(dir.File("broken.xml"), "<puzzletype");
    test::WriteFileBytes(dir.File("empty.g"), "");
    test::WriteFileBytes(dir.File("huge.non"), std::string(kMaxPuzzleFileBytes + 1, ' '));
    test::WriteFileBytes(dir.File("notes.txt"), "not a puzzle");
    test::WriteFileBytes(dir.File("two.GWB"), "12-01-2026 someone\r\n");
    test::WriteFileBytes(dir.File("plus.gwp"), "");
  }
  test::TempDir dir;
};

TEST_F(LibraryScan, ListsPuzzlesAndGivesEveryOtherFileItsReason) {
  std::unique_ptr<Library> lib = MakeLibrary(dir.path());
  ASSERT_EQ(lib->Entries().size(), 5u);  // notes.txt is no puzzle file at all
  const LibraryEntry& plus = Named(*lib, "plus.non");
  EXPECT_EQ(plus.facts.title, "Plus");
  EXPECT_EQ(plus.facts.solutions, 1);
  EXPECT_EQ(plus.facts.rating, Rating::Line);
  EXPECT_EQ(plus.facts.cells, "010111010");
  EXPECT_EQ(StateOf(plus), PlayState::InProgress);  // ◇
  const LibraryEntry& two = Named(*lib, "two.non");
  EXPECT_EQ(two.facts.solutions, 2);
  EXPECT_EQ(StateOf(two), PlayState::Solved);  // ☆, found whatever the case of its name
  for (const char* bad : {"broken.xml", "empty.g", "huge.non"}) {
    const LibraryEntry& e = Named(*lib, bad);
    EXPECT_FALSE(e.facts.Readable()) << bad;
    EXPECT_NE(CellText(e, kColState).find("読めません: "), std::string::npos) << bad;
  }
  EXPECT_NE(Named(*lib, "huge.non").facts.error.find("大きすぎます"), std::string::npos);
}

TEST_F(LibraryScan, ReadsAChangedFileAgainAndForgetsAGoneOne) {
  std::unique_ptr<Library> lib = MakeLibrary(dir.path());
  test::WriteFileBytes(dir.File("two.non"), kPlusNon + std::string("\n"));
  std::remove(dir.File("broken.xml").c_str());
  lib->Refresh();
  lib->WaitIdle();
  EXPECT_EQ(lib->Entries().size(), 4u);
  EXPECT_EQ(Named(*lib, "two.non").facts.solutions, 1);
}

// Filters and sort orders over the same folder: which files remain, in which order.
struct ViewCase {
  LibraryFilter filter;
  int column;
  bool descending;
  std::vector<std::string> names;
};

class LibraryViews : public LibraryScan, public testing::WithParamInterface<ViewCase> {};

TEST_P(LibraryViews, FilterAndSort) {
  std::unique_ptr<Library> lib = MakeLibrary(dir.path());
  LibraryListing view;
  view.filter = GetParam().filter;
  view.sortColumn = GetParam().column;
  view.descending = GetParam().descending;
  UpdateRows(*lib, view);
  std::vector<std::string> names;
  for (int row : view.rows) names.push_back(lib->Entries()[row].name);
  EXPECT_EQ(names, GetParam().names);
}

LibraryFilter Filter(int state, int size, int colors, int rating, std::string text = "") {
  return {state, size, colors, rating, std::move(text)};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LibraryViews,
    testing::Values(ViewCase{Filter(0, 0, 0, 0), kColFile, false,
                             {"broken.xml", "empty.g", "huge.non", "plus.non", "two.non"}},
                    ViewCase{Filter(0, 0, 0, 0), kColFile, true,
                             {"two.non", "plus.non", "huge.non", "empty.g", "broken.xml"}},
                    ViewCase{Filter(3, 0, 0, 0), kColTitle, false, {"two.non"}},
                    ViewCase{Filter(2, 0, 0, 0), kColTitle, false, {"plus.non"}},
                    ViewCase{Filter(0, 0, 0, 1), kColTitle, false, {"plus.non"}},
                    ViewCase{Filter(0, 1, 1, 0), kColSize, true, {"plus.non", "two.non"}},
                    ViewCase{Filter(0, 2, 0, 0), kColSize, false, {}},
                    ViewCase{Filter(0, 0, 2, 0), kColTitle, false, {}},
                    ViewCase{Filter(0, 0, 0, 0, "PLU"), kColTitle, false, {"plus.non"}},
                    ViewCase{Filter(0, 0, 0, 4), kColRating, false,
                             {"broken.xml", "empty.g", "huge.non", "two.non"}}));

TEST(LibraryModel, DurationsAndThumbnails) {
  EXPECT_EQ(DurationText(0), "0:00");
  EXPECT_EQ(DurationText(65.9), "1:05");
  EXPECT_EQ(DurationText(3725), "1:02:05");
  LibraryEntry e;
  e.name = "x.non";
  e.facts.width = 2;
  e.facts.height = 1;
  e.facts.palette = {MakeRgb(255, 0, 0)};
  e.facts.cells = "10";
  EXPECT_EQ(ThumbnailOf(e).cells, (std::vector<Rgb>{-1, -1}));  // not solved: a blank grid
  e.record.timesSolved = 1;
  EXPECT_EQ(ThumbnailOf(e).cells, (std::vector<Rgb>{MakeRgb(255, 0, 0), MakeRgb(255, 255, 255)}));
}

}  // namespace
}  // namespace gw
