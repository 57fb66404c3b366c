#include "dialogs/Modecg.h"

#include "commands/Commands.h"
#include "history/EditHistory.h"
#include "text/Tr.h"

namespace gw {

std::string ModecgOptionText(int n) {
  switch (n) {
    case 1: return Tr("プレイモード ( ロジックで遊びます )");
    case 2: return Tr("数字入力 ( 雑誌などから問題を入力します )");
    default: return Tr("画像入力 ( 自分で問題を作ります )");
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

std::string ModeSuffix(int mode) {
  switch (mode) {
    case kModePlay: return Tr(" : プレイモード");
    case kModeNumber: return Tr(" : 数字入力モード");
    case kModeImage: return Tr(" : 画像入力モード");
    default: return "";
  }
}

void ApplyModeMenus(App& app) {
  int m = app.puzzle.Mode;
  Platform& ui = app.ui;
  EnableCommand(ui, Command::New, m != kModePlay);
  EnableCommand(ui, Command::StartOver, m != kModeNumber);
  EnableCommand(ui, Command::InvertImage, m == kModeImage);
  EnableCommand(ui, Command::ScrollImage, m == kModeImage);
  EnableCommand(ui, Command::Judge, m == kModePlay);
  EnableCommand(ui, Command::AutoSolve, m == kModePlay);
  ui.SetKeyPreview(m == kModeNumber);
  // Items of the added menus are enabled by the features behind them as each is built.
  SyncEditMenu(app);
  EnableCommand(ui, Command::UniquenessCheck, true);  // every mode
  EnableCommand(ui, Command::MistakeCheck, m == kModePlay);
  EnableCommand(ui, Command::Hint, m == kModePlay);
  // Import, export, new puzzles and the library work in every mode.
  for (Command c : {Command::Import, Command::Export, Command::NewPuzzle, Command::LiveHints,
                    Command::ExactTicks, Command::Library, Command::ErrorHints, Command::CopyPuzzle,
                    Command::PastePuzzle})
    EnableCommand(ui, c, true);
}

}  // namespace gw
