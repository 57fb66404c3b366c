#pragma once
// 編集 > 問題をコピー and 問題を貼り付け: the puzzle passed on as text, as .non, which the other
// programs read; pasted text in any format the readers take, told by its content.
#include "App.h"

namespace gw {

void CopyPuzzle(App& app);
// What the clipboard holds opens for play; anything that is not a whole puzzle (an image, too
// much text, half a puzzle) is told and leaves the board as it was.
void PastePuzzle(App& app);

}  // namespace gw
