#pragma once
// The stored game of a board larger than the progress file .gwp can hold (wider or taller than
// 20): a file of its own beside the puzzle, named after the puzzle file with ".gwq" added
// ("castle.non" keeps its game in "castle.non.gwq"). It holds the cells, the ticks and a
// fingerprint of the hints, so that it never opens against another board.
#include <cstdint>
#include <string>

#include "state/PuzzleState.h"

namespace gw {

bool IsLargeBoard(const PuzzleState& p);
std::string LargeProgressPath(const std::string& puzzlePath);
// Sizes, hint counts and every hint's number and colour, mixed into 64 bits.
std::uint64_t HintFingerprint(const PuzzleState& p);

// The file's text (CR LF lines):
//   GWQ 1
//   SIZE <width> <height> <row hint slots> <column hint slots>
//   HINTS <fingerprint, 16 hexadecimal digits>
//   one line per row: a character per cell, '.' blank, '*' marked empty, '1'..'9' a colour
//   one line per row: a character per row hint slot, '1' ticked, '0' not
//   one line per column: a character per column hint slot, '1' ticked, '0' not
std::string LargeProgressText(const PuzzleState& p);
// Puts the stored cells and ticks on the board. Throws FileError (13) and changes nothing when
// the text is not such a file of exactly this board, or paints a colour whose palette entry is
// free (a colour the puzzle does not have). The caller reads the file no larger than
// kMaxOwnFileBytes, as the program's other files.
void ApplyLargeProgress(PuzzleState& p, const std::string& text);

}  // namespace gw
