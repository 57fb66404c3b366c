// The one table of puzzle file kinds: every extension finds its kind whatever its case, and a file
// read without a window gives what the window's own reader gives.
#include "display/BoardLayout.h"
#include "formats/PuzzleKinds.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "display/Colors.h"
#include "formats/EngineInput.h"
#include "formats/PuzzleBridge.h"
#include "state/Document.h"
#include "support/TestApp.h"

namespace gw::test {
namespace {

namespace fs = std::filesystem;

struct KindCase {
  const char* path;
  bool found;
  PuzzleKind kind;
  bool own;
  bool picture;
  bool writable;
};

TEST(PuzzleKinds, EachExtensionFindsItsKindInAnyCase) {
  const KindCase cases[] = {
      {"a.gwm", true, PuzzleKind::Gwm, true, false, true},     {"dir/A.GWC", true, PuzzleKind::Gwc, true, false, true},
      {"p.Gwk", true, PuzzleKind::Gwk, true, true, true},      {"p.gwa", true, PuzzleKind::Gwa, true, true, false},
      {"x.XML", true, PuzzleKind::Xml, false, false, true},    {"x.pbn", true, PuzzleKind::Xml, false, false, true},
      {"n.non", true, PuzzleKind::Non, false, false, true},    {"o.g", true, PuzzleKind::Olsak, false, false, false},
      {"gwm", false, PuzzleKind::Gwm, false, false, false},    {"a.gwp", false, PuzzleKind::Gwm, false, false, false},
      {"a.txt", false, PuzzleKind::Gwm, false, false, false},  {".g", false, PuzzleKind::Gwm, false, false, false},
  };
  for (const KindCase& c : cases) {
    const PuzzleFileKind* k = PuzzleKindOf(c.path);
    ASSERT_EQ(k != nullptr, c.found) << c.path;
    if (!k) continue;
    EXPECT_EQ(k->kind, c.kind) << c.path;
    EXPECT_EQ(k->own(), c.own) << c.path;
    EXPECT_EQ(k->picture, c.picture) << c.path;
    EXPECT_EQ(k->writable, c.writable) << c.path;
    EXPECT_EQ(&FileKind(k->kind), k) << c.path;
  }
}

TEST(PuzzleKinds, ReadingWithoutAWindowGivesWhatTheWindowReads) {
  const fs::path samples = fs::path(GW_SOURCE_DIR) / "samples";
  int read = 0;
  for (const auto& entry : fs::directory_iterator(samples)) {
    const PuzzleFileKind* kind = PuzzleKindOf(entry.path().string());
    if (!kind || !kind->own()) continue;
    TestApp t;
    t.app.puzzle.Mode = kind->picture ? kModeImage : kModePlay;
    std::string path = entry.path().string();
    if (kind->kind == PuzzleKind::Gwk) ReadPicture(t.app, path);
    else if (kind->kind == PuzzleKind::Gwc) ReadMonoHintPuzzle(t.app, path);
    else ReadHintPuzzle(t.app, path);
    ASSERT_EQ(t.app.fileReport.LoadRefused, 0) << path;
    analysis::Puzzle windowed = kind->picture ? PicturePuzzle(t.app.puzzle) : HintPuzzle(t.app.puzzle);
    analysis::Puzzle quiet = ReadEnginePuzzle(path);
    ASSERT_EQ(quiet.rows.size(), windowed.rows.size()) << path;
    for (size_t y = 0; y < quiet.rows.size(); ++y) {
      ASSERT_EQ(quiet.rows[y].size(), windowed.rows[y].size()) << path << " row " << y;
      for (size_t i = 0; i < quiet.rows[y].size(); ++i) {
        EXPECT_EQ(quiet.rows[y][i].length, windowed.rows[y][i].length) << path;
        EXPECT_EQ(quiet.rows[y][i].color, windowed.rows[y][i].color) << path;
      }
    }
    EXPECT_EQ(ReadPuzzleData(path, t.app.colors.ColorTable).cols.size(), size_t(t.app.puzzle.XSize)) << path;
    ++read;
  }
  EXPECT_GT(read, 5);
}

TEST(PuzzleKinds, ABoardTooBigIsRefusedWithTheWindowsWords) {
  TempDir dir;
  WriteFileBytes(dir.File("big.gwc"), "t\r\n1 21 1 1\r\n");
  try {
    ReadEnginePuzzle(dir.File("big.gwc"));
    FAIL() << "read a board of 21 columns";
  } catch (const FormatError& e) {
    EXPECT_STREQ(e.what(), kRefusedBoardText);
  }
  EXPECT_THROW(ReadEnginePuzzle(dir.File("big.txt")), FormatError);
}

}  // namespace
}  // namespace gw::test
