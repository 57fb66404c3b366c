// The search that learns from its conflicts: where line solving, probing and a short plain search
// leave cells open, CaDiCaL decides the rest from the puzzle's clauses, and is asked again with
// every solution found forbidden until it finds none or two are known. It runs instead of the
// plain search or on a thread beside it, the first to decide giving the verdict. A build without
// CaDiCaL has none, and its plain search goes on.
#include "analysis/Engine.h"

#if GW_HAVE_CADICAL
#include <cadical.hpp>

#include <algorithm>
#include <chrono>
#include <thread>

#include "analysis/LineClauses.h"

namespace gw::analysis {
namespace {

// How often (in the solver's calls, about one per conflict) the clock and the cancel flag are
// read, and the caller polled.
constexpr long long kClockEvery = 8;
constexpr long long kPollEvery = 128;

class BudgetStop : public CaDiCaL::Terminator {
 public:
  // poll: whether the caller's poll may be asked (only on the analysing thread); overtaken: set
  // when the plain search has decided first.
  BudgetStop(const Engine& engine, bool poll, const std::atomic<bool>& overtaken)
      : engine_(engine), poll_(poll), overtaken_(overtaken) {}
  bool terminate() override {
    if (stop_ || overtaken_.load(std::memory_order_relaxed)) return true;
    if (++calls_ % kClockEvery != 0) return false;
    stop_ = engine_.Exhausted(poll_ && calls_ % kPollEvery == 0);
    return stop_.has_value() || std::chrono::steady_clock::now() >= turnEnd_;
  }
  const std::optional<Stopped>& stop() const { return stop_; }
  // Ends the solver's turn, without a stop, at this time.
  void EndTurnAt(std::chrono::steady_clock::time_point end) { turnEnd_ = end; }

 private:
  const Engine& engine_;
  const bool poll_;
  const std::atomic<bool>& overtaken_;
  long long calls_ = 0;
  std::optional<Stopped> stop_;
  std::chrono::steady_clock::time_point turnEnd_ = std::chrono::steady_clock::time_point::max();
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

struct Engine::Learner {
  Learner(int width, int height, const std::vector<LineRuns>& lines,
          const std::vector<CellSet>& cells, const std::vector<Board>& met)
      : cells(cells), clauses(width, height, lines, this->cells), met(met) {}
  // Its own copy of the cells: the plain search beside it goes on changing the engine's.
  std::vector<CellSet> cells;
  BoardClauses clauses;
  CaDiCaL::Solver solver;
  ConflictCount counter;
  std::vector<Board> met;  // the solutions met before it began, then those it finds
  size_t forbidden = 0;    // how many of them the solver holds clauses against
  long long counted = 0;   // its conflicts already added to the engine's
  int result = 0;          // the solver's last answer; 0 when it was stopped
  std::optional<Stopped> stop;
  std::atomic<bool> done{false};
  std::atomic<bool> overtaken{false};
  std::thread thread;
};

void Engine::LearnerEnd::operator()(Learner* learner) const {
  // A learner still beside the plain search when the count is stopped (by the budget or a
  // cancel) is ended as EndLearner ends it, so that its conflicts are reported as they stood.
  if (engine && learner->thread.joinable()) engine->EndLearner(*learner);
  learner->overtaken = true;
  if (learner->thread.joinable()) learner->thread.join();
  delete learner;
}

Engine::LearnerPtr Engine::StartLearning() {
  LearnerPtr learner(new Learner(width_, height_, lines_, cells_, met_), LearnerEnd{this});
  const Cnf& cnf = learner->clauses.cnf();
  if (cnf.literals.size() > kMaxLiterals) return nullptr;
  CaDiCaL::Solver& solver = learner->solver;
  // The configuration tuned for satisfiable formulas restarts less and keeps more of what it
  // learned: on the n-Dom family (7 to 12, 5 interleaved runs) it took 0.65 to 0.83 of the
  // default's time, 9-Dom excepted (1.13), and on random boards handed over at once less too.
  solver.configure("sat");
  // Told of every variable at once, the solver sizes its tables once instead of growing them.
  solver.reserve(cnf.vars);
  for (int lit : cnf.literals) solver.add(lit);
  return learner;
}

namespace {

// Asks the solver again, each solution found forbidden, until it has found none or two are
// known; leaves its last answer (0 when stopped) and why it stopped in the learner.
template <typename L>
void CountModels(L& learner, BudgetStop& stop, int width, int height) {
  CaDiCaL::Solver& solver = learner.solver;
  solver.connect_terminator(&stop);
  solver.connect_learner(&learner.counter);
  learner.result = kSatisfiable;
  while (learner.met.size() < 2 && learner.result == kSatisfiable) {
    for (; learner.forbidden < learner.met.size(); ++learner.forbidden) {
      for (int lit : learner.clauses.Forbidding(learner.met[learner.forbidden])) solver.add(lit);
      solver.add(0);
    }
    learner.result = solver.solve();
    if (learner.result == kSatisfiable)
      learner.met.push_back(ModelBoard(solver, learner.clauses, width, height));
  }
  solver.disconnect_terminator();
  solver.disconnect_learner();
  learner.stop = stop.stop();
}

}  // namespace

bool Engine::Learn(Learner& learner, std::chrono::steady_clock::duration turn, int& count) {
  using Clock = std::chrono::steady_clock;
  BudgetStop stop(*this, true, learner.overtaken);
  if (turn != Clock::duration::max()) stop.EndTurnAt(Clock::now() + turn);
  const long long before = learner.counter.count;
  CountModels(learner, stop, width_, height_);
  conflicts += learner.counter.count - before;
  learned = learner.solver.redundant();
  if (learner.stop) throw *learner.stop;
  // Neither a verdict nor a stop: the turn is over.
  if (learner.result != kSatisfiable && learner.result != kUnsatisfiable) return false;
  met_ = learner.met;
  count = static_cast<int>(met_.size());
  return true;
}

void Engine::LearnBeside(Learner& learner) {
  learner.counted = learner.counter.count;
  learnerDone_ = &learner.done;
  learner.thread = std::thread([this, &learner] {
    try {
      BudgetStop stop(*this, false, learner.overtaken);
      CountModels(learner, stop, width_, height_);
    } catch (...) {
      // Out of memory in the solver: no verdict from it, the plain search goes on.
      learner.result = 0;
    }
    learner.done.store(true, std::memory_order_release);
  });
}

void Engine::EndLearner(Learner& learner) {
  learner.overtaken = true;
  if (learner.thread.joinable()) learner.thread.join();
  learnerDone_ = nullptr;
  conflicts += learner.counter.count - learner.counted;
  learned = learner.solver.redundant();
}

bool Engine::AwaitLearner(Learner& learner, int& count) {
  // Waiting, the analysing thread still asks the caller's poll: a window waiting on it stays
  // responsive and its cancel button works.
  while (!learner.done.load(std::memory_order_acquire)) {
    if (const auto stop = Exhausted(true)) throw *stop;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  EndLearner(learner);
  if (learner.result != kSatisfiable && learner.result != kUnsatisfiable) return false;
  // Every solution is among those it knows (it proved there is no other, or knows two), the
  // ones the plain search met since it began included.
  for (const Board& board : learner.met)
    if (met_.size() < 2 && std::none_of(met_.begin(), met_.end(), [&](const Board& m) {
          return m.cells == board.cells;
        }))
      met_.push_back(board);
  count = static_cast<int>(met_.size());
  return true;
}

}  // namespace gw::analysis
#else
namespace gw::analysis {
struct Engine::Learner {};
void Engine::LearnerEnd::operator()(Learner* learner) const { delete learner; }
Engine::LearnerPtr Engine::StartLearning() { return nullptr; }
bool Engine::Learn(Learner&, std::chrono::steady_clock::duration, int&) { return false; }
void Engine::LearnBeside(Learner&) {}
void Engine::EndLearner(Learner&) {}
bool Engine::AwaitLearner(Learner&, int&) { return false; }
}  // namespace gw::analysis
#endif
