#pragma once
// One puzzle of the collection: the image through the program's own conversion, the title and
// the credit put on it, and the engine's verdict.
#include <string>

#include "Catalog.h"
#include "analysis/Analysis.h"
#include "formats/PuzzleData.h"
#include "platform/ImagePixels.h"

namespace gw::collection {

struct Made {
  PuzzleData puzzle;
  analysis::Analysis verdict;
};

// The author line of every puzzle: the project, with the image's source.
std::string AuthorLine(const Entry& e);

Made MakePuzzle(const Entry& e, const ImagePixels& image, double seconds);

// "unique, probe" or why the puzzle cannot be shipped.
std::string VerdictWords(const analysis::Analysis& a);

}  // namespace gw::collection
