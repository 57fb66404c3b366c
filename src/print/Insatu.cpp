#include "print/Insatu.h"

#include <algorithm>
#include <cmath>

#include "Messages.h"
#include "system/Convert.h"
#include "print/PrintJob.h"
#include "state/LargeProgress.h"
#include "text/Tr.h"
#include "state/WindowState.h"

namespace gw {
namespace {

constexpr const char* kDefaults[3] = {"25", "25", "2.5"};

// A cell of no size prints nothing but a blot of lines and a title, and a number too long to
// hold makes no page at all: neither is sent to the printer.
bool PageIsPrintable(App& app, const Insatu& dlg) {
  for (double v : dlg.value)
    if (!std::isfinite(v)) {
      Ask(app, Tr("数字が大きすぎます。"), MsgButtons::Ok, MsgIcon::Warning);
      return false;
    }
  if (dlg.value[kCellSize] > 0) return true;
  Ask(app, Tr("セル間隔には 0 より大きい数を入力してください。"), MsgButtons::Ok, MsgIcon::Warning);
  return false;
}

// A board over 20 x 20 does not fit a page at the usual cell size: its cell starts at the largest
// tenth of a millimetre that fits an A4 page upright within the default margins on every side,
// with a centimetre below for the title, so that it prints whole (the hints as large as the cells).
double FittedCell(const PuzzleState& p) {
  constexpr double kPageWidth = 210, kPageHeight = 297, kMargin = 25, kTitleRoom = 10;
  double across = (kPageWidth - 2 * kMargin) / (p.XHintCount + p.XSize);
  double down = (kPageHeight - 2 * kMargin - kTitleRoom) / (p.YHintCount + p.YSize);
  return std::floor(std::min({Val(kDefaults[kCellSize]), across, down}) * 10) / 10;
}

}  // namespace

std::string InsatuLabel(int i) {
  switch (i) {
    case kSideSpace: return Tr("横スペース");
    case kTopSpace: return Tr("上スペース");
    default: return Tr("セル間隔");
  }
}

std::string PrintSizeText(const App& app, double cell, bool withUnit) {
  const PuzzleState& p = app.puzzle;
  std::string text = Fill(Tr("{1} ×{2} の大きさになります。"),
                          {NumText(cell * (p.XHintCount + p.XSize)), NumText(cell * (p.YHintCount + p.YSize))});
  return withUnit ? text + Tr("（単位mm）") : text;
}

void InsatuLoad(App& app, Insatu& dlg) {
  for (int i = 0; i < 3; ++i) {
    dlg.Txt[i] = kDefaults[i];
    dlg.value[i] = Val(dlg.Txt[i]);
  }
  if (IsLargeBoard(app.puzzle)) {
    dlg.value[kCellSize] = FittedCell(app.puzzle);
    dlg.Txt[kCellSize] = NumText(dlg.value[kCellSize]).substr(1);  // typed as "2.5" is, no blank
  }
  dlg.Lbl3 = PrintSizeText(app, dlg.value[kCellSize], true);
  dlg.Check1 = app.wnd.ColorPrinter == 1;
}

void InsatuTextChange(App& app, Insatu& dlg, int i, const std::string& text) {
  if (i < 0 || i > 2) return;
  dlg.Txt[i] = text;
  dlg.value[i] = Val(text);
  if (i == kCellSize) dlg.Lbl3 = PrintSizeText(app, dlg.value[kCellSize], false);
}

void InsatuCheckClick(App& app, Insatu& dlg, bool ticked) {
  dlg.Check1 = ticked;
  app.wnd.ColorPrinter = ticked ? 1 : 0;
}

void InsatuPrintClick(App& app, Insatu& dlg) {
  if (!PageIsPrintable(app, dlg)) return;
  PageGeometry page{dlg.value[kSideSpace], dlg.value[kTopSpace], dlg.value[kCellSize]};
  if (PrintOrSavePdf(app, page)) app.ui.CloseDialog(dlg);
}

void InsatuBackClick(App& app, Insatu& dlg) { app.ui.CloseDialog(dlg); }

void RunPrintDialog(App& app) {
  Insatu dlg;
  InsatuLoad(app, dlg);
  app.ui.ShowModal(dlg);
}

}  // namespace gw
