#include "mainwnd/Menus.h"

#include "display/Draw.h"
#include "display/Viewport.h"
#include "history/EditHistory.h"
#include "mainwnd/Help.h"
#include "mainwnd/ImageEdit.h"
#include "mainwnd/ToolsCommands.h"
#include "mainwnd/Judge.h"
#include "mainwnd/MainWnd.h"
#include "mainwnd/Messages.h"
#include "mainwnd/Modecg.h"
#include "mainwnd/PlayTools.h"
#include "mainwnd/UniqueCheck.h"
#include "print/Insatu.h"
#include "settings/Cust.h"
#include "solver/AutoSolve.h"
#include "state/FileCommands.h"

namespace gw {

const std::vector<MenuDef>& MenuBar() {
  static const std::vector<MenuDef> kBar = {
      {MenuId::File, "File", "ﾌｧｲﾙ(&F)",
       {"新規作成(&N)", "ファイルを開く(&O)", "ファイルを開く２(&L)", "保存(&S)", "-",
        "モード変更(&M)", "-", "印刷(&P)", "-", "終了(&X)"}},
      {MenuId::Edit, "Edit", "編集(&E)", {"元に戻す(&U)", "やり直し(&R)"}},
      {MenuId::Option, "Option", "ｵﾌﾟｼｮﾝ(&O)",
       {"初めからやり直す(&C)", "画像の反転(&H)", "画像スクロール(&S)", "画像の再描写(&R)", "-",
        "正解かどうか判定(&J)", "-", "自動で解く(&A)"}},
      {MenuId::Cust, "Cust", "色変更(&C)", {"色のｶｽﾀﾏｲｽﾞ(&C)", "指定色マス消去(&D)"}},
      {MenuId::Tools, "Tools", "ツール(&T)",
       {"一意性チェック(&U)", "ミスチェック(&M)", "ヒント(&H)", "インポート(&I)...", "エクスポート(&E)...",
        "新しい問題を作る(&N)..."}},
      {MenuId::About, "About", "About(&A)", {"バージョン情報"}},
      // After every menu of old, so that their places stay.
      {MenuId::View, "View", "表示(&V)", {"拡大(&I)", "縮小(&O)", "ウィンドウに合わせる(&F)"}},
  };
  return kBar;
}

const std::vector<MenuShortcut>& MenuShortcuts() {
  static const std::vector<MenuShortcut> kKeys = {
      {MenuId::File, 1, false, {"Ctrl+O"}},
      {MenuId::File, 3, false, {"Ctrl+S"}},
      {MenuId::File, 7, false, {"Ctrl+P"}},
      {MenuId::File, 9, false, {"Ctrl+Q"}},
      {MenuId::Edit, 0, false, {"Ctrl+Z"}},
      {MenuId::Edit, 1, false, {"Ctrl+Y", "Ctrl+Shift+Z"}},
      {MenuId::File, 0, true, {"F1"}},
      {MenuId::View, 0, false, {"Ctrl++", "Ctrl+="}},
      {MenuId::View, 1, false, {"Ctrl+-"}},
      {MenuId::View, 2, false, {"Ctrl+0"}},
  };
  return kKeys;
}

namespace {

void FileMenu(App& app, int index) {
  PuzzleState& p = app.puzzle;
  switch (index) {
    case 0:
      if (!OfferProgressSave(app)) break;
      if (p.Mode == kModeNumber) NewHintPuzzle(app);
      else if (p.Mode == kModeImage) NewPicture(app);
      break;
    case 1:
      if (!OfferProgressSave(app)) break;
      if (p.Mode == kModePlay) OpenForPlay(app, 1);
      else if (p.Mode == kModeNumber) OpenHintPuzzle(app);
      else OpenPicture(app);
      break;
    case 2:
      if (!OfferProgressSave(app)) break;
      if (p.Mode == kModePlay) OpenForPlay(app, 2);
      else Msg(app, "ファイルを開く２はプレイモードのみです。");
      break;
    case 3:
      if (p.XSize < 1) {
        Msg(app, "今は保存するファイルがありません。");
        break;
      }
      SaveCommand(app);
      break;
    case 5:
      if (!OfferProgressSave(app)) break;
      RunModeDialog(app);
      LayoutBoard(app);
      break;
    case 7:
      if (p.XSize > 0) RunPrintDialog(app);
      break;
    case 9:
      if (!OfferProgressSave(app)) break;
      app.ui.CloseMainWindow();
      break;
    default:
      break;
  }
}

void StartOver(App& app) {
  std::string text = std::string("初めからやり直しです。") + CR + "すべてクリアしてしまいます。" +
                     CR + "本当にいいんですか？";
  if (Ask(app, text, MsgButtons::OkCancel) != MsgResult::Ok) return;
  ClearGrid(app.puzzle);
  LayoutBoard(app);
  DrawGrid(app);
  ClearHintChecks(app.puzzle);
  DrawHints(app);
  DrawCells(app);
}

void OptionMenu(App& app, int index) {
  switch (index) {
    case 0: StartOver(app); break;
    case 1: InvertImage(app); break;
    case 2: ScrollImage(app); break;
    case 3: PaintBoard(app); break;
    case 5: JudgeAnswer(app); break;
    case 7: AutoSolve(app); break;
    default: break;
  }
}

void CustMenu(App& app, int index) {
  if (index == 0) RunCustDialog(app);
  if (index == 1 && app.puzzle.Mode != kModeNumber) EraseColour(app);
}

void EditMenu(App& app, int index) {
  if (index == 0) Undo(app);
  if (index == 1) Redo(app);
}

void ToolsMenu(App& app, int index) {
  switch (index) {
    case 0: UniquenessCheck(app); break;
    case 1: MistakeCheck(app); break;
    case 2: ShowHint(app); break;
    case 3: ImportCommand(app); break;
    case 4: ExportCommand(app); break;
    case 5: NewPuzzleCommand(app); break;
    default: break;
  }
}

void AboutMenu(App& app, int index) {
  if (index != 0) return;
  Msg(app, std::string("「グリッドウィック」　Ver 3.0") + CR + "　　　カラーロジック対応版" + CR +
               "　　　（内部コード３２ビット化）" + CR + CR +
               "詳しくはメモ帳などで Gridwick.txt を読んでください。");
}

void ViewMenu(App& app, int index) {
  if (index == 0) ZoomBoardAtCentre(app, 1);
  if (index == 1) ZoomBoardAtCentre(app, -1);
  if (index == 2) ZoomToFit(app);
}

void RunMenuItem(App& app, MenuId menu, int index) {
  switch (menu) {
    case MenuId::File: FileMenu(app, index); break;
    case MenuId::Edit: EditMenu(app, index); break;
    case MenuId::Option: OptionMenu(app, index); break;
    case MenuId::Cust: CustMenu(app, index); break;
    case MenuId::Tools: ToolsMenu(app, index); break;
    case MenuId::About: AboutMenu(app, index); break;
    case MenuId::View: ViewMenu(app, index); break;
  }
}

}  // namespace

void MenuClick(App& app, MenuId menu, int index) {
  RunCommand(app, RoleOf(menu, index), [&] { RunMenuItem(app, menu, index); });
}

void HelpClick(App& app) {
  HelpText help = BuildHelp(app.puzzle.Mode);
  Msg(app, help.text, help.title);
}

}  // namespace gw
