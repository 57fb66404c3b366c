// The board's one highlight: which event ends which kind, what a new check replaces, which cells
// `dump overlay` sees, and that marks drawn into the picture come off by being drawn again.
#include "display/BoardLayout.h"
#include "display/Highlight.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "history/History.h"
#include "support/TestApp.h"

namespace gw {
namespace {

struct Lit : test::TestApp {
  Lit() {
    Start();
    test::MakeBoard(app, 5, 4, 2, 2);
    TakeOutput();
  }
  std::vector<HighlightKind> Kinds() const {
    std::vector<HighlightKind> kinds;
    for (const HighlightMark& m : app.layout.Highlight) kinds.push_back(m.kind);
    return kinds;
  }
  std::string Echoed(void (*step)(Lit&)) {
    TakeOutput();
    ui.SetDrawEcho(true);
    step(*this);
    ui.SetDrawEcho(false);
    return TakeOutput();
  }
};

struct EndCase {
  HighlightKind kind;
  HighlightEnd why;
  bool ends;
};

TEST(Highlight, EachEventEndsTheKindsItShould) {
  const EndCase cases[] = {
      {HighlightKind::Mistake, HighlightEnd::Action, false},   {HighlightKind::Mistake, HighlightEnd::Change, true},
      {HighlightKind::HintLine, HighlightEnd::Action, false},  {HighlightKind::HintLine, HighlightEnd::Repaint, true},
      {HighlightKind::WrongLine, HighlightEnd::Change, true},  {HighlightKind::HintFill, HighlightEnd::Action, false},
      {HighlightKind::HintEmpty, HighlightEnd::Change, true},  {HighlightKind::Ambiguity, HighlightEnd::Action, true},
      {HighlightKind::Ambiguity, HighlightEnd::Change, true},  {HighlightKind::Ambiguity, HighlightEnd::Repaint, true},
  };
  for (const EndCase& c : cases) {
    Lit t;
    HighlightMark m = CellMark(t.app, c.kind, 2, 3);
    if (StyleOf(c.kind).tint) ShowTint(t.app, {m});
    else ShowMarks(t.app, {m});
    ASSERT_EQ(t.app.layout.Highlight.size(), 1u);
    EndHighlight(t.app, c.why);
    EXPECT_EQ(t.app.layout.Highlight.empty(), c.ends) << static_cast<int>(c.kind) << " " << static_cast<int>(c.why);
  }
}

TEST(Highlight, ANewCheckReplacesOnlyWhatIsDrawnItsWay) {
  Lit t;
  ShowMarks(t.app, {CellMark(t.app, HighlightKind::Mistake, 1, 1), RowFrame(t.app, HighlightKind::HintLine, 2)});
  ShowTint(t.app, {CellMark(t.app, HighlightKind::Ambiguity, 5, 4)});
  EXPECT_EQ(t.Kinds(), (std::vector{HighlightKind::Mistake, HighlightKind::HintLine, HighlightKind::Ambiguity}));
  ShowMarks(t.app, {CellMark(t.app, HighlightKind::HintEmpty, 3, 3)});
  EXPECT_EQ(t.Kinds(), (std::vector{HighlightKind::Ambiguity, HighlightKind::HintEmpty}));
  ShowTint(t.app, {});
  EXPECT_EQ(t.Kinds(), (std::vector{HighlightKind::HintEmpty}));
}

TEST(Highlight, CellsUnderCellMarksAndLineFrames) {
  Lit t;
  ShowMarks(t.app, {CellMark(t.app, HighlightKind::Mistake, 1, 1), ColFrame(t.app, HighlightKind::WrongLine, 4)});
  ShowTint(t.app, {CellMark(t.app, HighlightKind::Ambiguity, 2, 3)});
  for (int y = 1; y <= 4; ++y)
    for (int x = 1; x <= 5; ++x)
      EXPECT_EQ(Highlighted(t.app, x, y), (x == 1 && y == 1) || x == 4 || (x == 2 && y == 3)) << x << "," << y;
}

TEST(Highlight, MarksInThePictureComeOffByTheSameDrawingAndATintNeverEntersIt) {
  Lit t;
  std::string on = t.Echoed([](Lit& l) {
    ShowMarks(l.app, {CellMark(l.app, HighlightKind::HintFill, 2, 2, MakeRgb(0, 0, 255)), RowFrame(l.app, HighlightKind::HintLine, 1)});
  });
  std::string off = t.Echoed([](Lit& l) { EndHighlight(l.app, HighlightEnd::Change); });
  EXPECT_NE(on.find("DRAW mode xor"), std::string::npos);
  EXPECT_EQ(on, off);
  EXPECT_EQ(t.Echoed([](Lit& l) { ShowTint(l.app, {CellMark(l.app, HighlightKind::Ambiguity, 1, 1)}); }), "");
  EXPECT_EQ(t.Echoed([](Lit& l) { EndHighlight(l.app, HighlightEnd::Action); }), "");
  EXPECT_TRUE(t.app.layout.Highlight.empty());
}

}  // namespace
}  // namespace gw
