#pragma once
// Every command of the menu bar by name, and the one table that places each in its menu. The
// front ends and scripts still choose items by position (`menu File 2`); everything behind them
// (what an item does, its keys, whether it is enabled, what it means for the history) goes by the
// name.
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "text/Tr.h"

namespace gw {

enum class Command {
  None,  // a separator, or a position no item stands at
  // ﾌｧｲﾙ
  New, Open, Open2, Save, ChangeMode, Print, Quit,
  // 編集
  Undo, Redo, CopyPuzzle, PastePuzzle,
  // ｵﾌﾟｼｮﾝ
  StartOver, InvertImage, ScrollImage, Redraw, Judge, AutoSolve,
  // 色変更
  CustomiseColours, EraseColour,
  // ツール
  UniquenessCheck, MistakeCheck, Hint, Import, Export, NewPuzzle, LiveHints, ExactTicks, Library,
  GuessStart, GuessKeep, GuessDrop, ErrorHints,
  // About
  About,
  // 表示
  ZoomIn, ZoomOut, ZoomToFit, FilledHints, LineTint, StatusBar,
  // 説明, which stands on the menu bar itself
  Help,
};

struct MenuItem {
  std::string caption;  // "-" for a separator; in Japanese, translated where it is shown
  Command command = Command::None;
};

// The menu bar in order: the drop-down menus, then the direct help command. `script` is the
// menu's name in scenario scripts (`menu Tools 0`).
struct MenuDef {
  MenuId id;
  std::string script;
  std::string caption;
  std::vector<MenuItem> items;
};
const std::vector<MenuDef>& MenuBar();
inline constexpr const char* kHelpCaption = TrNoop("説明(&H)");

struct MenuPlace {
  MenuId menu;
  int index;
};
// Where the command's item stands; none for Help and None.
std::optional<MenuPlace> PlaceOf(Command command);
// The command of an item; None for a separator or a position past the menu's end.
Command CommandAt(MenuId menu, int index);

// Keys that run a command exactly as its item does, in the portable key names the window reads
// ("Ctrl+Z"); the first is the one the menu shows.
struct MenuShortcut {
  Command command;
  std::vector<std::string> keys;
};
const std::vector<MenuShortcut>& MenuShortcuts();

// Enables or disables the command's item (Help is always there).
void EnableCommand(Platform& ui, Command command, bool enabled);

}  // namespace gw
