#pragma once
// New puzzles on demand: a random picture, changed where the engine finds a second solution until
// it has only one, kept when the engine rates it as asked.
#include <cstdint>
#include <optional>
#include <string>

#include "analysis/Analysis.h"
#include "formats/PuzzleData.h"

namespace gw {

struct GenerateRequest {
  int width = 10;
  int height = 10;
  int colors = 1;  // 1..9
  analysis::Difficulty difficulty = analysis::Difficulty::kLine;
  std::uint32_t seed = 1;
  double seconds = 10;  // give up after this long
};

struct GenerateResult {
  std::optional<PuzzleData> puzzle;  // empty when none was found in time
  int pictures = 0;                  // random pictures tried
  int repairs = 0;                   // cells changed to make them unique
};

// The same request (seed included) always gives the same puzzle.
GenerateResult GeneratePuzzle(const GenerateRequest& request);

// "line", "probe", "search" and back; false for another word.
bool DifficultyFromName(const std::string& name, analysis::Difficulty& out);
const char* DifficultyName(analysis::Difficulty d);
// ノーマル, 背理法, 探索: the names the window shows.
const char* DifficultyLabel(analysis::Difficulty d);  // in Japanese: Tr where it is shown

}  // namespace gw
