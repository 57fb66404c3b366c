#pragma once
// Solved pictures as PNG, to look at what the conversion made: one puzzle, or many side by side.
#include <string>
#include <vector>

#include "formats/PuzzleData.h"

namespace gw::collection {

bool WriteSolvedPng(const PuzzleData& p, int cellPixels, const std::string& path);
// Every picture in rows of `perRow`, each in a square frame of the largest board's size.
bool WriteContactSheet(const std::vector<PuzzleData>& puzzles, int perRow, const std::string& path);

}  // namespace gw::collection
