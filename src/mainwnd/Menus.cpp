#include "mainwnd/Menus.h"

#include "display/Draw.h"
#include "display/Viewport.h"
#include "history/EditHistory.h"
#include "play/GuessCommands.h"
#include "mainwnd/Help.h"
#include "files/PuzzleText.h"
#include "authoring/ImageEdit.h"
#include "files/LibraryCommands.h"
#include "files/ToolsCommands.h"
#include "play/Judge.h"
#include "mainwnd/MainWnd.h"
#include "Messages.h"
#include "dialogs/Modecg.h"
#include "play/PlayTools.h"
#include "play/UniqueCheck.h"
#include "print/Insatu.h"
#include "settings/Cust.h"
#include "settings/Options.h"
#include "solver/AutoSolve.h"
#include "files/FileCommands.h"
#include "text/Tr.h"

namespace gw {

namespace {

void NewCommand(App& app) {
  if (!OfferProgressSave(app)) return;
  if (app.puzzle.Mode == kModeNumber) NewHintPuzzle(app);
  else if (app.puzzle.Mode == kModeImage) NewPicture(app);
}

void OpenCommand(App& app) {
  if (!OfferProgressSave(app)) return;
  if (app.puzzle.Mode == kModePlay) OpenForPlay(app, 1);
  else if (app.puzzle.Mode == kModeNumber) OpenHintPuzzle(app);
  else OpenPicture(app);
}

void Open2Command(App& app) {
  if (!OfferProgressSave(app)) return;
  if (app.puzzle.Mode == kModePlay) OpenForPlay(app, 2);
  else Msg(app, Tr("ファイルを開く２はプレイモードのみです。"));
}

void SaveMenuCommand(App& app) {
  if (app.puzzle.XSize < 1) Msg(app, Tr("今は保存するファイルがありません。"));
  else SaveCommand(app);
}

void ChangeModeCommand(App& app) {
  if (!OfferProgressSave(app)) return;
  RunModeDialog(app);
  LayoutBoard(app);
}

void QuitCommand(App& app) {
  if (OfferProgressSave(app)) app.ui.CloseMainWindow();
}

void StartOver(App& app) {
  std::string text =
      Tr("初めからやり直しです。") + CR + Tr("すべてクリアしてしまいます。") + CR + Tr("本当にいいんですか？");
  if (Ask(app, text, MsgButtons::OkCancel) != MsgResult::Ok) return;
  ClearGrid(app.puzzle);
  LayoutBoard(app);
  DrawGrid(app);
  ClearHintChecks(app.puzzle);
  DrawHints(app);
  DrawCells(app);
}

void AboutCommand(App& app) {
  Msg(app, Tr("「グリッドウィック」　Ver 3.0") + CR + Tr("　　　カラーロジック対応版") + CR +
               Tr("　　　（内部コード３２ビット化）") + CR + CR +
               Tr("詳しくはメモ帳などで Gridwick.txt を読んでください。"));
}

void Run(App& app, Command command) {
  using C = Command;
  switch (command) {
    case C::New: NewCommand(app); break;
    case C::Open: OpenCommand(app); break;
    case C::Open2: Open2Command(app); break;
    case C::Save: SaveMenuCommand(app); break;
    case C::ChangeMode: ChangeModeCommand(app); break;
    case C::Print:
      if (app.puzzle.XSize > 0) RunPrintDialog(app);
      break;
    case C::Quit: QuitCommand(app); break;
    case C::Undo: Undo(app); break;
    case C::Redo: Redo(app); break;
    case C::StartOver: StartOver(app); break;
    case C::InvertImage: InvertImage(app); break;
    case C::ScrollImage: ScrollImage(app); break;
    case C::Redraw: PaintBoard(app); break;
    case C::Judge: JudgeAnswer(app); break;
    case C::AutoSolve: AutoSolve(app); break;
    case C::CustomiseColours: RunCustDialog(app); break;
    case C::EraseColour:
      if (app.puzzle.Mode != kModeNumber) EraseColour(app);
      break;
    case C::UniquenessCheck: UniquenessCheck(app); break;
    case C::MistakeCheck: MistakeCheck(app); break;
    case C::Hint: ShowHint(app); break;
    case C::Import: ImportCommand(app); break;
    case C::Export: ExportCommand(app); break;
    case C::NewPuzzle: NewPuzzleCommand(app); break;
    case C::Library: LibraryCommand(app); break;
    case C::LiveHints:
    case C::ExactTicks:
    case C::ErrorHints: ToggleOption(app, command); break;
    case C::GuessStart: StartGuess(app); break;
    case C::GuessKeep: KeepGuess(app); break;
    case C::GuessDrop: DropGuess(app); break;
    case C::CopyPuzzle: CopyPuzzle(app); break;
    case C::PastePuzzle: PastePuzzle(app); break;
    case C::FilledHints:
    case C::LineTint:
    case C::StatusBar: ToggleOption(app, command); break;
    case C::About: AboutCommand(app); break;
    case C::Help: HelpClick(app); break;
    case C::ZoomIn: ZoomBoardAtCentre(app, 1); break;
    case C::ZoomOut: ZoomBoardAtCentre(app, -1); break;
    case C::ZoomToFit: ZoomToFit(app); break;
    case C::None: break;
  }
}

}  // namespace

void MenuClick(App& app, MenuId menu, int index) { RunMenuCommand(app, CommandAt(menu, index)); }

void RunMenuCommand(App& app, Command command) {
  NotePlayActivity(app);
  RunCommand(app, RoleOf(command), [&] { Run(app, command); });
}

void HelpClick(App& app) {
  HelpText help = BuildHelp(app.puzzle.Mode);
  Msg(app, help.text, help.title);
}

}  // namespace gw
