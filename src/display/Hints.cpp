// The hint numbers and their check marks.
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "display/Colors.h"
#include "display/Draw.h"
#include "display/ErrorHints.h"
#include "display/LiveHints.h"
#include "display/ShownPicture.h"
#include "display/Viewport.h"
#include "settings/Options.h"
#include "state/Document.h"

namespace gw {

std::string HintText(int n) {
  std::string t = std::to_string(std::abs(static_cast<long long>(n)));
  if (t == "100") return "A0";
  if (t == "0") return "  ";
  if (t.size() == 1) return " " + t;
  return t;
}

namespace {

// The cross of a ticked hint as a repaint draws it. A repaint that shows a tick marks the game
// changed, as it always has; Redraw, which only brings the picture up to date, does not.
void DrawTick(App& app, int cx, int cy) {
  DrawHintMark(app, cx, cy);
  app.document.Dirty = 1;
}

// How far a filled hint stays inside its slot, so that the lines between slots still part two
// filled hints side by side.
constexpr double kHintFillInset = 0.08;

bool IsColourPuzzle(const PuzzleState& p) {
  for (int k = 2; k <= 9; ++k)
    if (p.Palette[k] != kFreeColor) return true;
  return false;
}

}  // namespace

bool FillsHint(const App& app, Rgb ink) {
  // Number input reprints a hint over white as it is typed: its hints stay as they are.
  if (app.puzzle.Mode == kModeNumber) return false;
  if (app.options.filledHints && IsColourPuzzle(app.puzzle)) return true;
  return ContrastRatio(ink, TableColor(app, kWhiteColor)) < kReadableContrast;
}

HintInk HintInkOf(const App& app, int k) {
  Rgb ink = SlotColor(app, k);
  bool filled = FillsHint(app, ink);
  return {ink, filled, filled ? LabelColorOn(ink) : ink};
}

void FillHintCell(App& app, double x, double y, int number, const HintInk& ink) {
  if (number == 0 || !ink.filled) return;
  BoardSurface(app).FillBox(x + kHintFillInset, y + kHintFillInset, x + 1 - kHintFillInset, y + 1 - kHintFillInset, ink.ink);
}

void PrintHint(App& app, double x, double y, int number, const HintInk& ink) {
  BoardSurface(app).PrintText(x, y, HintText(number), number == 0 ? ink.ink : ink.digit);
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
  // Hint colours are 1..9 (0 and anything else are drawn black, as SlotColor gives them).
  HintInk inks[11];
  for (int k = 0; k <= 10; ++k) inks[k] = HintInkOf(app, k);
  auto inkOf = [&](int k) { return inks[k >= 0 && k <= 9 ? k : 10]; };
  // The digits of a line shown as gone wrong are in the error colour, on their filled cell if any.
  auto inkIn = [&](bool row, int index, int k) {
    HintInk ink = inkOf(k);
    ink.digit = ErrorHintColour(app, row, index, ink.digit);
    ink.ink = ErrorHintColour(app, row, index, ink.ink);
    return ink;
  };
  // The cells of the filled hints first, then every digit: the surface draws a run of texts in one
  // batch, which a fill between two of them would break.
  if (std::any_of(std::begin(inks), std::end(inks), [](const HintInk& i) { return i.filled; })) {
    for (int y = 1; y <= p.YSize; ++y)
      for (int slot = 1; slot <= p.XHintCount; ++slot) {
        const int* hint = h.RowHints[slot + rowShift][y];
        FillHintCell(app, l.GridLeft + slot - 1, l.BoardTop + y - 1, hint[kHintNumber], inkOf(hint[kHintColor]));
      }
    for (int x = 1; x <= p.XSize; ++x)
      for (int slot = 1; slot <= p.YHintCount; ++slot) {
        const int* hint = h.ColHints[x][slot + colShift];
        FillHintCell(app, l.BoardLeft + x - 1, l.GridTop + slot - 1, hint[kHintNumber], inkOf(hint[kHintColor]));
      }
  }
  for (int y = 1; y <= p.YSize; ++y) {
    for (int slot = 1; slot <= p.XHintCount; ++slot) {
      const int* hint = h.RowHints[slot + rowShift][y];
      PrintHint(app, l.GridLeft + slot - 1, l.BoardTop + y - 1, hint[kHintNumber], inkIn(true, y, hint[kHintColor]));
      if (!live && hint[kHintCheck] < 0) DrawTick(app, slot, p.YHintCount + y);
    }
  }
  for (int x = 1; x <= p.XSize; ++x) {
    for (int slot = 1; slot <= p.YHintCount; ++slot) {
      const int* hint = h.ColHints[x][slot + colShift];
      PrintHint(app, l.BoardLeft + x - 1, l.GridTop + slot - 1, hint[kHintNumber], inkIn(false, x, hint[kHintColor]));
      if (!live && hint[kHintCheck] < 0) DrawTick(app, p.XHintCount + x, slot);
    }
  }
  app.layout.LiveHintsShown = live ? LiveHintsKey(h) : std::vector<int>{};
  NoteHints(app);
  // The repaint has wiped the hover highlight: the next move must not erase it. The line tint
  // may stand elsewhere now (a scroll, another board): the next move puts it back.
  app.layout.HoverCol = 0;
  app.layout.HoverRow = 0;
  app.layout.PointerLine.clear();
  app.layout.PointerCol = app.layout.PointerRow = 0;
}

void DrawHintMark(App& app, int cx, int cy) {
  NoteMark(app, cx, cy);
  Surface& s = BoardSurface(app);
  Rgb white = TableColor(app, kWhiteColor);
  s.SetDrawMode(DrawMode::Xor);
  s.Line(cx, cy, cx + 1, cy + 1, white);
  s.Line(cx + 1, cy, cx, cy + 1, white);
}

}  // namespace gw
