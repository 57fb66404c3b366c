// The search that learns from its conflicts: where line solving, probing and a short plain search
// leave cells open, CaDiCaL decides the rest from the puzzle's clauses, and is asked again with
// every solution found forbidden until it finds none or two are known. A build without CaDiCaL
// has none, and its plain search goes on.
#include "analysis/Engine.h"

#if GW_HAVE_CADICAL
#include <cadical.hpp>

#include "analysis/LineClauses.h"

namespace gw::analysis {
namespace {

// How often (in the solver's calls, about one per conflict) the clock and the cancel flag are
// read, and the caller polled.
constexpr long long kClockEvery = 8;
constexpr long long kPollEvery = 128;

class BudgetStop : public CaDiCaL::Terminator {
 public:
  explicit BudgetStop(const Engine& engine) : engine_(engine) {}
  bool terminate() override {
    if (stop_) return true;
    if (++calls_ % kClockEvery != 0) return false;
    stop_ = engine_.Exhausted(calls_ % kPollEvery == 0);
    return stop_.has_value();
  }
  const std::optional<Stopped>& stop() const { return stop_; }

 private:
  const Engine& engine_;
  long long calls_ = 0;
  std::optional<Stopped> stop_;
};

// Every conflict leaves one learned clause: counting the clauses counts the conflicts.
class ConflictCount : public CaDiCaL::Learner {
 public:
  bool learning(int) override {
    ++count;
    return false;
  }
  void learn(int) override {}
  long long count = 0;
};

// The largest puzzle, in the literals of its clauses, handed to the solver: its memory grows with
// them and with what it learns (a 99 x 99 board of 600 000 literals peaks near 60 MB), and a board
// that line solving leaves this open (a random picture of 99 x 99) has more solutions than
// learning helps to tell apart; the plain search keeps such a board, in a few megabytes.
constexpr size_t kMaxLiterals = 1000000;

constexpr int kSatisfiable = 10;
constexpr int kUnsatisfiable = 20;

Board ModelBoard(CaDiCaL::Solver& solver, const BoardClauses& clauses, int width, int height) {
  Board board{width, height, std::vector<std::uint8_t>(static_cast<size_t>(width) * height)};
  for (size_t i = 0; i < board.cells.size(); ++i)
    for (int v = 0; v < BoardClauses::kValues; ++v) {
      const int var = clauses.CellVar(static_cast<int>(i), v);
      if (var && solver.val(var) > 0) board.cells[i] = static_cast<std::uint8_t>(v);
    }
  return board;
}

}  // namespace

bool Engine::CountByLearning(int& count) {
  const BoardClauses clauses(width_, height_, lines_, cells_);
  if (clauses.cnf().literals.size() > kMaxLiterals) return false;
  CaDiCaL::Solver solver;
  // The configuration tuned for satisfiable formulas restarts less and keeps more of what it
  // learned: on the n-Dom family (7 to 12, 5 interleaved runs) it took 0.65 to 0.83 of the
  // default's time, 9-Dom excepted (1.13), and on random boards handed over at once less too.
  solver.configure("sat");
  BudgetStop stop(*this);
  ConflictCount counter;
  solver.connect_terminator(&stop);
  solver.connect_learner(&counter);
  for (int lit : clauses.cnf().literals) solver.add(lit);
  size_t forbidden = 0;
  int result = kSatisfiable;
  while (met_.size() < 2 && result == kSatisfiable) {
    // Solutions met so far, by the plain search or here, are forbidden before asking again.
    for (; forbidden < met_.size(); ++forbidden) {
      for (int lit : clauses.Forbidding(met_[forbidden])) solver.add(lit);
      solver.add(0);
    }
    result = solver.solve();
    if (result == kSatisfiable) met_.push_back(ModelBoard(solver, clauses, width_, height_));
  }
  conflicts += counter.count;
  learned += solver.redundant();
  solver.disconnect_terminator();
  solver.disconnect_learner();
  if (stop.stop()) throw *stop.stop();
  if (result != kSatisfiable && result != kUnsatisfiable) throw Stopped{false};
  count = static_cast<int>(met_.size());
  return true;
}

}  // namespace gw::analysis
#else
namespace gw::analysis {
bool Engine::CountByLearning(int&) { return false; }
}  // namespace gw::analysis
#endif
