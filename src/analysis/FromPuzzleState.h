#pragma once
// The puzzle in memory as the engine's plain data.
#include "analysis/Analysis.h"
#include "state/PuzzleState.h"

namespace gw::analysis {

// The hints in RowHints / ColHints, empty slots left out. A hint of 100 ("A0") stays a run of
// 100 cells, which no line can hold.
Puzzle HintPuzzle(const PuzzleState& p);
// The hints the picture in Grid gives, the state itself untouched.
Puzzle PicturePuzzle(const PuzzleState& p);
// The picture in Grid (anything but 1..9 is background).
Board PictureBoard(const PuzzleState& p);

}  // namespace gw::analysis
