#include "dialogs/Sizein.h"

#include <algorithm>

#include "Messages.h"
#include "system/Convert.h"
#include "text/Tr.h"
#include "state/PuzzleState.h"

namespace gw {
namespace {

int* SizeValue(PuzzleState& p, int i) {
  int* values[4] = {&p.XHintCount, &p.XSize, &p.YHintCount, &p.YSize};
  return values[i];
}

const char* DefaultText(int i) {
  static const char* const kDefaults[4] = {"5", "15", "5", "10"};
  return kDefaults[i];
}

// A typed value read by its leading numeric part and rounded; values beyond 16 bits are kept at
// the nearest 16-bit value, which is out of range all the same.
int TypedValue(const std::string& text) {
  long long v = RoundHalfEven(Val(text));
  return static_cast<int>(std::clamp<long long>(v, -32768, 32767));
}

}  // namespace

std::string SizeinLabel(int i) {
  static const char* const kLabels[4] = {TrNoop("Ｘヒント数"), TrNoop("Ｘサイズ"), TrNoop("Ｙヒント数"),
                                         TrNoop("Ｙサイズ")};
  return Tr(kLabels[i]);
}

void SizeinLoad(App& app, Sizein& dlg) {
  for (int i = 0; i < 4; ++i) {
    int v = *SizeValue(app.puzzle, i);
    dlg.enabled[i] = v == 0;
    dlg.Text[i] = v == 0 ? DefaultText(i) : std::to_string(v);
  }
}

void SizeinOk(App& app, Sizein& dlg) {
  bool low = false, high = false;
  for (int i = 0; i < 4; ++i) {
    int v = TypedValue(dlg.Text[i]);
    *SizeValue(app.puzzle, i) = v;
    low = low || v < 1;
    high = high || v > kMaxSize;
  }
  if (low) {
    Msg(app, Tr("異常なデータがあります。") + CR + Tr("正しく入力してください。"));
  } else if (high) {
    Msg(app, Tr("プレイできる制限を越えています。"));
  } else {
    app.ui.CloseDialog(dlg);
  }
}

void SizeinClose(App& app, Sizein& dlg) { SizeinOk(app, dlg); }

void RunSizeDialog(App& app) {
  Sizein dlg;
  SizeinLoad(app, dlg);
  app.ui.ShowModal(dlg);
}

}  // namespace gw
