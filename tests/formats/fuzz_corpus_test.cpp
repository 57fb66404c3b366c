// Replays the fuzz corpus of every foreign reader (tests/fuzz/corpus/xml, non, g) in the
// ordinary run, with the promises the fuzz targets check.
#include <gtest/gtest.h>

#include "../fuzz/ForeignFuzz.h"
#include "FormatTestSupport.h"
#include "support/TestApp.h"

namespace gw::test {
namespace {

namespace fs = std::filesystem;

TEST(ForeignFuzzCorpus, EveryReaderKeepsItsPromisesOnTheCorpus) {
  for (ForeignFormat f : {ForeignFormat::Xml, ForeignFormat::Non, ForeignFormat::Olsak}) {
    if (!Readable(f)) continue;
    fs::path folder = kSourceDir / "tests" / "fuzz" / "corpus" / fuzz::ForeignFolder(f);
    ASSERT_TRUE(fs::is_directory(folder)) << folder;
    int replayed = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
      EXPECT_EQ(fuzz::CheckForeign(f, ReadFileBytes(entry.path().string())), "") << entry.path();
      ++replayed;
    }
    EXPECT_GT(replayed, 5) << folder;
  }
}

}  // namespace
}  // namespace gw::test
