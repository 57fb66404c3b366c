#pragma once

#include "App.h"

namespace gw {

// Mouse buttons: a press names the one button (1 left, 2 right, 4 middle); a move the sum of the
// buttons held.
enum MouseButton { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
// Key codes of the arrow keys and the Enter character.
enum KeyCode { kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40, kCharEnter = 13 };
// Key codes of keyboard play: the digit keys 1..9 are 49..57, the keypad's 97..105.
enum PlayKeyCode { kKeySpace = 32, kKeyDelete = 46, kKeyX = 88, kKey1 = 49, kKeyPad1 = 97 };
// The shift argument of key and mouse events: a sum of these.
enum ShiftState { kShiftDown = 1, kCtrlDown = 2, kAltDown = 4 };

// The events of the main window. Positions are in board units.
void MainWndLoad(App& app);
void MainWndPaint(App& app);
void MainWndMouseDown(App& app, int button, int shift, double x, double y);
void MainWndMouseMove(App& app, int button, int shift, double x, double y);
// Every button let go: what only lasts while one is held goes.
void MainWndMouseUp(App& app);
void MainWndKeyDown(App& app, int keyCode, int shift = 0);
void MainWndKeyPress(App& app, int charCode);
// The window was closed by any means: the program ends, nothing is offered or written.
void MainWndClosed(App& app);
// The window became the active one (true) or lost that (false, also when minimised): the play
// timer runs only while it is active.
void MainWndActivated(App& app, bool active);
// A press in the palette box Pic(index); y in the box's own units.
void PicMouseDown(App& app, int index, int button, int shift, double x, double y);


}  // namespace gw
