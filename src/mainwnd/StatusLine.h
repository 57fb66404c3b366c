#pragma once
// 表示 > ステータスバー: a line below the board with the puzzle, its play time and the cell under
// the pointer. The window asks for the text as often as it likes (the time moves on by itself).
#include <string>

#include "App.h"

namespace gw {

// "「題」 1:05　15 × 15　列 3・行 12": the timed puzzle in play with its time (else the title
// alone), the board's size, and the cell under the pointer while it is on the board.
std::string StatusText(App& app);
// Shows or hides the bar as the option says.
void ShowStatusBar(App& app);
// Where the pointer is on the board (col and row from 1; 0 outside), kept for the bar.
void NotePointerCell(App& app, double x, double y);

}  // namespace gw
