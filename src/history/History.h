#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "state/Document.h"
#include "state/GuessLayer.h"
#include "state/PuzzleState.h"

namespace gw {

// Where a change happened: a board cell (x, y), or one plane of a hint slot.
enum class Place : unsigned char { Cell, RowHint, ColHint };

// One changed value. Cell: (a, b) = (x, y). RowHint: (a, b) = (slot, y). ColHint: (a, b) =
// (x, slot). `plane` is the hint plane (number, colour, check); 0 for cells.
struct Change {
  Place place = Place::Cell;
  unsigned char a = 0, b = 0, plane = 0;
  int old = 0;
  int now = 0;
};

// One user action: every value it changed, each place once, with the value before and after.
struct Step {
  std::vector<Change> changes;
  // The guess layer before and after, for a step that began, kept or took back a guess.
  std::shared_ptr<const std::pair<GuessLayer, GuessLayer>> guess;
};

// The cells and hints as they were when an action began: the action's step is what differs
// from them when it ends. Only indices below `extent` are kept: 21 for every board of 20 x 20
// or less (the whole arrays as they always were), one past the largest size or hint count above.
struct BoardSnapshot {
  int extent = 0;
  std::vector<int> grid;   // [x * extent + y]
  std::vector<int> rows;   // [(slot * extent + y) * 3 + plane]
  std::vector<int> cols;   // [(x * extent + slot) * 3 + plane]
};
// The indices an action may touch on this puzzle: 0 .. SnapshotExtent(p) - 1 on every axis.
int SnapshotExtent(const PuzzleState& p);

// What makes a puzzle in memory the same puzzle: an open, a new puzzle or a mode change that
// replaced it leaves a history that no longer fits.
struct PuzzleIdentity {
  int Mode = 0, XSize = 0, YSize = 0, XHintCount = 0, YHintCount = 0;
  std::string CurPath;
  BoardSnapshot board;
};

// Undo and redo of the puzzle in memory. `done` ends with the latest step; `undone` with the
// step that redo brings back first.
struct History {
  std::vector<Step> done;
  std::vector<Step> undone;
  // An action being recorded: a stroke goes on over the moves after its press.
  bool open = false;
  // The open action has changed something already (so redo is gone and undo has something).
  bool openChanged = false;
  BoardSnapshot before;
  GuessLayer guessBefore;
};

void TakeSnapshot(const PuzzleState& p, BoardSnapshot& snap);
bool SameBoard(const BoardSnapshot& snap, const PuzzleState& p);
// The changes from `before` to the board now: cells first (row by row), then row hints, then
// column hints.
Step DiffBoard(const BoardSnapshot& before, const PuzzleState& p);
PuzzleIdentity IdentityOf(const PuzzleState& p, const Document& doc);
bool SamePuzzle(const PuzzleIdentity& id, const PuzzleState& p, const Document& doc);

}  // namespace gw
