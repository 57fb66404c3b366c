// Replays the fuzz corpus of every reader (tests/fuzz/corpus/<format>/) in the ordinary run:
// no crash, a refused or failed read leaves the puzzle as it was, a successful one is in range.
#include <gtest/gtest.h>

#include <filesystem>

#include "../fuzz/GwqFuzz.h"
#include "../fuzz/ReaderFuzz.h"
#include "support/TestApp.h"

namespace gw {
namespace {

namespace fs = std::filesystem;
using fuzz::Format;

fs::path CorpusRoot() { return fs::path(GW_SOURCE_DIR) / "tests" / "fuzz" / "corpus"; }

TEST(FuzzCorpus, EveryReaderKeepsItsPromisesOnTheCorpus) {
  test::TempDir dir;
  int replayed = 0;
  for (Format f : {Format::Gwm, Format::Gwc, Format::Gwk, Format::Gwa, Format::Gwp, Format::Gwb}) {
    fs::path folder = CorpusRoot() / fuzz::Extension(f);
    ASSERT_TRUE(fs::is_directory(folder)) << folder;
    for (const auto& entry : fs::directory_iterator(folder)) {
      std::string why = fuzz::CheckReader(f, test::ReadFileBytes(entry.path().string()), dir.path());
      EXPECT_EQ(why, "") << entry.path();
      ++replayed;
    }
  }
  EXPECT_GT(replayed, 6);
}

// The saved games of large boards: tests/fuzz/corpus/gwq/, read against the fuzzer's board.
TEST(FuzzCorpus, TheLargeBoardGameReaderKeepsItsPromisesOnTheCorpus) {
  fs::path folder = CorpusRoot() / "gwq";
  ASSERT_TRUE(fs::is_directory(folder)) << folder;
  int replayed = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    EXPECT_EQ(fuzz::CheckGwq(test::ReadFileBytes(entry.path().string())), "") << entry.path();
    ++replayed;
  }
  EXPECT_GT(replayed, 3);
}

}  // namespace
}  // namespace gw
