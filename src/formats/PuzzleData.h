#pragma once
// A puzzle as the foreign formats hold it: plain data with no limit of the program's own board,
// so that a file too big to play can still be checked or converted, and refused only where it is
// to be held.
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Rgb.h"

namespace gw {

// The largest board any reader accepts; beyond it a file is refused before anything is built.
constexpr int kMaxFormatSize = 99;
// The most colours (background not counted) a reader keeps.
constexpr int kMaxFormatColors = 32;

struct ClueRun {
  int length = 0;
  int color = 1;  // 1..colors.size()-1
  bool operator==(const ClueRun&) const = default;
};
using ClueLine = std::vector<ClueRun>;

struct PuzzleColor {
  std::string name;
  Rgb rgb = 0;
  char symbol = 0;  // the character that stands for it in a file's picture, 0 when it has none
};

struct PuzzleData {
  int width = 0;
  int height = 0;
  std::string title;
  std::string author;
  // The answer text of the program's hint files (what the picture shows); no foreign format has it.
  std::string answer;
  // colors[0] is the background; colors[1..] are the colours of the runs.
  std::vector<PuzzleColor> colors;
  std::vector<ClueLine> rows;  // top to bottom, each in reading order
  std::vector<ClueLine> cols;  // left to right
  // solution[y][x]: 0 background, 1.. a colour; empty when the file holds none.
  std::vector<std::vector<int>> solution;

  int ColorCount() const { return colors.empty() ? 0 : int(colors.size()) - 1; }
};

// A file a reader refuses, with the line it stopped at (0 when the fault is not on one line).
class FormatError : public std::runtime_error {
 public:
  FormatError(const std::string& message, int line = 0);
  int line() const { return line_; }

 private:
  int line_;
};

// The runs of one line of a picture (0 background).
ClueLine RunsOf(const std::vector<int>& cells);
std::vector<int> SolutionRow(const PuzzleData& p, int y);
std::vector<int> SolutionColumn(const PuzzleData& p, int x);
// Sets the clues from the solution.
void DeriveClues(PuzzleData& p);

// The checks every reader ends with: sizes in range, runs that fit their lines, rows and columns
// that agree on how many cells of each colour there are, and a solution that gives the clues.
void CheckPuzzle(const PuzzleData& p);
// Drops the colours that neither a run nor the solution uses, renumbering the rest.
void DropUnusedColors(PuzzleData& p);

// "#RRGGBB", the text a file stores a colour as.
std::string HexOf(Rgb c);
// Reads "RGB", "RRGGBB", with or without "#"; false when the text is neither.
bool ParseHex(const std::string& text, Rgb& out);

// Japanese texts of the refusals common to every format.
std::string LineMessage(int line, const std::string& what);

}  // namespace gw
