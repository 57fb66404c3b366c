#pragma once

#include "App.h"

namespace gw {

// Keyboard play: the arrows move a cell cursor (with Shift they drag), Space and X or Delete act
// as a left and a right click on its cell, 1..9 choose a puzzle colour in use. Each key goes
// through the mouse's own handlers, so keys and mouse mix freely.
void PlayKeyDown(App& app, int keyCode, int shift);
// A mouse press on a board cell takes the keyboard cursor there.
void FollowPress(App& app, double x, double y);
// Exclusive-or frame of the keyboard cursor on its cell; drawing it again removes it.
void ToggleKeyCursor(App& app);

}  // namespace gw
