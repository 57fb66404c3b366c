// What the user does: menus, mouse, keys, the palette, paints, closing and restarting.
#include <algorithm>
#include <cmath>

#include "Runner.h"
#include "display/Viewport.h"
#include "display/Highlight.h"
#include "mainwnd/MainWnd.h"
#include "mainwnd/Menus.h"
#include "system/NativeFiles.h"
#include "text/Utf8.h"

namespace gw {
namespace {

int ButtonWord(const std::string& w) {
  if (w == "L") return kLeftButton;
  if (w == "R") return kRightButton;
  if (w == "M") return kMiddleButton;
  throw ScriptError("unknown word " + w);
}

// Chooses an item of the menu table as the window would: a disabled item does nothing.
void ChooseItem(Runner& r, const MenuDef& menu, int index) {
  App& app = r.app();
  if (!r.ui().MenuEnabled(menu.id, index)) {
    r.out() << "DISABLED " << menu.script << " " << index << "\n";
    return;
  }
  MenuClick(app, menu.id, index);
}

void Menu(Runner& r, const ScriptLine& line) {
  NeedWords(line, 2);
  const std::string& name = line.words[1].text;
  if (name == "Help") {
    HelpClick(r.app());
    return;
  }
  int index = WordNumber(line, 2);
  for (const MenuDef& menu : MenuBar()) {
    if (menu.script != name) continue;
    if (index < 0 || index >= static_cast<int>(menu.items.size()) || menu.items[index].command == Command::None)
      throw ScriptError("menu " + name + " has no item " + std::to_string(index));
    ChooseItem(r, menu, index);
    return;
  }
  throw ScriptError("unknown menu " + name);
}

// An addition to the runner: `shortcut Ctrl+Z` presses a menu shortcut, which does what its item
// does (and nothing, printing DISABLED, while the item is disabled).
void Shortcut(Runner& r, const ScriptLine& line) {
  NeedWords(line, 2);
  const std::string& keys = line.words[1].text;
  for (const MenuShortcut& s : MenuShortcuts()) {
    if (std::find(s.keys.begin(), s.keys.end(), keys) == s.keys.end()) continue;
    if (s.command == Command::Help) {
      HelpClick(r.app());
      return;
    }
    std::optional<MenuPlace> place = PlaceOf(s.command);
    for (const MenuDef& menu : MenuBar())
      if (place && menu.id == place->menu) ChooseItem(r, menu, place->index);
    return;
  }
  throw ScriptError("unknown word " + keys);
}

void Press(Runner& r, const ScriptLine& line) {
  NeedWords(line, 4);
  int button = ButtonWord(line.words[1].text);
  MainWndMouseDown(r.app(), button, 0, WordPosition(line, 2), WordPosition(line, 3));
}

void Move(Runner& r, const ScriptLine& line) {
  int held = WordNumber(line, 1);
  if (held < 0 || held > 7) throw ScriptError("unknown word " + line.words[1].text);
  if (held != 0) EndHighlight(r.app(), HighlightEnd::Action);  // a drag is an action; a bare move is not
  MainWndMouseMove(r.app(), held, 0, WordPosition(line, 2), WordPosition(line, 3));
}

// `key CODE shift` (an addition) holds Shift down with the key.
void Key(Runner& r, const ScriptLine& line) {
  NeedWords(line, 2);
  int shift = 0;
  if (line.words.size() > 2) {
    if (line.words[2].text != "shift") throw ScriptError("unknown word " + line.words[2].text);
    shift = kShiftDown;
  }
  MainWndKeyDown(r.app(), WordNumber(line, 1), shift);
}

void Char(Runner& r, const ScriptLine& line) {
  NeedWords(line, 2);
  std::u32string chars = ToU32(line.words[1].text);
  int code = 0;
  if (chars.size() == 1) code = static_cast<int>(chars[0]);
  else if (chars.size() > 1) code = WordNumber(line, 1);
  else throw ScriptError("char needs a character");
  MainWndKeyPress(r.app(), code);
}

void Palette(Runner& r, const ScriptLine& line) {
  NeedWords(line, 2);
  App& app = r.app();
  int button = line.words.size() > 2 ? ButtonWord(line.words[2].text) : kLeftButton;
  const std::string& where = line.words[1].text;
  if (where == "current") {
    Surface& pic0 = r.ui().GetSurface(SurfaceId::Pic0);
    PicMouseDown(app, 0, button, 0, pic0.ScaleWidth() / 2, pic0.ScaleHeight() / 2);
    return;
  }
  Surface& pic1 = r.ui().GetSurface(SurfaceId::Pic1);
  double band = pic1.ScaleHeight() / 9;
  double y = 0;
  if (where == "below") {
    y = 9 * std::nearbyint(band) + 1;  // just under the ninth band of the rounded band height
  } else {
    int k = WordNumber(line, 1);
    if (k < 1 || k > 9) throw ScriptError("unknown word " + where);
    y = (k - 0.5) * band;
  }
  PicMouseDown(app, 1, button, 0, pic1.ScaleWidth() / 2, y);
}

void Paint(Runner& r, const ScriptLine&) { MainWndPaint(r.app()); }

// Additions: `scroll X Y` moves the scroll bars of a zoomed board to X and Y cells; `wheel N
// ctrl|shift|plain X Y` turns the wheel N notches (up is positive) with the pointer at (X, Y).
void Scroll(Runner& r, const ScriptLine& line) {
  NeedWords(line, 3);
  ScrollBoardTo(r.app(), WordPosition(line, 1), WordPosition(line, 2));
}

void Wheel(Runner& r, const ScriptLine& line) {
  NeedWords(line, 5);
  App& app = r.app();
  int notches = WordNumber(line, 1);
  const std::string& held = line.words[2].text;
  double x = WordPosition(line, 3), y = WordPosition(line, 4);
  if (held == "ctrl") ZoomBoard(app, notches, x, y);
  else if (held == "shift") ScrollBoardBy(app, -3.0 * notches, 0);
  else if (held == "plain") ScrollBoardBy(app, 0, -3.0 * notches);
  else throw ScriptError("unknown word " + held);
}

void Close(Runner& r, const ScriptLine&) {
  r.app();
  r.EndProgram();
}

void Restart(Runner& r, const ScriptLine&) {
  r.EndProgram();
  r.StartProgram();
}

// The machine's printer from here on: "ready" (the default), "none" (no printer installed) or
// "fails" (it takes the document but cannot send it).
void PrinterState(Runner& r, const ScriptLine& line) {
  NeedWords(line, 2);
  const std::string& w = line.words[1].text;
  auto& printer = static_cast<ScriptedPrinter&>(r.ui().GetPrinter());
  if (w == "ready") printer.SetCondition(PrinterCondition::Ready);
  else if (w == "none") printer.SetCondition(PrinterCondition::Missing);
  else if (w == "fails") printer.SetCondition(PrinterCondition::Fails);
  else throw ScriptError("unknown word " + w);
}

// An addition to the runner: what another program put on the clipboard. `clipboard text TEXT`,
// `clipboard put` with lines up to a line holding only "." (joined by line feeds), `clipboard
// file NAME` (a file's bytes as they are), `clipboard big N` (N bytes of text), `clipboard image`,
// `clipboard other`, `clipboard empty`.
void Clipboard(Runner& r, const ScriptLine& line) {
  NeedWords(line, 2);
  using K = ClipboardContent::Kind;
  const std::string& w = line.words[1].text;
  if (w == "image" || w == "other" || w == "empty") {
    r.ui().SetClipboard({w == "image" ? K::Image : w == "other" ? K::Other : K::Empty, {}});
    return;
  }
  std::string text;
  if (w == "put") {
    for (const std::string& l : r.TakeBlock()) text += l + "\n";
  } else {
    NeedWords(line, 3);
    if (w == "text") text = line.words[2].text;
    else if (w == "big") text.assign(size_t(WordNumber(line, 2)), 'x');
    else if (w == "file") text = ReadWholeFile(line.words[2].text, size_t(64) << 20);
    else throw ScriptError("unknown word " + w);
  }
  r.ui().SetClipboard({K::Text, std::move(text)});
}

// Every action on the window ends the highlights that last only until the next one.
Runner::Handler ClearingOverlay(void (*action)(Runner&, const ScriptLine&)) {
  return [action](Runner& r, const ScriptLine& line) {
    if (r.Running()) EndHighlight(r.app(), HighlightEnd::Action);
    action(r, line);
  };
}

}  // namespace

void RegisterActionCommands(Runner& runner) {
  runner.Register("menu", ClearingOverlay(Menu));
  runner.Register("press", ClearingOverlay(Press));
  runner.Register("move", Move);
  runner.Register("key", ClearingOverlay(Key));
  runner.Register("shortcut", ClearingOverlay(Shortcut));
  runner.Register("char", ClearingOverlay(Char));
  runner.Register("palette", ClearingOverlay(Palette));
  runner.Register("paint", ClearingOverlay(Paint));
  runner.Register("scroll", ClearingOverlay(Scroll));
  runner.Register("wheel", ClearingOverlay(Wheel));
  runner.Register("close", Close);
  runner.Register("restart", Restart);
  runner.Register("printer", PrinterState);
  runner.Register("clipboard", Clipboard);
}

}  // namespace gw
