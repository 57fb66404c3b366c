#include "commands/Commands.h"

namespace gw {

const std::vector<MenuDef>& MenuBar() {
  using C = Command;
  static const MenuItem kSeparator{"-", C::None};
  static const std::vector<MenuDef> kBar = {
      {MenuId::File, "File", "ﾌｧｲﾙ(&F)",
       {{"新規作成(&N)", C::New}, {"ファイルを開く(&O)", C::Open}, {"ファイルを開く２(&L)", C::Open2},
        {"保存(&S)", C::Save}, kSeparator, {"モード変更(&M)", C::ChangeMode}, kSeparator,
        {"印刷(&P)", C::Print}, kSeparator, {"終了(&X)", C::Quit}}},
      {MenuId::Edit, "Edit", "編集(&E)",
       {{"元に戻す(&U)", C::Undo}, {"やり直し(&R)", C::Redo}, kSeparator, {"問題をコピー(&C)", C::CopyPuzzle},
        {"問題を貼り付け(&P)", C::PastePuzzle}}},
      {MenuId::Option, "Option", "ｵﾌﾟｼｮﾝ(&O)",
       {{"初めからやり直す(&C)", C::StartOver}, {"画像の反転(&H)", C::InvertImage},
        {"画像スクロール(&S)", C::ScrollImage}, {"画像の再描写(&R)", C::Redraw}, kSeparator,
        {"正解かどうか判定(&J)", C::Judge}, kSeparator, {"自動で解く(&A)", C::AutoSolve}}},
      {MenuId::Cust, "Cust", "色変更(&C)",
       {{"色のｶｽﾀﾏｲｽﾞ(&C)", C::CustomiseColours}, {"指定色マス消去(&D)", C::EraseColour}}},
      {MenuId::Tools, "Tools", "ツール(&T)",
       {{"一意性チェック(&U)", C::UniquenessCheck}, {"ミスチェック(&M)", C::MistakeCheck}, {"ヒント(&H)", C::Hint},
        {"インポート(&I)...", C::Import}, {"エクスポート(&E)...", C::Export},
        {"新しい問題を作る(&N)...", C::NewPuzzle}, kSeparator, {"描きながらヒントを表示(&L)", C::LiveHints},
        {"ヒントを厳密にチェック(&X)", C::ExactTicks},
        {"ライブラリ(&B)", C::Library}, kSeparator, {"仮置きを始める(&G)", C::GuessStart},
        {"仮置きを確定(&K)", C::GuessKeep}, {"仮置きを取り消す(&D)", C::GuessDrop}, kSeparator,
        {"ヒントの矛盾を赤で表示(&W)", C::ErrorHints}}},
      {MenuId::About, "About", "About(&A)", {{"バージョン情報", C::About}}},
      // After every menu of old, so that their places stay.
      {MenuId::View, "View", "表示(&V)",
       {{"拡大(&I)", C::ZoomIn}, {"縮小(&O)", C::ZoomOut}, {"ウィンドウに合わせる(&F)", C::ZoomToFit}, kSeparator,
        {"ヒントをすべて色のマスで表示(&H)", C::FilledHints}, {"ポインターの行と列に色を付ける(&L)", C::LineTint},
        {"ステータスバー(&S)", C::StatusBar}}},
  };
  return kBar;
}

std::optional<MenuPlace> PlaceOf(Command command) {
  if (command == Command::None) return std::nullopt;
  for (const MenuDef& menu : MenuBar())
    for (int i = 0; i < static_cast<int>(menu.items.size()); ++i)
      if (menu.items[i].command == command) return MenuPlace{menu.id, i};
  return std::nullopt;
}

Command CommandAt(MenuId id, int index) {
  for (const MenuDef& menu : MenuBar())
    if (menu.id == id && index >= 0 && index < static_cast<int>(menu.items.size())) return menu.items[index].command;
  return Command::None;
}

const std::vector<MenuShortcut>& MenuShortcuts() {
  static const std::vector<MenuShortcut> kKeys = {
      {Command::Open, {"Ctrl+O"}},
      {Command::Save, {"Ctrl+S"}},
      {Command::Print, {"Ctrl+P"}},
      {Command::Quit, {"Ctrl+Q"}},
      {Command::Undo, {"Ctrl+Z"}},
      {Command::Redo, {"Ctrl+Y", "Ctrl+Shift+Z"}},
      {Command::Library, {"Ctrl+L"}},
      {Command::CopyPuzzle, {"Ctrl+C"}},
      {Command::PastePuzzle, {"Ctrl+V"}},
      {Command::GuessStart, {"Ctrl+G"}},
      {Command::GuessKeep, {"Ctrl+K"}},
      {Command::GuessDrop, {"Ctrl+D"}},
      {Command::Help, {"F1"}},
      {Command::ZoomIn, {"Ctrl++", "Ctrl+="}},
      {Command::ZoomOut, {"Ctrl+-"}},
      {Command::ZoomToFit, {"Ctrl+0"}},
  };
  return kKeys;
}

void EnableCommand(Platform& ui, Command command, bool enabled) {
  if (std::optional<MenuPlace> place = PlaceOf(command)) ui.EnableMenuItem(place->menu, place->index, enabled);
}

}  // namespace gw
