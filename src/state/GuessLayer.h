#pragma once
// The guess layer of play: the player tries a guess and can take it back. Each level keeps the
// board as it was when the level began, so a cell belongs to the innermost level whose start it
// differs from; nothing else has to follow the cells as they change (a stroke, an undo, the
// solver), and a cell painted back to what it was is ordinary again.
#include <vector>

#include "state/PuzzleState.h"

namespace gw {

struct GuessLayer {
  int width = 0, height = 0;
  // The cells at the start of each level, outermost first: [(x - 1) * height + (y - 1)].
  std::vector<std::vector<int>> starts;

  int Depth() const { return static_cast<int>(starts.size()); }
  bool operator==(const GuessLayer&) const = default;
};

// The level (1 = outermost guess) the cell's value belongs to, or 0 for an ordinary cell.
int GuessLevelOf(const GuessLayer& g, int x, int y, int value);
// A new innermost level over the board as it is.
void PushGuessLevel(GuessLayer& g, const PuzzleState& p);
// The cells of the innermost level that differ from its start, as (x, y, value at the start).
struct GuessedCell {
  int x, y, start;
};
std::vector<GuessedCell> InnermostCells(const GuessLayer& g, const PuzzleState& p);

}  // namespace gw
