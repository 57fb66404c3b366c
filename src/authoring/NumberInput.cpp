#include "authoring/NumberInput.h"

#include <algorithm>

#include "display/BoardLayout.h"
#include "display/Colors.h"
#include "display/Draw.h"
#include "display/Viewport.h"
#include "mainwnd/BoardUnits.h"
#include "mainwnd/MainWnd.h"
#include "system/Convert.h"
#include "state/Document.h"
#include "state/PuzzleState.h"

namespace gw {
namespace {

enum Side { kNoSide = 0, kRowSide = 1, kColSide = 2 };

// A hint slot addressed the way the cursor holds it: side 1 (slot, row), side 2 (column, slot).
struct SlotRef {
  int side = kNoSide;
  int x = 0;
  int y = 0;
};

// The hint slot under the whole-unit mouse position; side 0 on the board, the corner and the
// margins.
SlotRef SlotAt(const PuzzleState& p, int fx, int fy) {
  if (fx >= 1 && fx <= p.XHintCount && fy > p.YHintCount && fy <= p.YHintCount + p.YSize)
    return {kRowSide, fx, fy - p.YHintCount};
  if (fx > p.XHintCount && fx <= p.XHintCount + p.XSize && fy >= 1 && fy <= p.YHintCount)
    return {kColSide, fx - p.XHintCount, fy};
  return {};
}

int* HintOf(PuzzleState& p, const SlotRef& s) {
  return s.side == kRowSide ? p.RowHints[s.x][s.y] : p.ColHints[s.x][s.y];
}

struct Limits {
  int maxX = 0;
  int maxY = 0;
};

Limits AreaLimits(const PuzzleState& p, int side) {
  if (side == kRowSide) return {p.XHintCount, p.YSize};
  if (side == kColSide) return {p.XSize, p.YHintCount};
  return {};
}

SlotRef CursorSlot(const BoardLayout& l) { return {l.CursorSide, l.CursorX, l.CursorY}; }

// Keys can only store into a slot of the puzzle: with no puzzle (or a cursor left over from a
// puzzle that is gone) they do nothing and draw nothing.
bool CursorOnSlot(const App& app) {
  const BoardLayout& l = app.layout;
  Limits lim = AreaLimits(app.puzzle, l.CursorSide);
  return l.CursorX >= 1 && l.CursorX <= lim.maxX && l.CursorY >= 1 && l.CursorY <= lim.maxY;
}

// Top-left corner of a slot, where its number is printed.
void TextPosition(const BoardLayout& l, const SlotRef& s, double& x, double& y) {
  if (s.side == kRowSide) {
    x = l.GridLeft + s.x - 1;
    y = l.BoardTop + s.y - 1;
  } else {
    x = l.BoardLeft + s.x - 1;
    y = l.GridTop + s.y - 1;
  }
}

// Gives the hint the current colour and reprints its number in it. True when the colour changed.
bool RecolourHint(App& app, const SlotRef& s) {
  PuzzleState& p = app.puzzle;
  int* hint = HintOf(p, s);
  bool changed = hint[kHintColor] != p.CurColor;
  ToggleInputCursor(app);
  hint[kHintColor] = p.CurColor;
  double x = 0, y = 0;
  TextPosition(app.layout, s, x, y);
  RedrawHintNumber(app, x, y, hint[kHintNumber], hint[kHintNumber], SlotColor(app, p.CurColor));
  ToggleInputCursor(app);
  return changed;
}

bool IsEntryChar(int code) { return (code >= '0' && code <= '9') || code == 'a' || code == 'A'; }

// "A0" stands for 100; anything else counts by its leading digits ("5a" is 5, "a5" is 0).
int EntryValue(const std::string& buffer) {
  if (buffer == "A0" || buffer == "a0") return kHintA0;
  return static_cast<int>(Val(buffer));
}

}  // namespace

void NumberMouseDown(App& app, int button, int /*shift*/, double x, double y) {
  SlotRef s = SlotAt(app.puzzle, WholeUnit(x), WholeUnit(y));
  if (s.side == kNoSide) return;
  if (button == kLeftButton) {
    // The digit buffer stays: what was typed before the click belongs to the new slot.
    BoardLayout& l = app.layout;
    ToggleInputCursor(app);
    l.CursorSide = s.side;
    l.CursorX = s.x;
    l.CursorY = s.y;
    ToggleInputCursor(app);
    return;
  }
  RecolourHint(app, s);
  app.document.Dirty = 1;
}

void NumberMouseMove(App& app, int button, int /*shift*/, double x, double y) {
  BoardLayout& l = app.layout;
  int fx = WholeUnit(x), fy = WholeUnit(y);
  if (fx == l.LastMouseX && fy == l.LastMouseY) return;
  l.LastMouseX = fx;
  l.LastMouseY = fy;
  if (button != kRightButton) return;
  SlotRef s = SlotAt(app.puzzle, fx, fy);
  if (s.side == kNoSide) return;
  // A drag that began off the hints has no press to mark the change as unsaved.
  if (RecolourHint(app, s)) app.document.Dirty = 1;
}

void MoveInputCursor(App& app, int code) {
  if (code < kKeyLeft || code > kKeyDown || !CursorOnSlot(app)) return;
  BoardLayout& l = app.layout;
  Limits lim = AreaLimits(app.puzzle, l.CursorSide);
  ToggleInputCursor(app);
  if (!l.DigitBuffer.empty()) {
    app.document.Dirty = 1;
    CommitHintEntry(app);
  }
  switch (code) {
    case kKeyLeft: l.CursorX = std::max(1, l.CursorX - 1); break;
    case kKeyUp: l.CursorY = std::max(1, l.CursorY - 1); break;
    case kKeyRight:
      if (++l.CursorX > lim.maxX) {
        l.CursorX = 1;
        l.CursorY = std::max(1, l.CursorY - 1);
      }
      break;
    case kKeyDown:
      if (++l.CursorY > lim.maxY) {
        l.CursorY = 1;
        l.CursorX = std::max(1, l.CursorX - 1);
      }
      break;
  }
  ToggleInputCursor(app);
}

void NumberKeyPress(App& app, int code) {
  if (!CursorOnSlot(app)) return;
  BoardLayout& l = app.layout;
  bool finished = code == kCharEnter;
  if (IsEntryChar(code)) {
    l.DigitBuffer += static_cast<char>(code);
    finished = l.DigitBuffer.size() >= 2;
  }
  if (!finished) return;
  app.document.Dirty = 1;
  MoveInputCursor(app, l.CursorSide == kRowSide ? kKeyDown : kKeyRight);
}

void CommitHintEntry(App& app) {
  BoardLayout& l = app.layout;
  PuzzleState& p = app.puzzle;
  int value = EntryValue(l.DigitBuffer);
  l.DigitBuffer.clear();
  if (!CursorOnSlot(app)) return;
  SlotRef s = CursorSlot(l);
  int* hint = HintOf(p, s);
  int old = hint[kHintNumber];
  if (hint[kHintColor] < 1 || hint[kHintColor] > 9) hint[kHintColor] = p.CurColor;
  hint[kHintNumber] = value;
  double x = 0, y = 0;
  TextPosition(l, s, x, y);
  RedrawHintNumber(app, x, y, old, value, SlotColor(app, hint[kHintColor]));
}

void RedrawHintNumber(App& app, double x, double y, int oldNumber, int newNumber, Rgb color) {
  Surface& s = BoardSurface(app);
  s.PrintText(x, y, HintText(oldNumber), app.colors.ColorTable[15]);
  s.PrintText(x, y, HintText(newNumber), color);
}

}  // namespace gw
