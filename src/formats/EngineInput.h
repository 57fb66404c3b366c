#pragma once
// The puzzle in memory and the foreign files' plain data as the engine takes them. The board's
// hint slots are read here and only here: a slot holds a run when its number is positive (a
// reader refuses negative numbers, so an empty slot is one whose number is 0).
#include <vector>

#include "analysis/Analysis.h"
#include "formats/PuzzleData.h"
#include "state/PuzzleState.h"

namespace gw {

// The runs of each row (top to bottom) and each column (left to right), empty slots left out.
// A hint of 100 ("A0") stays a run of 100 cells, which no line can hold.
std::vector<ClueLine> RowClues(const PuzzleState& p);
std::vector<ClueLine> ColClues(const PuzzleState& p);

// The puzzle as the engine takes it (colours beyond nine are the caller's to refuse).
analysis::Puzzle EnginePuzzle(const PuzzleData& p);

// The hints in RowHints / ColHints.
analysis::Puzzle HintPuzzle(const PuzzleState& p);
// The hints the picture in Grid gives, the state itself untouched.
analysis::Puzzle PicturePuzzle(const PuzzleState& p);
// The picture in Grid (anything but 1..9 is background).
analysis::Board PictureBoard(const PuzzleState& p);

}  // namespace gw
