#pragma once
// Between the program's one puzzle (its board of at most 20 x 20 and nine palette colours drawn
// from the 32-colour table) and the plain data of the foreign formats.
#include <string>

#include "formats/PuzzleData.h"
#include "state/PuzzleState.h"

namespace gw {

// The hints of the puzzle in memory, with the colours its palette gives them.
PuzzleData DataFromHints(const PuzzleState& p, const Rgb table[32]);
// A picture: the runs derived from the board, and the board as the solution.
PuzzleData DataFromPicture(const PuzzleState& p, const Rgb table[32]);

// Why the program's own files (and the window's number input) cannot hold the puzzle (the
// size-limit message's reason); "" when they can.
std::string WhyNotHeld(const PuzzleData& d);
// Why the board in memory cannot hold the puzzle for play (over 99 x 99, more than 9 colours);
// "" when it can.
std::string WhyNotPlayable(const PuzzleData& d);

// Where each colour of a puzzle goes in the colour table.
struct ColorMapping {
  int entry[10] = {};       // entry[k]: the table index of colour k (1..9)
  bool exact[10] = {};      // the table holds colour k exactly (after the mapping is applied)
  Rgb userColor[32] = {};   // the exact colours written into free user-made slots ...
  bool userSet[32] = {};    // ... and which slots they are
};

// Each colour to an entry of the table that holds it exactly, else to a free user-made slot
// (16..31 still white) filled with it, else to the nearest entry no other colour of the puzzle
// took. Entry 15 marks a free palette slot and is never given. Needs WhyNotHeld(d) == "".
// Without `fillFreeSlots` the table is left as it is (for files written where the user's colours
// cannot follow them).
ColorMapping MapColors(const PuzzleData& d, const Rgb table[32], bool fillFreeSlots = true);
void ApplyUserColors(const ColorMapping& m, Rgb table[32]);

// Replaces the puzzle's sizes, hints and palette (board cleared) by those of `d`; the colours
// come from the table, as the program's own files keep them.
void HintsToState(const PuzzleData& d, const ColorMapping& m, PuzzleState& p);
// Replaces the board and palette by the solution of `d` as a picture (hints derived).
void PictureToState(const PuzzleData& d, const ColorMapping& m, PuzzleState& p);
// After HintsToState: the puzzle is shown in exactly the colours `d` brings, whatever the table
// holds (the palette keeps the mapping's entries for the program's own files).
void KeepOwnColors(const PuzzleData& d, PuzzleState& p);

}  // namespace gw
