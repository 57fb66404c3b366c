#pragma once

#include "App.h"

namespace gw {

// Number input mode: the hints of a printed puzzle are typed in at the input cursor and coloured
// with the right mouse button.
void NumberMouseDown(App& app, int button, int shift, double x, double y);
void NumberMouseMove(App& app, int button, int shift, double x, double y);
// Codes 37 left, 38 up, 39 right, 40 down; an entry still in the buffer is stored first.
void MoveInputCursor(App& app, int code);
// A digit, "a", "A" or Enter (13).
void NumberKeyPress(App& app, int code);
// Stores DigitBuffer into the slot under the cursor and reprints the slot.
void CommitHintEntry(App& app);
// Prints HintText(oldNumber) in white over the old digits, then HintText(newNumber) in `color`,
// the colour of the hint's palette slot.
void RedrawHintNumber(App& app, double x, double y, int oldNumber, int newNumber, Rgb color);

}  // namespace gw
