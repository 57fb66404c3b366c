// What gwtool convert goes through: a puzzle written in one format, read back, written in another
// and read back keeps every field both formats hold, and FieldsNotHeld names exactly the others.
#include <gtest/gtest.h>

#include "FormatTestSupport.h"
#include "display/BoardLayout.h"
#include "display/Colors.h"
#include "formats/AnyPuzzleFile.h"
#include "support/TestApp.h"

namespace gw::test {
namespace {

// A field the format holds when FieldsNotHeld leaves it out for a puzzle that has them all.
bool Holds(const std::string& ext, const std::string& field) {
  PuzzleData full;
  full.title = full.author = full.answer = "x";
  full.solution = {{1}};
  for (const std::string& lost : FieldsNotHeld(full, "a" + ext))
    if (lost == field) return false;
  return true;
}

PuzzleData ThroughFile(App& app, const PuzzleData& p, const std::string& path) {
  WriteAnyPuzzle(app, p, path);
  return ReadAnyPuzzle(app, path);
}

void ExpectShared(const PuzzleData& a, const PuzzleData& b, const std::string& e1, const std::string& e2,
                  const std::string& what) {
  auto both = [&](const char* field) { return Holds(e1, field) && Holds(e2, field); };
  EXPECT_EQ(a.width, b.width) << what;
  EXPECT_EQ(a.height, b.height) << what;
  EXPECT_EQ(a.rows, b.rows) << what;
  EXPECT_EQ(a.cols, b.cols) << what;
  if (both("タイトル")) { EXPECT_EQ(a.title, b.title) << what; }
  if (both("作者")) { EXPECT_EQ(a.author, b.author) << what; }
  if (both("答")) { EXPECT_EQ(a.answer, b.answer) << what; }
  if (both("答えの絵")) { EXPECT_EQ(a.solution, b.solution) << what; }
  if (e1 == ".gwc" || e2 == ".gwc") return;
  ASSERT_EQ(a.ColorCount(), b.ColorCount()) << what;
  for (int k = 1; k <= a.ColorCount(); ++k) EXPECT_EQ(a.colors[k].rgb, b.colors[k].rgb) << what << " colour " << k;
}

TEST(ConvertRoundTrip, EveryPairOfFormatsKeepsTheFieldsBothHold) {
#ifdef _WIN32
  GTEST_SKIP() << "the Windows build reads no XML";
#endif
  TempDir dir;
  TestApp t;
  for (int i = 0; i < 16; ++i) t.app.colors.ColorTable[i] = StandardColor(i);
  std::mt19937 rng(21);
  const std::vector<std::string> exts = {".xml", ".non", ".gwm", ".gwk", ".gwc"};
  for (int trial = 0; trial < 12; ++trial) {
    int colors = trial % 3 == 0 ? 1 : 2 + int(rng() % 7);
    PuzzleData p = RandomPicture(rng, 2 + int(rng() % 19), 2 + int(rng() % 19), colors);
    DropUnusedColors(p);
    for (int k = 1; k <= p.ColorCount(); ++k) p.colors[k].rgb = StandardColor(k - 1);  // colours the table has
    p.title = "題名 " + std::to_string(trial);
    p.author = "作者 " + std::to_string(trial);
    p.answer = "りんご " + std::to_string(trial);
    for (const std::string& e1 : exts)
      for (const std::string& e2 : exts) {
        if ((e1 == ".gwc" || e2 == ".gwc") && p.ColorCount() != 1) continue;
        // A picture cannot come from hints alone unless they have one solution: a refusal there
        // is documented, not a loss.
        if (e2 == ".gwk" && !Holds(e1, "答えの絵")) continue;
        std::string what = "trial " + std::to_string(trial) + " " + e1 + " -> " + e2;
        PuzzleData once = ThroughFile(t.app, p, dir.File("one" + e1));
        PuzzleData twice = ThroughFile(t.app, once, dir.File("two" + e2));
        ExpectShared(p, twice, e1, e2, what);
        if (HasFailure()) return;
      }
  }
}

}  // namespace
}  // namespace gw::test
