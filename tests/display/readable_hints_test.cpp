// Hints that read on the white hint area: a colour of too little contrast is drawn on a cell of
// its colour with a black or white digit; the 表示 option does that for every colour hint.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "display/BoardLayout.h"
#include "display/Colors.h"
#include "display/Draw.h"
#include "settings/Options.h"
#include "state/PuzzleState.h"
#include "support/TestApp.h"

namespace gw {
namespace {

using test::MakeBoard;
using test::SetColHints;
using test::SetRowHints;

TEST(Contrast, RatiosOfTheAccessibilityGuidelines) {
  struct Case {
    Rgb a, b;
    double ratio;
  } cases[] = {
      {MakeRgb(255, 255, 255), MakeRgb(0, 0, 0), 21.0},
      {MakeRgb(0, 0, 0), MakeRgb(255, 255, 255), 21.0},
      {MakeRgb(255, 255, 0), MakeRgb(255, 255, 255), 1.074},
      {MakeRgb(0, 0, 255), MakeRgb(255, 255, 255), 8.592},
      {MakeRgb(255, 0, 0), MakeRgb(255, 255, 255), 3.998},
      {MakeRgb(0, 255, 0), MakeRgb(255, 255, 255), 1.372},
      {MakeRgb(128, 128, 128), MakeRgb(255, 255, 255), 3.949},
      {MakeRgb(192, 192, 192), MakeRgb(255, 255, 255), 1.819},
      {MakeRgb(77, 77, 77), MakeRgb(77, 77, 77), 1.0},
  };
  for (const Case& c : cases) EXPECT_NEAR(ContrastRatio(c.a, c.b), c.ratio, 0.002) << std::hex << c.a << " " << c.b;
}

struct Hints : test::TestApp {
  Hints() {
    Start();
    TakeOutput();
    MakeBoard(app, 3, 2, 2, 2);
    app.puzzle.Mode = kModePlay;
  }
  // The DRAW lines of DrawHints.
  std::vector<std::string> Drawn() {
    LayoutBoard(app);
    DrawGrid(app);
    TakeOutput();
    ui.SetDrawEcho(true);
    DrawHints(app);
    ui.SetDrawEcho(false);
    std::vector<std::string> lines;
    std::istringstream in(TakeOutput());
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
  }
  static bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
};

std::string C(Rgb c) { return std::to_string(c); }

// Row 1 holds "5" in colour 2 at slot 2, the square (2, 3): filled 0.08 inside it when filled.
TEST(ReadableHints, PaleColoursAreFilledAndTheRestPrintedAsBefore) {
  struct Case {
    int entry;      // the colour table entry of colour 2
    bool option;    // every colour hint filled
    int mode;
    bool filled;
    Rgb digit;      // the digit's colour
  } cases[] = {
      {14, false, kModePlay, true, MakeRgb(0, 0, 0)},          // yellow: 1.07
      {10, false, kModePlay, true, MakeRgb(0, 0, 0)},          // green: 1.37
      {7, false, kModePlay, true, MakeRgb(0, 0, 0)},           // light grey: 1.82
      {15, false, kModePlay, true, MakeRgb(0, 0, 0)},          // white: 1
      {12, false, kModePlay, false, MakeRgb(255, 0, 0)},       // red: 4.0, as before
      {8, false, kModePlay, false, MakeRgb(128, 128, 128)},    // grey: 3.95, as before
      {12, true, kModePlay, true, MakeRgb(0, 0, 0)},           // the option: red filled, black digit
      {1, true, kModePlay, true, MakeRgb(255, 255, 255)},      // navy filled, white digit
      {14, false, kModeImage, true, MakeRgb(0, 0, 0)},         // the live hints of image input too
      {14, true, kModeNumber, false, MakeRgb(255, 255, 0)},    // number input reprints over white
  };
  for (const Case& c : cases) {
    Hints h;
    h.app.puzzle.Mode = c.mode;
    h.app.puzzle.Palette[2] = c.entry;
    h.app.options.filledHints = c.option;
    SetRowHints(h.app, 1, {5}, 2);
    auto lines = h.Drawn();
    Rgb ink = h.app.colors.ColorTable[c.entry];
    bool filled = Hints::Has(lines, "DRAW fill 2.08 3.08 2.92 3.92 color=" + C(ink));
    EXPECT_EQ(filled, c.filled) << c.entry << " " << c.option << " " << c.mode;
    EXPECT_TRUE(Hints::Has(lines, "DRAW text 2 3 color=" + C(c.digit) + " \" 5\"")) << c.entry << " " << c.option;
  }
}

TEST(ReadableHints, TheOptionLeavesAMonochromePuzzleAndEmptySlotsAlone) {
  Hints h;
  h.app.options.filledHints = true;
  SetRowHints(h.app, 1, {5});
  SetColHints(h.app, 2, {1});
  auto lines = h.Drawn();
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("DRAW fill", 0) == 0; }), 0);
  h.app.puzzle.Palette[2] = 12;  // a second colour makes it a colour puzzle
  lines = h.Drawn();
  // Two hints filled, none of the empty slots.
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("DRAW fill", 0) == 0; }), 2);
}

}  // namespace
}  // namespace gw
