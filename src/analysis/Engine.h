#pragma once
// The solving state shared by the verdict and the smaller steps: every cell's possible values, a
// trail to take trial assignments back, and a queue of the lines that need solving again.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "analysis/Analysis.h"
#include "analysis/LineCache.h"
#include "analysis/LineSolver.h"
#include "analysis/PackedLineCache.h"
#include "analysis/Symmetry.h"

namespace gw::analysis {

// Written out: the library's form becomes a call where the processor has no population count.
inline bool IsSingle(CellSet set) { return set != 0 && (set & (set - 1)) == 0; }

// Thrown out of the solving when the budget runs out or the caller stops it.
struct Stopped {
  bool cancelled = false;
};

// The search that learns and the plain search are weighed in counted work: a conflict of the
// one against this many line solves of the other (cached answers included). Each search alone on
// ten boards (n-Dom 10 and 12, generated 25 x 25, random 30 x 30 to 40 x 40) took 294 to 676 line
// solves' time a conflict, median 490. Nodes, the measure before, took from a quarter to four
// times a conflict's time, so the search that decided could wait long for the other to catch up.
constexpr long long kLinesPerConflict = 500;
// Work never reached: of a search that has not decided.
constexpr long long kNever = std::numeric_limits<long long>::max();

enum class BranchOrder { kMostFirst, kFewestFirst, kInOrder };

class Engine {
 public:
  // Without a budget the engine never stops on its own.
  Engine(const Puzzle& puzzle, const Budget* budget);

  // False when the puzzle's data cannot describe a picture (sizes, lengths or colours out of range).
  bool valid() const { return valid_; }
  int width() const { return width_; }
  int height() const { return height_; }
  const std::vector<CellSet>& cells() const { return cells_; }
  // Starts again from the given values of every cell (as many as the board has).
  void LoadCells(const std::vector<CellSet>& cells);

  // Narrows cell i to the values in mask and queues its row and column; false when none is left.
  bool Narrow(int i, CellSet mask);
  void QueueAllLines();
  // Solves queued lines until none is left; false on a contradiction (the queue is then empty).
  bool Propagate();
  size_t Mark() const { return trail_.size(); }
  // Takes back every change since the mark.
  void Undo(size_t mark);
  int Undecided() const { return undecided_; }
  int FirstUndecided() const;

  // One round of single-cell trials over every undecided cell, removing the values refuted:
  // -1 on a contradiction, otherwise how many cells it narrowed.
  int ProbeRound();
  // Probing rounds until one narrows nothing; false on a contradiction.
  bool ProbeToFixpoint();

  // Counts solutions from the current state, stopping at two; found boards go to `found`. The
  // state it leaves may be narrowed by trials, never beyond what probing removes.
  void CountSolutions(std::vector<Board>& found, int& count);
  // Search nodes of the first run of CountSolutions; each further run may take twice as many.
  static constexpr long long kFirstNodeLimit = 128;
  void SetFirstNodeLimit(long long nodes) { firstNodeLimit_ = nodes; }

  // Why the analysis must stop now, if it must: the cancel flag, the caller's poll (asked only
  // when `poll`), the clock.
  std::optional<Stopped> Exhausted(bool poll) const;

  long long lines = 0;
  long long probes = 0;
  long long nodes = 0;
  long long conflicts = 0;  // of the search that learns
  long long learned = 0;    // clauses it still held when it finished

 private:
  bool SolveLineAt(int line);
  bool SolveRuns(int line, CellSet* cells, int n);
  void SizeCaches(size_t slotsPerLine, size_t bytes);
  void Set(int i, CellSet value);
  void CheckBudget();
  Board CurrentBoard() const;
  // Keeps the current (complete) board among the solutions met, if it is a new one, and its
  // images under the hints' symmetries.
  void NoteSolution();
  // The hints' symmetries, found when first asked for (most puzzles never need them).
  const std::vector<Symmetry>& Symmetries();
  // Probes cell i; -1 contradiction, else cells narrowed. score: the most cells one of its
  // trials decided.
  int ProbeCell(int i, long long* score);
  // Records the values a successful trial (since the mark) decided, as values known to survive.
  void NoteImplied(size_t mark);

  // Whether the plain search, `spent` nodes into the count with `met` solutions met, is joined by
  // the one that learns: not yet, on a thread of its own beside it, or instead of it.
  enum class Joining { kNotYet, kBeside, kAlone };
  Joining JoinsAfter(long long spent, size_t met) const;
  // The search that learns (built only where CaDiCaL is), made from the current state with the
  // solutions met so far; null where there is none or the board is too big for it. Ending it
  // stops its thread, if it has one, and waits for it.
  struct Learner;
  struct LearnerEnd {
    Engine* engine = nullptr;  // whose counts take the conflicts of a learner ended beside it
    void operator()(Learner* learner) const;
  };
  using LearnerPtr = std::unique_ptr<Learner, LearnerEnd>;
  LearnerPtr StartLearning();
  // Counts the solutions with the learner on this thread until it decides (true, with `count`)
  // or the budget ends.
  bool Learn(Learner& learner, int& count);
  // Starts the learner on a thread of its own beside the plain search, for as long as neither has
  // decided; the plain search's work is counted from here.
  void LearnBeside(Learner& learner);
  // Ends the learner's turn beside: joins its thread and adds its conflicts to the counts.
  void EndLearner(Learner& learner);
  // Waits for the learner beside to end: true, with `count` and its solutions, when it decided
  // with no more work than the plain search, which decided `plainDecidedAt` (in conflicts) after
  // the learner began, or kNever.
  bool AwaitLearner(Learner& learner, long long plainDecidedAt, int& count);
  // The plain search's work since the learner began beside it, in conflicts.
  long long PlainWork() const { return (lines - besideFrom_) / kLinesPerConflict; }
  // Whether the learner beside has decided with less work than the plain search has done so far.
  bool LearnerDone() const {
    return learnerDecidedAt_ && PlainWork() >= learnerDecidedAt_->load(std::memory_order_acquire);
  }
  // One depth-first run; throws past nodeLimit_.
  void Search(int& count);
  // Probes a node of the search and pushes the branch it chooses; false when the node is a
  // solution or a dead end. `since`: the trail mark before the branch that led here (kRoot at
  // the root).
  static constexpr size_t kRoot = static_cast<size_t>(-1);
  bool EnterNode(int& count, size_t since);
  int ProbeNear(size_t since, int* best);
  void CollectNextTo(size_t from);
  void CollectHemmedIn();
  long long Shaken(long long score);
  CellSet NextValue(CellSet rest, const long long* changes) const;

  int width_ = 0;
  int height_ = 0;
  bool valid_ = true;
  std::vector<LineRuns> lines_;  // rows 0..height-1, then columns
  std::vector<CellSet> cells_;
  int undecided_ = 0;  // cells with more than one value left (or none)
  std::vector<std::pair<std::int32_t, CellSet>> trail_;
  std::vector<int> queue_;
  size_t queueHead_ = 0;
  std::vector<unsigned char> queued_;
  LineSolver solver_;
  LineCache cache_;
  PackedLineCache packed_;
  int cellBits_ = 0;  // bits a cell takes in a packed line; 0 when a line does not fit a word
  std::vector<CellSet> line_;  // the cells of the line being solved
  std::vector<Board> met_;     // distinct solutions met so far, at most two
  std::optional<std::vector<Symmetry>> symmetries_;
  // Set by the learner beside the plain search when it has decided, and the line solves when the
  // plain run beside it began.
  const std::atomic<long long>* learnerDecidedAt_ = nullptr;
  long long besideFrom_ = 0;  // line solves when the learner began beside

  // Values known to survive a trial in the current state (stateId_ changes with the state).
  std::vector<std::uint32_t> impliedStamp_;
  std::vector<CellSet> implied_;
  std::uint32_t stateId_ = 1;

  // The search: its order of branches, its node limit in the current run, whether its choices
  // are shaken (and by what), the cells a trial sequence looks at, and the cells each value of
  // the cell last probed (and of the cell chosen to branch on) decided.
  BranchOrder order_ = BranchOrder::kMostFirst;
  long long nodeLimit_ = 0;
  long long firstNodeLimit_ = kFirstNodeLimit;
  bool shaken_ = false;
  std::uint64_t random_ = 1;
  struct Branch {
    int cell;
    CellSet rest;  // values not tried yet
    size_t mark;   // the trail before the value being tried
    long long changes[kMaxColors + 1];
  };
  std::vector<Branch> branches_;
  std::vector<int> candidates_;
  std::vector<std::uint32_t> seen_;
  std::uint32_t seenId_ = 0;
  std::vector<std::uint32_t> tried_;
  std::uint32_t triedId_ = 0;
  long long changesOf_[kMaxColors + 1] = {};
  long long bestChanges_[kMaxColors + 1] = {};

  const Budget* budget_ = nullptr;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace gw::analysis
