// The picture after undo and redo: on the window's real image, random play undone and redone in
// every mode leaves exactly the pixels a fresh repaint of the state draws, so every exclusive-or
// drawing of a replay (cells, ticks, reprinted hints, the overlay, the keyboard cursor) comes in
// pairs.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <random>

#include "display/BoardLayout.h"
#include "display/Highlight.h"
#include "history/EditHistory.h"
#include "mainwnd/MainWnd.h"
#include "mainwnd/Menus.h"
#include "play/PlayInput.h"
#include "play/PlayKeys.h"
#include "frontends/qt/MainWindow.h"
#include "frontends/qt/QtPlatform.h"
#include "support/TestApp.h"
#include "ShownWindow.h"

namespace gw {
namespace {

struct Window {
  QtPlatform ui;
  App app{ui};
  MainWindow w{ui, app};

  explicit Window(int mode) {
    test::ShowMainWindow(ui, w, app, {700, 560});
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    app.puzzle.Mode = mode;
    test::MakeBoard(app, 7, 6, 3, 3);
    app.puzzle.Palette[2] = 12;
    for (int y = 1; y <= 6; ++y) test::SetRowHints(app, y, {2, 1}, 1 + y % 2);
    for (int x = 1; x <= 7; ++x) test::SetColHints(app, x, {1, 2}, 1 + x % 2);
    app.puzzle.AutoCheck = 1;
    app.layout.CursorSide = 1;
    app.layout.CursorX = app.layout.CursorY = 1;
    MainWndPaint(app);
  }
  double X(int col) const { return 3 + col + 0.5; }
  double Y(int row) const { return 3 + row + 0.5; }
  // The picture with the keyboard cursor taken off, against a repaint of the same state.
  void ExpectPictureOfTheState(const std::string& where) {
    if (app.layout.KeyCursorShown) ToggleKeyCursor(app);
    ToggleHoverHighlight(app, app.layout.HoverCol, app.layout.HoverRow);
    EndHighlight(app, HighlightEnd::Change);
    QImage drawn = ui.Image(SurfaceId::Main).image().copy();
    MainWndPaint(app);
    const QImage& fresh = ui.Image(SurfaceId::Main).image();
    int differ = 0;
    QRect box;
    for (int y = 0; y < drawn.height(); ++y)
      for (int x = 0; x < drawn.width(); ++x)
        if (drawn.pixel(x, y) != fresh.pixel(x, y)) {
          ++differ;
          box |= QRect(x, y, 1, 1);
        }
    EXPECT_EQ(differ, 0) << where << " in " << box.x() << "," << box.y() << " " << box.width() << "x" << box.height();
  }
};

// One random action without a message box: presses and drags on cells and hints, keys, a colour
// change, an overlay as the tools draw it, undo and redo.
void RandomAction(Window& t, std::mt19937& rng) {
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  App& app = t.app;
  switch (pick(0, 5)) {
    case 0:
    case 1: {
      int button = pick(0, 1) ? kLeftButton : kRightButton;
      double x = pick(0, 3) ? t.X(pick(1, 7)) : 1.5 + pick(0, 2), y = t.Y(pick(1, 6));
      MainWndMouseDown(app, button, 0, x, y);
      for (int n = pick(0, 3); n > 0; --n) MainWndMouseMove(app, button, 0, t.X(pick(1, 7)), y);
      break;
    }
    case 2:
      if (app.puzzle.Mode == kModeNumber) {
        MainWndKeyPress(app, '0' + pick(0, 9));
      } else {
        const int keys[] = {kKeyLeft, kKeyRight, kKeyDown, kKeyUp, kKeySpace, kKeyX};
        MainWndKeyDown(app, keys[pick(0, 5)], pick(0, 1) ? kShiftDown : 0);
      }
      break;
    case 3:
      app.puzzle.CurColor = pick(1, 2);
      break;
    case 4:
      if (app.puzzle.Mode == kModePlay)
        ShowMarks(app, {CellMark(app, HighlightKind::Mistake, pick(1, 7), pick(1, 6)),
                        RowFrame(app, HighlightKind::HintLine, pick(1, 6))});
      break;
    default:
      MenuClick(app, MenuId::Edit, pick(0, 1));
      break;
  }
}

void PlayInMode(int mode) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    Window t(mode);
    std::mt19937 rng(seed);
    for (int i = 0; i < 60; ++i) RandomAction(t, rng);
    t.ExpectPictureOfTheState("after play, seed " + std::to_string(seed));
    while (CanUndo(t.app)) MenuClick(t.app, MenuId::Edit, 0);
    t.ExpectPictureOfTheState("after undoing all, seed " + std::to_string(seed));
    while (CanRedo(t.app)) MenuClick(t.app, MenuId::Edit, 1);
    t.ExpectPictureOfTheState("after redoing all, seed " + std::to_string(seed));
  }
}

TEST(UndoPixels, PlayModeReplaysDrawInPairs) { PlayInMode(kModePlay); }
TEST(UndoPixels, NumberInputReplaysDrawInPairs) { PlayInMode(kModeNumber); }
TEST(UndoPixels, ImageInputReplaysDrawInPairs) { PlayInMode(kModeImage); }

}  // namespace
}  // namespace gw
