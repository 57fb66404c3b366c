// The zoomed board's panes: what lands in which pane, moved how far, clipped where, and what is
// out of sight and not drawn at all.
#include "display/PaneSurface.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace gw {
namespace {

// Writes down the clips and boxes it is given, in window units.
class Recorder : public Surface {
 public:
  std::vector<std::string> calls;
  void Clear() override {}
  void SetScale(double, double, double, double) override {}
  double ScaleLeft() const override { return 0; }
  double ScaleTop() const override { return 0; }
  double ScaleWidth() const override { return 1; }
  double ScaleHeight() const override { return 1; }
  TwipsSize ClientSize() const override { return {}; }
  TwipsSize OuterSize() const override { return {}; }
  void SetDrawMode(DrawMode) override {}
  void Line(double x1, double y1, double x2, double y2, Rgb) override { Note("line", x1, y1, x2, y2); }
  void Box(double x1, double y1, double x2, double y2, Rgb) override { Note("box", x1, y1, x2, y2); }
  void FillBox(double x1, double y1, double x2, double y2, Rgb) override { Note("fill", x1, y1, x2, y2); }
  void HatchBox(double x1, double y1, double x2, double y2, Rgb, Rgb) override { Note("hatch", x1, y1, x2, y2); }
  void SetClip(double x1, double y1, double x2, double y2) override { Note("clip", x1, y1, x2, y2); }
  void SetFontSize(double) override {}
  void PrintText(double x, double y, const std::string& t, Rgb) override { Note("text" + t, x, y, x, y); }
  double TextWidth(const std::string&) override { return 0; }
  double TextHeight(const std::string&) override { return 0; }

 private:
  void Note(const std::string& what, double a, double b, double c, double d) {
    char text[96];
    std::snprintf(text, sizeof text, "%s %g %g %g %g", what.c_str(), a, b, c, d);
    calls.push_back(text);
  }
};

// Hints end at 4 across and 3 down; the board's share of the window runs to 20 by 12; the board
// is scrolled 6 cells left and 2 up.
BoardView View() {
  BoardView v;
  v.zoomed = true;
  v.pinX = 4;
  v.pinY = 3;
  v.scrollX = 6;
  v.scrollY = 2;
  v.visLeft = 0;
  v.visTop = 0;
  v.visRight = 20;
  v.visBottom = 12;
  return v;
}

struct Case {
  const char* name;
  double x1, y1, x2, y2;
  std::vector<std::string> calls;
};

TEST(PaneSurface, EachShapeGoesToThePanesItShowsInMovedAndClipped) {
  const std::vector<Case> cases = {
      {"a board cell in sight moves both ways", 12, 8, 13, 9, {"clip 4 3 20 12", "fill 6 6 7 7"}},
      {"a board cell scrolled out to the left is not drawn", 8, 8, 9, 9, {}},
      {"a board cell half under the row hints is drawn clipped", 9.5, 8, 10.5, 9,
       {"clip 4 3 20 12", "fill 3.5 6 4.5 7"}},
      {"a board cell past the right edge is not drawn", 27, 8, 28, 9, {}},
      {"a row hint moves only up and down", 2, 8, 3, 9, {"clip 0 3 4 12", "fill 2 6 3 7"}},
      {"a column hint moves only sideways", 12, 1, 13, 2, {"clip 4 0 20 3", "fill 6 1 7 2"}},
      {"the corner stays", 1, 1, 2, 2, {"clip 0 0 4 3", "fill 1 1 2 2"}},
      {"a row line through hints and board is drawn in both panes", 1, 8, 30, 8,
       {"clip 0 3 4 12", "fill 1 6 30 6", "clip 4 3 20 12", "fill -5 6 24 6"}},
  };
  for (const Case& c : cases) {
    Recorder target;
    PaneSurface panes;
    panes.Attach(&target, View());
    panes.FillBox(c.x1, c.y1, c.x2, c.y2, 0);
    EXPECT_EQ(target.calls, c.calls) << c.name;
  }
}

TEST(PaneSurface, ConsecutiveDrawingsInOnePaneSetItsClipOnce) {
  Recorder target;
  PaneSurface panes;
  panes.Attach(&target, View());
  for (int x = 10; x < 14; ++x) panes.FillBox(x, 8, x + 1, 9, 0);
  ASSERT_EQ(target.calls.size(), 5u);
  EXPECT_EQ(target.calls[0], "clip 4 3 20 12");
  for (size_t i = 1; i < target.calls.size(); ++i) EXPECT_EQ(target.calls[i].rfind("fill", 0), 0u);
}

TEST(PaneSurface, AHintNumberIsDrawnWhereItsSlotShows) {
  Recorder target;
  PaneSurface panes;
  panes.Attach(&target, View());
  panes.PrintText(2, 8, "12", 0);   // a row hint of row 5 (content row 8)
  panes.PrintText(2, 4, "7", 0);    // a row hint scrolled up under the column hints
  ASSERT_EQ(target.calls.size(), 2u);
  EXPECT_EQ(target.calls[1], "text12 2 6 2 6");
}

}  // namespace
}  // namespace gw
