// The puzzles in samples/: what the folder offers a newcomer, that every file is in its format
// (code page 932, CR LF) and opens for play, and that the automatic solver solves each one
// completely into the picture it was drawn from (which for this solver means the solution is
// unique), a picture the judgement then calls right.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "play/Judge.h"
#include "text/Cp932.h"
#include "solver/AutoSolve.h"
#include "state/Document.h"
#include "state/PuzzleFiles.h"
#include "support/TestApp.h"

namespace gw::test {
namespace {

namespace fs = std::filesystem;

const fs::path kRoot = GW_SOURCE_DIR;
const fs::path kSamples = kRoot / "samples";
const fs::path kPictures = kRoot / "tools" / "samples" / "pictures";

// The tracked sample files, as the build names them; other files a player left in the folder are
// not samples.
std::vector<fs::path> Files(const std::string& ext) {
  std::vector<fs::path> found;
  std::ifstream list(GW_SAMPLE_LIST);
  for (std::string name; std::getline(list, name);)
    if (fs::path(name).extension() == ext) found.push_back(kSamples / name);
  std::sort(found.begin(), found.end());
  return found;
}

std::vector<fs::path> Puzzles() {
  std::vector<fs::path> all = Files(".gwm"), mono = Files(".gwc");
  all.insert(all.end(), mono.begin(), mono.end());
  return all;
}

// A puzzle read for play, as the open command reads it.
struct Opened : TestApp {
  explicit Opened(const fs::path& file) {
    Start();
    app.puzzle.Mode = kModePlay;
    OpenPuzzleFile(app, file.parent_path().string(), file.filename().string());
    TakeOutput();
  }
  const PuzzleState& p() const { return app.puzzle; }
  int Colours() const {
    int n = 0;
    for (int k = 1; k <= 9; ++k) n += p().Palette[k] != kFreeColor ? 1 : 0;
    return n;
  }
};

TEST(Samples, TheFolderOffersPuzzlesOfEverySizeAndKind) {
  std::vector<fs::path> puzzles = Puzzles();
  EXPECT_GE(puzzles.size(), 12u);
  EXPECT_GE(Files(".gwc").size(), 2u);
  int colour = 0;
  std::set<std::pair<int, int>> sizes;
  for (const fs::path& f : puzzles) {
    Opened o(f);
    sizes.insert({o.p().XSize, o.p().YSize});
    colour += o.Colours() >= 3 ? 1 : 0;
  }
  EXPECT_GE(colour, 5);
  EXPECT_EQ(*sizes.begin(), std::make_pair(5, 5));
  EXPECT_TRUE(sizes.count({20, 20}));
  // A picture to open in image input mode, with the puzzle made from it beside it.
  std::vector<fs::path> pictures = Files(".gwk");
  ASSERT_FALSE(pictures.empty());
  for (const fs::path& pic : pictures) EXPECT_TRUE(fs::exists(fs::path(pic).replace_extension(".gwm"))) << pic;
}

TEST(Samples, EveryFileIsCodePage932WithCrLfLineEnds) {
  std::vector<fs::path> files = Puzzles();
  for (const char* ext : {".gwk", ".txt"})
    for (const fs::path& f : Files(ext)) files.push_back(f);
  ASSERT_FALSE(files.empty());
  for (const fs::path& f : files) {
    std::string bytes = ReadFileBytes(f.string());
    EXPECT_TRUE(DecodeCp932(bytes).has_value()) << f;
    ASSERT_GE(bytes.size(), 2u) << f;
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << f;
    for (size_t i = 0; i < bytes.size(); ++i) {
      bool lf = bytes[i] == '\n', cr = bytes[i] == '\r';
      if (lf) { EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << f << " byte " << i; }
      if (cr) { EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << f << " byte " << i; }
    }
  }
}

TEST(Samples, EveryPuzzleOpensForPlayWithItsTitle) {
  for (const fs::path& f : Puzzles()) {
    Opened o(f);
    EXPECT_EQ(o.app.fileReport.LoadRefused, 0) << f;
    EXPECT_EQ(o.app.document.CurFileName, f.filename().string());
    EXPECT_FALSE(o.p().Title.empty()) << f;
    if (f.extension() == ".gwm") { EXPECT_FALSE(o.p().Answer.empty()) << f; }
    EXPECT_GE(o.p().XSize, 5) << f;
    EXPECT_LE(o.p().XSize, 20) << f;
    EXPECT_GE(o.p().YSize, 5) << f;
    EXPECT_LE(o.p().YSize, 20) << f;
  }
}

// The picture a puzzle was drawn from: the .gwk beside it, or the drawing kept for making it.
fs::path PictureOf(const fs::path& puzzle) {
  fs::path beside = fs::path(puzzle).replace_extension(".gwk");
  if (fs::exists(beside)) return beside;
  return kPictures / puzzle.stem().concat(".gwk");
}

TEST(Samples, TheSolverSolvesEachIntoItsPictureAndTheJudgementAgrees) {
  for (const fs::path& f : Puzzles()) {
    Opened o(f);
    TestApp drawn;
    ReadPicture(drawn.app, PictureOf(f).string());
    ASSERT_EQ(drawn.app.puzzle.XSize, o.p().XSize) << f;
    ASSERT_EQ(drawn.app.puzzle.YSize, o.p().YSize) << f;
    o.Answer("ok");
    SolveOutcome outcome = RunAutoSolve(o.app);
    ASSERT_FALSE(outcome.contradiction) << f;
    for (int y = 1; y <= o.p().YSize; ++y)
      for (int x = 1; x <= o.p().XSize; ++x) {
        int solved = o.p().Grid[x][y], want = drawn.app.puzzle.Grid[x][y];
        EXPECT_EQ(solved < 0 ? 0 : solved, want) << f << " cell " << x << "," << y;
        EXPECT_NE(solved, 0) << f << " cell " << x << "," << y << " left undecided";
      }
    o.TakeOutput();
    o.Answer("ok");
    JudgeAnswer(o.app);
    EXPECT_NE(o.TakeOutput().find("おめでとうございます"), std::string::npos) << f;
  }
}

// The colour of an empty slot means nothing.
bool SameHint(const int* a, const int* b) {
  return a[kHintNumber] == b[kHintNumber] && (a[kHintNumber] == 0 || a[kHintColor] == b[kHintColor]);
}

TEST(Samples, APictureBesideAPuzzleIsThatPuzzlesPicture) {
  for (const fs::path& pic : Files(".gwk")) {
    Opened puzzle(fs::path(pic).replace_extension(".gwm"));
    TestApp t;
    t.Start();
    t.app.puzzle.Mode = kModeImage;
    OpenPuzzleFile(t.app, pic.parent_path().string(), pic.filename().string());
    PuzzleState& drawn = t.app.puzzle;
    ASSERT_EQ(t.app.fileReport.LoadRefused, 0);
    for (int k = 1; k <= 9; ++k) EXPECT_EQ(drawn.Palette[k], puzzle.p().Palette[k]) << pic;
    // Saving the picture derives exactly the hints the puzzle holds.
    DeriveHints(drawn);
    ASSERT_EQ(drawn.XHintCount, puzzle.p().XHintCount);
    ASSERT_EQ(drawn.YHintCount, puzzle.p().YHintCount);
    for (int y = 1; y <= drawn.YSize; ++y)
      for (int s = 1; s <= drawn.XHintCount; ++s)
        EXPECT_TRUE(SameHint(drawn.RowHints[s][y], puzzle.p().RowHints[s][y])) << pic << " row " << y;
    for (int x = 1; x <= drawn.XSize; ++x)
      for (int s = 1; s <= drawn.YHintCount; ++s)
        EXPECT_TRUE(SameHint(drawn.ColHints[x][s], puzzle.p().ColHints[x][s])) << pic << " column " << x;
  }
}

}  // namespace
}  // namespace gw::test
