#include "settings/Cust.h"

#include <algorithm>

#include "display/BoardLayout.h"
#include "display/Colors.h"
#include "Messages.h"
#include "system/Convert.h"
#include "settings/CustPic.h"
#include "settings/Settings.h"
#include "text/Tr.h"
#include "state/PuzzleState.h"

namespace gw {
namespace {

constexpr Rgb kWhite = MakeRgb(255, 255, 255);
constexpr int kMarkOptions = 3;

std::string BarCaption(int j, int value) {
  static const char* const kPrefix[3] = {TrNoop("赤(R) ="), TrNoop("緑(G) ="), TrNoop("青(B) ="), };
  return Tr(kPrefix[j]) + NumText(static_cast<long long>(value));
}

bool ValidSwatch(int i) { return i >= 0 && i < kSwatchCount; }

void TakeCopies(App& app, Cust& dlg) {
  dlg.savedMarkStyle = app.puzzle.MarkStyle;
  dlg.savedAutoCheck = app.puzzle.AutoCheck;
  for (int i = 0; i < 16; ++i) dlg.savedColors[i] = app.colors.ColorTable[kFirstUserColor + i];
  for (int k = 1; k <= 9; ++k) dlg.savedPalette[k] = app.puzzle.Palette[k];
  for (int k = 1; k <= 9; ++k) dlg.savedOwnColor[k] = app.puzzle.HasOwnColor[k];
}

void RestoreCopies(App& app, const Cust& dlg) {
  app.puzzle.MarkStyle = dlg.savedMarkStyle;
  app.puzzle.AutoCheck = dlg.savedAutoCheck;
  for (int i = 0; i < 16; ++i) app.colors.ColorTable[kFirstUserColor + i] = dlg.savedColors[i];
  for (int k = 1; k <= 9; ++k) app.puzzle.Palette[k] = dlg.savedPalette[k];
  for (int k = 1; k <= 9; ++k) app.puzzle.HasOwnColor[k] = dlg.savedOwnColor[k];
}

// Colour 1 is every monochrome puzzle's colour and the one new hints get: it must stay visible.
bool RefuseWhiteSlotOne(App& app) {
  if ((SlotColor(app, 1) & kWhite) != kWhite) return false;
  Ask(app, Tr("色番号[1]の色は[白]にはできません。"), MsgButtons::Ok, MsgIcon::Warning, 1, Tr("エラー"));
  return true;
}

// A slot made free can no longer be chosen in the palette column; painting on with it would put
// cells of a colour the puzzle says it does not use.
void KeepCurrentColourUsable(App& app) {
  PuzzleState& p = app.puzzle;
  if (p.CurColor < 1 || p.CurColor > 9 || p.Palette[p.CurColor] == kFreeColor) p.CurColor = 1;
}

}  // namespace

TwipsRect SwatchRect(int i) {
  // 1.1 times the edge, computed so that 412.5 stays exactly a half (1.1 itself is not exact).
  const double step = 11 * kSwatchSize / 10;
  const double dx = static_cast<double>(RoundHalfEven(step));
  const double dy = step;
  // Row 2 stays empty for the caption of the user-made colours.
  int row = i < 8 ? 0 : i < 16 ? 1 : i < 24 ? 3 : 4;
  int column = i % 8;
  return {kSwatchLeft + dx * column, kSwatchTop + dy * row, kSwatchSize, kSwatchSize};
}

bool SwatchAcceptsDrop(int i) { return i >= kFirstUserColor && i < kSwatchCount; }

std::string CustMarkText(int i) {
  switch (i) {
    case 0: return Tr("１点 ・");
    case 1: return Tr("斜線 ／");
    default: return Tr("ばつ ×");
  }
}

std::string CustHelpText() {
  return Tr("　左の色を参考にしたい場合は、その色をﾀﾞﾌﾞﾙｸﾘｯｸしてください。") + CR +
         Tr("　作った色を登録するには「作成した色」エリアにﾄﾞﾗｯｸﾞ＆ﾄﾞﾛｯﾌﾟしてください。") + CR +
         Tr("　256色以下の環境の場合、作った色とヒントの色が異なる場合があります。") +
         Tr("できるだけ QBcolor で作りましょう。");
}

void CustLoad(App& app, Cust& dlg) {
  for (int j = 0; j < 3; ++j) {
    dlg.HSc[j] = 0;
    dlg.Lblc[j] = BarCaption(j, 0);
  }
  dlg.slot = 1;
  dlg.sample = 0;
  // A mark style from an edited settings file draws as the cross, so that option shows it.
  int mark = app.puzzle.MarkStyle;
  dlg.Opt = mark >= 0 && mark < kMarkOptions ? mark : kMarkOptions - 1;
  dlg.Check1 = app.puzzle.AutoCheck == 1;
  TakeCopies(app, dlg);
}

void CustPaint(App& app, Cust& dlg) {
  dlg.Lbli = CustHelpText();
  DrawCustSlots(app, dlg);
}

void CustPicMouseDown(App& app, Cust& dlg, double y) {
  int k = CustSlotAt(app, y);
  if (k == 0) return;
  DrawCustSlot(app, dlg.slot);
  dlg.slot = k;
  DrawCustSlot(app, k);
  DrawCustFrame(app, k);
}

void CustSwatchClick(App& app, Cust& dlg, int i) {
  if (!ValidSwatch(i)) return;
  app.puzzle.Palette[dlg.slot] = i;
  // The user's choice replaces the colour the puzzle brought.
  if (dlg.slot >= 0 && dlg.slot <= 9) app.puzzle.HasOwnColor[dlg.slot] = false;
  DrawCustSlot(app, dlg.slot);
  DrawCustFrame(app, dlg.slot);
}

void CustSwatchDblClick(App& app, Cust& dlg, int i) {
  if (!ValidSwatch(i)) return;
  Rgb c = app.colors.ColorTable[i];
  CustBarChange(app, dlg, 0, RedOf(c));
  CustBarChange(app, dlg, 1, GreenOf(c));
  CustBarChange(app, dlg, 2, BlueOf(c));
}

void CustBarChange(App&, Cust& dlg, int j, int value) {
  if (j < 0 || j > 2) return;
  dlg.HSc[j] = std::clamp(value, 0, 255);
  dlg.sample = MakeRgb(dlg.HSc[0], dlg.HSc[1], dlg.HSc[2]);
  dlg.Lblc[j] = BarCaption(j, dlg.HSc[j]);
}

void CustSampleMouseDown(App&, Cust& dlg) { dlg.dragged = dlg.sample; }

void CustSwatchDrop(App& app, Cust& dlg, int i) {
  if (!SwatchAcceptsDrop(i)) return;
  app.colors.ColorTable[i] = dlg.dragged;
  // A slot using this colour would otherwise keep showing the old one.
  DrawCustSlots(app, dlg);
}

void CustCheckClick(App& app, Cust& dlg, bool ticked) {
  dlg.Check1 = ticked;
  app.puzzle.AutoCheck = ticked ? 1 : 0;
}

void CustOptClick(App& app, Cust& dlg, int i) {
  if (i < 0 || i >= kMarkOptions) return;
  dlg.Opt = i;
  app.puzzle.MarkStyle = i;
}

void CustOk(App& app, Cust& dlg) {
  if (RefuseWhiteSlotOne(app)) return;
  KeepCurrentColourUsable(app);
  SaveSettings(app);
  app.ui.CloseDialog(dlg);
}

void CustCancel(App& app, Cust& dlg) {
  RestoreCopies(app, dlg);
  app.ui.CloseDialog(dlg);
}

void CustClose(App& app, Cust& dlg) {
  if (RefuseWhiteSlotOne(app)) return;
  KeepCurrentColourUsable(app);
  app.ui.CloseDialog(dlg);
}

void RunCustDialog(App& app) {
  Cust dlg;
  CustLoad(app, dlg);
  CustPaint(app, dlg);
  app.ui.ShowModal(dlg);
}

}  // namespace gw
