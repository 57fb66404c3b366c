#include "MakePuzzle.h"

#include "formats/EngineInput.h"
#include "formats/ForeignFiles.h"
#include "pictures/ImageQuantize.h"
#include "pictures/PuzzleGenerator.h"

namespace gw::collection {

std::string AuthorLine(const Entry& e) { return "グリッドウィック（元の絵: " + SourceCredit(e) + "）"; }

Made MakePuzzle(const Entry& e, const ImagePixels& image, double seconds) {
  Made made;
  made.puzzle = QuantizeImage(image, {e.longSide, e.colors});
  // The conversion gives the shape's own colour; a monochrome puzzle is played in black, where a
  // pale shape (a grey rabbit, a white cloud) would hardly show against the board.
  if (made.puzzle.ColorCount() == 1) made.puzzle.colors[1].rgb = MakeRgb(0, 0, 0);
  made.puzzle.title = e.title;
  made.puzzle.author = AuthorLine(e);
  analysis::Budget budget;
  budget.seconds = seconds;
  made.verdict = analysis::Analyze(EnginePuzzle(made.puzzle), budget);
  return made;
}

std::string VerdictWords(const analysis::Analysis& a) {
  switch (a.solutions) {
    case 1: return std::string("unique, ") + DifficultyName(a.difficulty);
    case 0: return "no solution";
    case analysis::kUnknown: return "no verdict in time";
    default: return "several solutions";
  }
}

}  // namespace gw::collection
