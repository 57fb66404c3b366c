// The hint numbers and their check marks.
#include <cstdlib>
#include <optional>

#include "display/Colors.h"
#include "display/Draw.h"
#include "display/ErrorHints.h"
#include "display/LiveHints.h"
#include "display/ShownPicture.h"
#include "display/Viewport.h"

namespace gw {

std::string HintText(int n) {
  std::string t = std::to_string(std::abs(static_cast<long long>(n)));
  if (t == "100") return "A0";
  if (t == "0") return "  ";
  if (t.size() == 1) return " " + t;
  return t;
}

void DrawHints(App& app) {
  // With live hints the picture's own hints are shown, without ticks (a picture has none). Until
  // the hint areas have grown to hold them all, the runs next to the board are shown.
  std::optional<PuzzleState> shownHints;
  if (ShowsLiveHints(app)) shownHints = LiveHintState(app.puzzle);
  const bool live = shownHints.has_value();
  const PuzzleState& p = app.puzzle;
  const PuzzleState& h = live ? *shownHints : p;
  const int rowShift = h.XHintCount - p.XHintCount, colShift = h.YHintCount - p.YHintCount;
  app.layout.ErrorsShown = ShowsErrorHints(app) ? FindErrorLines(p) : ErrorLines{};
  const BoardLayout& l = app.layout;
  Surface& s = BoardSurface(app);
  for (int y = 1; y <= p.YSize; ++y) {
    for (int slot = 1; slot <= p.XHintCount; ++slot) {
      const int* hint = h.RowHints[slot + rowShift][y];
      s.PrintText(l.GridLeft + slot - 1, l.BoardTop + y - 1, HintText(hint[kHintNumber]),
                  ErrorHintColour(app, true, y, SlotColor(app, hint[kHintColor])));
      if (!live && hint[kHintCheck] < 0) ToggleHintMark(app, slot - p.XHintCount, y);
    }
  }
  for (int x = 1; x <= p.XSize; ++x) {
    for (int slot = 1; slot <= p.YHintCount; ++slot) {
      const int* hint = h.ColHints[x][slot + colShift];
      s.PrintText(l.BoardLeft + x - 1, l.GridTop + slot - 1, HintText(hint[kHintNumber]),
                  ErrorHintColour(app, false, x, SlotColor(app, hint[kHintColor])));
      if (!live && hint[kHintCheck] < 0) ToggleHintMark(app, x, slot - p.YHintCount);
    }
  }
  app.layout.LiveHintsShown = live ? LiveHintsKey(h) : std::vector<int>{};
  NoteHints(app);
  // The repaint has wiped the hover highlight: the next move must not erase it.
  app.layout.HoverCol = 0;
  app.layout.HoverRow = 0;
}

void ToggleHintMark(App& app, int dx, int dy) {
  const PuzzleState& p = app.puzzle;
  double cx = p.XHintCount + dx, cy = p.YHintCount + dy;
  app.puzzle.Dirty = 1;
  if (app.layout.DrawingHeld || app.layout.DrawingDeferred) return;
  NoteMark(app, static_cast<int>(cx), static_cast<int>(cy));
  Surface& s = BoardSurface(app);
  Rgb white = TableColor(app, kWhiteColor);
  s.SetDrawMode(DrawMode::Xor);
  s.Line(cx, cy, cx + 1, cy + 1, white);
  s.Line(cx + 1, cy, cx, cy + 1, white);
}

}  // namespace gw
