#include "mainwnd/MainWnd.h"

#include "Messages.h"
#include "dialogs/Modecg.h"
#include "display/Viewport.h"
#include "display/Draw.h"
#include "display/ErrorHints.h"
#include "display/LiveHints.h"
#include "display/PaletteBar.h"
#include "commands/Commands.h"
#include "history/EditHistory.h"
#include "files/FileCommands.h"
#include "authoring/ImageEdit.h"
#include "files/LibraryCommands.h"
#include "authoring/NumberInput.h"
#include "play/PlayInput.h"
#include "play/PlayKeys.h"
#include "mainwnd/StatusLine.h"
#include "system/FileSystem.h"
#include "settings/Options.h"
#include "settings/Settings.h"
#include "text/Tr.h"
#include "state/WindowState.h"

namespace gw {

void MainWndLoad(App& app) {
  PuzzleState& p = app.puzzle;
  p.AppCaption = Tr(kAppCaption);
  if (p.Mode == 0) {
    app.document.Dirty = 0;
    p.Mode = kModePlay;
    app.ui.SetCaption(p.AppCaption + ModeSuffix(p.Mode));
    ApplyModeMenus(app);
    LoadSettings(app);
    ShowOptionTicks(app);
    ShowStatusBar(app);
  }
  if (app.wnd.startFolder.empty()) app.wnd.startFolder = CurrentDirectory();
  TwipsSize screen = app.ui.ScreenSize();
  app.ui.SetWindowGeometry(TwipsRect{0, 0, screen.width, 0.95 * screen.height});
}

void MainWndPaint(App& app) { PaintBoard(app); }

namespace {

// The error hints follow the board; a repaint for them keeps the keyboard's cell cursor shown.
void FollowPlayChecks(App& app) {
  bool cursor = app.layout.KeyCursorShown;
  if (!FollowErrorHints(app) || !cursor || app.layout.KeyCursorShown) return;
  ToggleKeyCursor(app);
  app.layout.KeyCursorShown = true;
}

// A window position as a board position. While zoomed, what lies outside the board's share of the
// window is not shown, so nothing there can be pressed.
void ToBoard(const App& app, double& x, double& y) {
  const BoardView& v = app.layout.view;
  if (v.zoomed && (x < v.visLeft || x >= v.visRight || y < v.visTop || y >= v.visBottom)) {
    x = y = -1000;
    return;
  }
  WindowToBoard(app, x, y);
}

}  // namespace

void MainWndMouseDown(App& app, int button, int shift, double x, double y) {
  NotePlayActivity(app);
  ToBoard(app, x, y);
  // A press begins one undoable step, which the drag after it goes on.
  BeginStroke(app);
  switch (app.puzzle.Mode) {
    case kModePlay:
      PlayMouseDown(app, button, shift, x, y);
      Redraw(app);
      FollowPress(app, x, y);
      break;
    case kModeNumber: NumberMouseDown(app, button, shift, x, y); break;
    case kModeImage:
      ImageMouseDown(app, button, shift, x, y);
      Redraw(app);
      break;
    default: break;
  }
  NoteStroke(app);
  FollowLiveHints(app);
  FollowPlayChecks(app);
}

void MainWndMouseMove(App& app, int button, int shift, double x, double y) {
  // Only a drag with one button can change anything.
  bool drag = button == kLeftButton || button == kRightButton;
  // A drag past the edge of the zoomed board scrolls it and goes on at that edge.
  if (drag && app.puzzle.Mode != kModeNumber) ScrollForDrag(app, x, y);
  ToBoard(app, x, y);
  NotePointerCell(app, x, y);
  if (drag) ContinueStroke(app);
  switch (app.puzzle.Mode) {
    case kModePlay: PlayMouseMove(app, button, shift, x, y); break;
    case kModeNumber: NumberMouseMove(app, button, shift, x, y); break;
    case kModeImage: ImageMouseMove(app, button, shift, x, y); break;
    default: break;
  }
  // Only a drag changes cells and ticks.
  if (drag && app.puzzle.Mode != kModeNumber) Redraw(app);
  if (drag) NoteStroke(app);
  if (drag) FollowLiveHints(app);
  if (drag) FollowPlayChecks(app);
}

void MainWndMouseUp(App& app) {
  if (app.puzzle.Mode == kModePlay) EndStrokeCount(app);
}

void MainWndKeyDown(App& app, int keyCode, int shift) {
  NotePlayActivity(app);
  if (app.puzzle.Mode == kModePlay) {
    PlayKeyDown(app, keyCode, shift);
    return;
  }
  if (app.puzzle.Mode != kModeNumber) return;
  // An arrow stores a pending entry: each entry is one undoable step.
  if (keyCode >= kKeyLeft && keyCode <= kKeyDown)
    RunCommand(app, CommandRole::Step, [&] { MoveInputCursor(app, keyCode); });
}

void MainWndKeyPress(App& app, int charCode) {
  if (app.puzzle.Mode != kModeNumber) return;
  bool digit = charCode >= '0' && charCode <= '9';
  if (digit || charCode == kCharEnter || charCode == 'a' || charCode == 'A')
    RunCommand(app, CommandRole::Step, [&] { NumberKeyPress(app, charCode); });
}

void MainWndClosed(App& app) {
  // Closing asks nothing; a game whose records live in the store is kept there all the same.
  PuzzleState& p = app.puzzle;
  if (app.wnd.running && app.document.Dirty == 1 && p.SolveState != 1 && !GameUnchanged(app) && RecordsInLibrary(app) &&
      SaveProgressInLibrary(app))
    app.document.Dirty = 0;
  app.wnd.running = false;
}

void MainWndActivated(App& app, bool active) { NoteWindowActive(app, active); }

void PicMouseDown(App& app, int index, int button, int /*shift*/, double /*x*/, double y) {
  if (index == 1) PaletteMouseDown(app, button, y);
}

}  // namespace gw
