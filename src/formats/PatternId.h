#pragma once
// A puzzle of the pattern game of Simon Tatham's Portable Puzzle Collection as its descriptive
// game ID: the parameters "WxH" (or "N" for N x N), a colon, then the clues of every column left
// to right and of every row top to bottom, separated by "/", each clue's runs separated by "."
// (an empty line has none, or 0): "5x5:1/2/2.2/1.1/3/1/3/1/4/3". Anything after a comma (the
// squares a game ID may give as known) is no part of the clues and is passed over.
#include <string>

#include "formats/PuzzleData.h"

namespace gw {

// Whether the text (blanks around it aside) has the shape of such an ID: the parameters and the
// colon; what follows is for the parse to judge.
bool LooksLikePatternId(const std::string& text);
// The puzzle, monochrome (black on white), untitled; FormatError when the ID is not whole.
PuzzleData ParsePatternId(const std::string& text);
// The ID of a monochrome puzzle, as the game prints it.
std::string FormatPatternId(const PuzzleData& p);

}  // namespace gw
