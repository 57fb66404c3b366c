#pragma once
// The turns and mirror images of a board that carry its hints onto themselves. Every solution of
// such a puzzle turned or mirrored is a solution too: one that is not its own image has a second
// solution beside it for free, and a search may look first among the pictures that are their own
// images (far fewer cells to decide), where designed puzzles with symmetric hints often have one.
#include <vector>

#include "analysis/Analysis.h"

namespace gw::analysis {

// Where each cell of the board goes (cell i to image[i]), and where each line goes (rows 0..height-1,
// then columns, as the engine counts them).
struct Symmetry {
  std::vector<int> cells;
  std::vector<int> lines;
};

// The symmetries other than the identity, found on the box that leaves out the empty lines at the
// board's edges (a picture drawn off-centre keeps its symmetry). They form a group with the
// identity: the image of a symmetric puzzle under one of them is symmetric in the same ways.
// lines: rows top to bottom, then columns left to right.
std::vector<Symmetry> HintSymmetries(int width, int height, const std::vector<LineRuns>& lines);

Board Transformed(const Board& board, const Symmetry& symmetry);

// Whether the board shows exactly these runs in every line.
bool BoardFits(const Board& board, const std::vector<LineRuns>& lines);

// Adds to the solutions met, up to two, the images of the last one met that are new (each checked
// against the hints, though a symmetry of the hints cannot carry a solution anywhere else).
void AddImages(std::vector<Board>& met, const std::vector<Symmetry>& symmetries,
               const std::vector<LineRuns>& lines);

// The board folded by its symmetries: each cell's stand-in (the smallest cell it is carried to),
// and whether a line is kept (no symmetry carries it to an earlier one). A picture that is its own
// image under every symmetry is decided by its stand-ins and its kept lines alone.
struct Folding {
  std::vector<int> standIn;
  std::vector<char> kept;
};
// By the symmetries given and all they make together.
Folding FoldBy(const std::vector<Symmetry>& symmetries, int cells, int lines);
// The foldings to look through for symmetric solutions, the coarsest first: by every symmetry of
// the hints, then by each smaller group one of them makes (the symmetry applied again and again).
std::vector<Folding> Foldings(const std::vector<Symmetry>& symmetries, int cells, int lines);

}  // namespace gw::analysis
