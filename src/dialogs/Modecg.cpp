#include "dialogs/Modecg.h"

#include "mainwnd/MainWnd.h"

namespace gw {

std::string ModecgOptionText(int n) {
  switch (n) {
    case 1: return "プレイモード ( ロジックで遊びます )";
    case 2: return "数字入力 ( 雑誌などから問題を入力します )";
    default: return "画像入力 ( 自分で問題を作ります )";
  }
}

void ModecgLoad(App& app, Modecg& dlg) { dlg.option = app.puzzle.Mode; }

void ModecgOptionClick(App& app, Modecg& dlg, int n) {
  if (n < 1 || n > 3) return;
  dlg.option = n;
  app.puzzle.Mode = n;
}

void ModecgOk(App& app, Modecg& dlg) {
  PuzzleState& p = app.puzzle;
  app.ui.SetCaption(p.AppCaption + ModeSuffix(p.Mode));
  ApplyModeMenus(app);
  // Every mode change empties the board, also when the same mode is chosen again.
  FullReset(p);
  p.XSize = p.YSize = p.XHintCount = p.YHintCount = 0;
  app.ui.CloseDialog(dlg);
}

void ModecgClose(App& app, Modecg& dlg) { ModecgOk(app, dlg); }

void RunModeDialog(App& app) {
  Modecg dlg;
  ModecgLoad(app, dlg);
  app.ui.ShowModal(dlg);
}

}  // namespace gw
