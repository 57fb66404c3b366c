#pragma once
// The collection's README: the text of a template with the make-up of the collection put in, so
// that the counts and the table always describe the files beside it.
#include <string>
#include <vector>

#include "Catalog.h"
#include "MakePuzzle.h"

namespace gw::collection {

struct Row {
  Entry entry;
  int width = 0, height = 0, colors = 0;
  analysis::Difficulty difficulty = analysis::Difficulty::kNone;
};

// Counts by size band, by number of colours and by difficulty, as a markdown table.
std::string MakeUpSummary(const std::vector<Row>& rows);
// One line per puzzle.
std::string PuzzleTable(const std::vector<Row>& rows);
// The template with "@SUMMARY@" and "@TABLE@" replaced.
std::string FillTemplate(std::string text, const std::vector<Row>& rows);

}  // namespace gw::collection
