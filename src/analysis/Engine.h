#pragma once
// The solving state shared by the verdict and the smaller steps: every cell's possible values, a
// trail to take trial assignments back, and a queue of the lines that need solving again.
#include <chrono>
#include <cstdint>
#include <vector>

#include "analysis/Analysis.h"
#include "analysis/LineCache.h"
#include "analysis/LineSolver.h"

namespace gw::analysis {

// Thrown out of the solving when the budget runs out or the caller stops it.
struct Stopped {
  bool cancelled = false;
};

enum class BranchOrder { kFewestFirst, kInOrder, kMostFirst };

enum class ProbeMode {
  kRemoveOnly,  // only values refuted outright are removed
  kMerge,       // also what every surviving trial of a cell agrees on
};

class Engine {
 public:
  // Without a budget the engine never stops on its own.
  Engine(const Puzzle& puzzle, const Budget* budget);

  // False when the puzzle's data cannot describe a picture (sizes, lengths or colours out of range).
  bool valid() const { return valid_; }
  int width() const { return width_; }
  int height() const { return height_; }
  std::vector<CellSet>& cells() { return cells_; }

  // Narrows cell i to the values in mask and queues its row and column; false when none is left.
  bool Narrow(int i, CellSet mask);
  void QueueAllLines();
  // Solves queued lines until none is left; false on a contradiction (the queue is then empty).
  bool Propagate();
  size_t Mark() const { return trail_.size(); }
  // Takes back every change since the mark.
  void Undo(size_t mark);
  int Undecided() const;
  int FirstUndecided() const;

  // One round of single-cell trials over every undecided cell: -1 on a contradiction, otherwise
  // how many cells it narrowed. bestCell gets the undecided cell whose trials decided the most
  // (-1 when none was tried); it is only meaningful after a round that narrowed nothing.
  int ProbeRound(ProbeMode mode, int* bestCell);
  // Probing rounds until one narrows nothing; false on a contradiction.
  bool ProbeToFixpoint(ProbeMode mode, int* bestCell);

  // Counts solutions from the current state, stopping at two; found boards go to `found`.
  void CountSolutions(std::vector<Board>& found, int& count);
  // Search nodes of the first run of CountSolutions; each further run may take twice as many.
  // Most searches end within the first; the rare one that does not is where another order of
  // the branches helps.
  static constexpr long long kFirstNodeLimit = 512;
  void SetFirstNodeLimit(long long nodes) { firstNodeLimit_ = nodes; }

  long long lines = 0;
  long long probes = 0;
  long long nodes = 0;

 private:
  bool SolveLineAt(int line);
  void Set(int i, CellSet value);
  void CheckBudget();
  Board CurrentBoard() const;
  // One depth-first run; throws OutOfNodes past nodeLimit_. `since`: the trail mark before the
  // branch that led here (kRoot at the root).
  static constexpr size_t kRoot = static_cast<size_t>(-1);
  void Search(std::vector<Board>& found, int& count, size_t since = kRoot);
  void MarkNearCells(size_t since);
  CellSet NextValue(CellSet rest, const long long* changes) const;
  // Probes cell i; -1 contradiction, else cells narrowed. score: the fewest changes among its trials.
  int ProbeCell(int i, ProbeMode mode, long long* score);
  // Records the values a successful trial (since the mark) decided, as values known to survive.
  void NoteImplied(size_t mark);

  int width_ = 0;
  int height_ = 0;
  bool valid_ = true;
  std::vector<LineRuns> lines_;  // rows 0..height-1, then columns
  std::vector<CellSet> cells_;
  std::vector<std::pair<std::int32_t, CellSet>> trail_;
  std::vector<int> queue_;
  size_t queueHead_ = 0;
  std::vector<unsigned char> queued_;
  LineSolver solver_;
  LineCache cache_;
  std::vector<CellSet> line_;  // the cells of the line being solved

  // What the surviving trials of one cell agree on (merge mode).
  std::vector<std::uint32_t> trialStamp_;
  std::vector<std::uint32_t> cellStamp_;
  std::vector<int> agreeCount_;
  std::vector<CellSet> agreeMask_;
  std::vector<int> touched_;
  std::uint32_t trialId_ = 0;
  std::uint32_t cellId_ = 0;

  // Values known to survive a trial in the current state (stateId_ changes with the state).
  std::vector<std::uint32_t> impliedStamp_;
  std::vector<CellSet> implied_;
  std::uint32_t stateId_ = 1;

  // The search's order of branches and its node limit in the current run, and the cells each
  // value of the cell last probed (and of the best cell of a round) decided.
  BranchOrder order_ = BranchOrder::kInOrder;
  long long nodeLimit_ = 0;
  bool nearRun_ = false;   // this run probes only near_ cells below the root
  bool onlyNear_ = false;  // the round being run does
  std::vector<unsigned char> near_;
  long long firstNodeLimit_ = kFirstNodeLimit;
  long long changesOf_[kMaxColors + 1] = {};
  long long bestChanges_[kMaxColors + 1] = {};

  const Budget* budget_ = nullptr;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace gw::analysis
