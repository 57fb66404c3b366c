#include "commands/Commands.h"

namespace gw {

const std::vector<MenuDef>& MenuBar() {
  using C = Command;
  static const MenuItem kSeparator{"-", C::None};
  static const std::vector<MenuDef> kBar = {
      {MenuId::File, "File", TrNoop("ﾌｧｲﾙ(&F)"),
       {{TrNoop("新規作成(&N)"), C::New}, {TrNoop("ファイルを開く(&O)"), C::Open}, {TrNoop("ファイルを開く２(&L)"), C::Open2},
        {TrNoop("保存(&S)"), C::Save}, kSeparator, {TrNoop("モード変更(&M)"), C::ChangeMode}, kSeparator,
        {TrNoop("印刷(&P)"), C::Print}, kSeparator, {TrNoop("終了(&X)"), C::Quit}}},
      {MenuId::Edit, "Edit", TrNoop("編集(&E)"),
       {{TrNoop("元に戻す(&U)"), C::Undo}, {TrNoop("やり直し(&R)"), C::Redo}, kSeparator, {TrNoop("問題をコピー(&C)"), C::CopyPuzzle},
        {TrNoop("問題を貼り付け(&P)"), C::PastePuzzle}}},
      {MenuId::Option, "Option", TrNoop("ｵﾌﾟｼｮﾝ(&O)"),
       {{TrNoop("初めからやり直す(&C)"), C::StartOver}, {TrNoop("画像の反転(&H)"), C::InvertImage},
        {TrNoop("画像スクロール(&S)"), C::ScrollImage}, {TrNoop("画像の再描写(&R)"), C::Redraw}, kSeparator,
        {TrNoop("正解かどうか判定(&J)"), C::Judge}, kSeparator, {TrNoop("自動で解く(&A)"), C::AutoSolve}}},
      {MenuId::Cust, "Cust", TrNoop("色変更(&C)"),
       {{TrNoop("色のｶｽﾀﾏｲｽﾞ(&C)"), C::CustomiseColours}, {TrNoop("指定色マス消去(&D)"), C::EraseColour}}},
      {MenuId::Tools, "Tools", TrNoop("ツール(&T)"),
       {{TrNoop("一意性チェック(&U)"), C::UniquenessCheck}, {TrNoop("ミスチェック(&M)"), C::MistakeCheck}, {TrNoop("ヒント(&H)"), C::Hint},
        {TrNoop("インポート(&I)..."), C::Import}, {TrNoop("エクスポート(&E)..."), C::Export},
        {TrNoop("新しい問題を作る(&N)..."), C::NewPuzzle}, kSeparator, {TrNoop("描きながらヒントを表示(&L)"), C::LiveHints},
        {TrNoop("ヒントを厳密にチェック(&X)"), C::ExactTicks},
        {TrNoop("ライブラリ(&B)"), C::Library}, kSeparator, {TrNoop("仮置きを始める(&G)"), C::GuessStart},
        {TrNoop("仮置きを確定(&K)"), C::GuessKeep}, {TrNoop("仮置きを取り消す(&D)"), C::GuessDrop}, kSeparator,
        {TrNoop("ヒントの矛盾を赤で表示(&W)"), C::ErrorHints}}},
      {MenuId::About, "About", TrNoop("About(&A)"), {{TrNoop("バージョン情報"), C::About}}},
      // After every menu of old, so that their places stay.
      {MenuId::View, "View", TrNoop("表示(&V)"),
       {{TrNoop("拡大(&I)"), C::ZoomIn}, {TrNoop("縮小(&O)"), C::ZoomOut}, {TrNoop("ウィンドウに合わせる(&F)"), C::ZoomToFit}, kSeparator,
        {TrNoop("ヒントをすべて色のマスで表示(&H)"), C::FilledHints}, {TrNoop("ポインターの行と列に色を付ける(&L)"), C::LineTint},
        {TrNoop("ステータスバー(&S)"), C::StatusBar}}},
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
