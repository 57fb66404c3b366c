#pragma once
// The complete solver: a puzzle as plain data in, a verdict out. It knows nothing of the window,
// the files or the App; everything it needs comes in through these types.
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace gw::analysis {

// One run of a line's hints: its length and its colour 1..9.
struct Run {
  int length = 0;
  int color = 1;
};
// A line's runs in reading order: a row's from left to right, a column's from top to bottom.
using LineRuns = std::vector<Run>;

constexpr int kMaxColors = 9;
// The largest side the engine takes; a bigger puzzle gets the verdict kUnknown.
constexpr int kMaxSide = 256;

struct Puzzle {
  int width = 0;
  int height = 0;
  std::vector<LineRuns> rows;  // height lines, top to bottom
  std::vector<LineRuns> cols;  // width lines, left to right
};

// A complete picture: cells[y * width + x] (0-based), 0 empty, 1..9 a colour.
struct Board {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> cells;
  int At(int x, int y) const { return cells[static_cast<size_t>(y) * width + x]; }
};

// The values a cell may still take: bit 0 empty, bit k colour k.
using CellSet = std::uint16_t;
constexpr CellSet kEmptyBit = 1;
constexpr CellSet ColorBit(int k) { return CellSet(1u << k); }
constexpr CellSet kAllValues = 0x3FF;

enum class Difficulty {
  kNone,    // not a unique puzzle (or not known)
  kLine,    // line reasoning over rows and columns decides every cell
  kProbe,   // single-cell probing (removals only) on top of it decides every cell
  kSearch,  // unique, but only deeper search decides it
};

// solutions when the analysis stopped before a verdict.
constexpr int kUnknown = -1;

// The plain search's nodes before the search that learns takes over: four of its runs (128, 256,
// 512 and 1024 nodes). Random puzzles that line solving leaves open are settled within them, and
// faster by the plain search with its probing; puzzles whose structure makes it repeat the same
// contradictions branch after branch are not, and go on with learning.
constexpr long long kLearnAfterNodes = 1920;

// How the search that learns writes each line's runs as clauses: a ladder of start places per
// run, or the states of the automaton that reads the line (which run, how far in) at each cell.
// The automaton narrows a line as far as the line solver does and needed fewer conflicts on 12 of
// 16 hard boards, but 1.4 to 1.7 times the literals, and each conflict cost two to three times as
// much: slower on the n-Dom family (2.5 to 3 times) and on most of the rest (bench_learning).
enum class LineEncoding { kLadders, kAutomaton };

struct Budget {
  double seconds = 60;
  // Set from another thread to stop the analysis.
  const std::atomic<bool>* cancel = nullptr;
  // Called on the analysing thread every few thousand line solves (never on a puzzle that needs
  // fewer); false stops the analysis as cancelled. Lets a single-threaded caller show progress.
  std::function<bool()> poll;
  // Search nodes after which the search for solutions goes on with one that learns from its
  // conflicts (see LearningAvailable); negative: never. Line solving and probing come first
  // either way, so puzzles they decide never reach it.
  long long learnAfterNodes = kLearnAfterNodes;
  LineEncoding learnerLines = LineEncoding::kLadders;
};

struct Analysis {
  int solutions = kUnknown;  // 0, 1, 2 (two or more), or kUnknown
  Difficulty difficulty = Difficulty::kNone;  // set when solutions == 1
  std::vector<Board> boards;                  // the solutions found, at most two
  bool cancelled = false;                     // kUnknown because of cancel or poll, not time
  long long lines = 0;                        // line solves run (cached answers included)
  long long probes = 0;                       // single-cell trials
  long long nodes = 0;                        // search branches
  long long conflicts = 0;                    // conflicts of the search that learns
  long long learned = 0;                      // learned clauses it still held at the end
  long long elapsedUs = 0;
};

// Counts the solutions up to two and rates a unique puzzle. Exact: when the budget runs out the
// verdict is kUnknown, never a guess.
Analysis Analyze(const Puzzle& puzzle, const Budget& budget = {});

// Whether this build has the search that learns from its conflicts (CaDiCaL). Without it the
// plain search goes on to the end: the same verdicts, slower on the hardest puzzles.
bool LearningAvailable();

// --- smaller steps, for reasoning the way a player does (hints, checks) ----------------------

// The possible values of every cell: cells[y * width + x].
struct Candidates {
  int width = 0;
  int height = 0;
  std::vector<CellSet> cells;
  CellSet& At(int x, int y) { return cells[static_cast<size_t>(y) * width + x]; }
  CellSet At(int x, int y) const { return cells[static_cast<size_t>(y) * width + x]; }
};

// Every cell open to empty and to each colour the puzzle's runs use.
Candidates BlankCandidates(const Puzzle& puzzle);

// Narrows one line's cells (in reading order) to the values some placement of the runs allows;
// false when no placement fits (the cells are then unspecified).
bool SolveLine(const LineRuns& runs, std::span<CellSet> cells);

// Line reasoning over rows and columns until nothing changes; false on a contradiction.
bool PropagateLines(const Puzzle& puzzle, Candidates& cells);

// The values of cell (x, y) that line reasoning refutes when tried one at a time.
CellSet RefutedValues(const Puzzle& puzzle, const Candidates& cells, int x, int y);

// Line reasoning, then single-cell probing (removals only) until a whole round removes nothing;
// false on a contradiction.
bool ProbeCells(const Puzzle& puzzle, Candidates& cells);

// Whether the runs fit a line of this length at all (lengths 1..length, colours 1..9, room for
// the gaps between runs of one colour).
bool RunsFit(const LineRuns& runs, int length);

struct LineRef {
  bool isRow = true;
  int index = 0;  // 0-based
};
// The first row, then column, whose runs cannot fit its length.
std::optional<LineRef> FindLineThatCannotFit(const Puzzle& puzzle);

}  // namespace gw::analysis
