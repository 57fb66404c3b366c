#include "authoring/ImageEdit.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "display/BoardLayout.h"
#include "display/Draw.h"
#include "mainwnd/BoardUnits.h"
#include "mainwnd/MainWnd.h"
#include "Messages.h"
#include "system/Convert.h"
#include "text/Utf8.h"
#include "text/Tr.h"
#include "state/Document.h"
#include "state/PuzzleState.h"

namespace gw {
namespace {

struct Cell {
  int col = 0;
  int row = 0;
};

// The board cell under a mouse position, or nothing on the hints and margins.
std::optional<Cell> CellAt(const PuzzleState& p, double x, double y) {
  Cell c{WholeUnit(x) - p.XHintCount, WholeUnit(y) - p.YHintCount};
  if (c.col < 1 || c.col > p.XSize || c.row < 1 || c.row > p.YSize) return std::nullopt;
  return c;
}

// With no board (right after a mode change) a scroll has nothing to shift and no size to reduce
// its amount by.
bool HasBoard(const PuzzleState& p) { return p.XSize >= 1 && p.YSize >= 1; }

bool AskYesNo(App& app, const std::string& text, const std::string& title) {
  return Ask(app, text, MsgButtons::YesNo, MsgIcon::None, 1, title) == MsgResult::Yes;
}

std::string ScrollPrompt() {
  std::string prompt;
  for (const char* line : {TrNoop("画像をスクロールさせます。"), TrNoop("例にならって入力してください。"), "",
                           TrNoop("上に３ドット－＞ U3 "), TrNoop("下に４ドット－＞ D4 "), TrNoop("右に５ドット－＞ R5 "),
                           TrNoop("左に６ドット－＞ L6 ")})
    prompt += (*line ? Tr(line) : std::string()) + CR;  // an empty msgid would fetch the catalogue's header
  return prompt;
}

// Where each cell takes its new value from, per cell of the amount: up takes from below, right
// from the left.
struct Shift {
  int dx = 0;
  int dy = 0;
  int amount = 0;
};

// "U3", "u 3", "D4", "R5", "L6". Amounts of 0 or less, beyond the 16-bit range or with another
// letter give nothing.
std::optional<Shift> ParseScroll(const std::string& answer) {
  if (CharCount(answer) < 2) return std::nullopt;
  std::optional<std::int16_t> n = ToInt16(Val(Mid(answer, 2)));
  if (!n || *n <= 0) return std::nullopt;
  std::string d = LowerAscii(LeftChars(answer, 1));
  if (d == "u") return Shift{0, 1, *n};
  if (d == "d") return Shift{0, -1, *n};
  if (d == "r") return Shift{-1, 0, *n};
  if (d == "l") return Shift{1, 0, *n};
  return std::nullopt;
}

// v taken cyclically into 1..size.
int Wrap(int v, int size) { return ((v - 1) % size + size) % size + 1; }

void ShiftPicture(PuzzleState& p, const Shift& s) {
  int mx = s.amount % p.XSize, my = s.amount % p.YSize;
  int old[kCap][kCap];
  std::copy(&p.Grid[0][0], &p.Grid[0][0] + kCap * kCap, &old[0][0]);
  for (int y = 1; y <= p.YSize; ++y)
    for (int x = 1; x <= p.XSize; ++x)
      p.Grid[x][y] = old[Wrap(x + s.dx * mx, p.XSize)][Wrap(y + s.dy * my, p.YSize)];
}

}  // namespace

void ImageMouseDown(App& app, int /*button*/, int /*shift*/, double x, double y) {
  PuzzleState& p = app.puzzle;
  std::optional<Cell> c = CellAt(p, x, y);
  if (!c) return;
  app.document.Dirty = 1;
  // Every button paints or clears alike.
  int value = p.Grid[c->col][c->row] == p.CurColor ? 0 : p.CurColor;
  SetCell(app, c->col, c->row, value);
  app.layout.DragValue = value;
}

void ImageMouseMove(App& app, int button, int /*shift*/, double x, double y) {
  PuzzleState& p = app.puzzle;
  if (button != kLeftButton && button != kRightButton) return;
  std::optional<Cell> c = CellAt(p, x, y);
  // A mark left in DragValue by play mode has no place in a picture.
  int value = app.layout.DragValue;
  if (!c || value < 0) return;
  // A drag that began off the board has no press to mark the change as unsaved.
  if (SetCell(app, c->col, c->row, value) != 0) app.document.Dirty = 1;
}

void InvertImage(App& app) {
  PuzzleState& p = app.puzzle;
  int k = p.CurColor;
  std::string text =
      Fill(Tr("現在選択されている {1} 番の色と「空マス」を反転します。"), {std::to_string(k)}) + CR + Tr("いいですか？");
  if (!AskYesNo(app, text, Tr("画像反転"))) return;
  app.document.Dirty = 1;
  for (int y = 1; y <= p.YSize; ++y)
    for (int x = 1; x <= p.XSize; ++x) {
      int v = p.Grid[x][y];
      if (v == k) SetCell(app, x, y, 0);
      else if (v == 0) SetCell(app, x, y, k);
    }
  Redraw(app);
}

void ScrollImage(App& app) {
  PuzzleState& p = app.puzzle;
  if (!HasBoard(p)) return;
  app.document.Dirty = 1;
  InputResult answer = app.ui.InputBox(ScrollPrompt(), Tr("スクロール量の入力"), "");
  std::optional<Shift> shift = ParseScroll(answer.cancelled ? "" : answer.text);
  if (!shift) return;
  ShiftPicture(p, *shift);
  LayoutBoard(app);
  DrawGrid(app);
  DrawHints(app);
  DrawCells(app);
}

void EraseColour(App& app) {
  PuzzleState& p = app.puzzle;
  int k = p.CurColor;
  std::string text = Fill(Tr("　現在選択されている {1} 番の色を消去します。"), {std::to_string(k)}) + CR +
                     Tr("消去すると元には戻せません。") + CR + Tr("消去しますか？");
  if (!AskYesNo(app, text, Tr("消去"))) return;
  bool changed = false;
  for (int y = 1; y <= p.YSize; ++y)
    for (int x = 1; x <= p.XSize; ++x)
      if (p.Grid[x][y] == k || p.Grid[x][y] == -k) {
        SetCell(app, x, y, 0);
        changed = true;
      }
  // Erasing is an edit of the board like any other: it must not slip past the save prompt.
  if (changed) app.document.Dirty = 1;
  Redraw(app);
}

}  // namespace gw
