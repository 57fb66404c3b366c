// The bundled collection, made by the image conversion, can be told apart colour by colour: every
// two colours of every puzzle, the background among them, at least 15 apart in L*a*b*.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "formats/ColorSpace.h"
#include "formats/ForeignFiles.h"
#include "pictures/ImageQuantize.h"
#include "formats/WebpbnXml.h"

namespace gw {
namespace {

TEST(Collection, EveryTwoColoursOfEveryPuzzleAreFifteenApart) {
  if (!WebpbnXmlReadable()) GTEST_SKIP() << "this build reads no XML";
  int puzzles = 0;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(GW_SOURCE_DIR) + "/collection")) {
    if (entry.path().extension() != ".xml") continue;
    PuzzleData p = ReadForeignFile(entry.path().string());
    ++puzzles;
    for (int a = 0; a <= p.ColorCount(); ++a)
      for (int b = a + 1; b <= p.ColorCount(); ++b)
        EXPECT_GE(std::sqrt(LabDistance2(ToLab(p.colors[a].rgb), ToLab(p.colors[b].rgb))), kDistinctColors)
            << entry.path().filename() << " colours " << a << " and " << b;
  }
  EXPECT_GE(puzzles, 120);
}

}  // namespace
}  // namespace gw
