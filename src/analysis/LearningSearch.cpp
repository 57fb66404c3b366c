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
#include <memory>
#include <thread>

#include "analysis/FoldedSearch.h"
#include "analysis/LineClauses.h"

namespace gw::analysis {
namespace {

// How often (in the solver's calls, one per step of its search once it is told to ask every
// step) the clock and the cancel flag are read, and the caller polled. Asked only every tenth
// step, as it is by default, and reading the clock every eighth call, 12-Dom stopped up to 65 ms
// past its deadline on a busy machine (bench_learning).
constexpr long long kClockEvery = 4;
constexpr long long kPollEvery = 1024;

// Stops the solver when the budget runs out or the count is over; beside the plain search it
// stops by conflicts counted, never by the clock, so that where it stops does not depend on the
// machine's speed.
class BudgetStop : public CaDiCaL::Terminator {
 public:
  // poll: whether the caller's poll may be asked (only on the analysing thread); overtaken: set
  // when the count is over without it; conflicts, passed: its conflicts so far, and the count
  // past which the plain search beside it has decided sooner.
  BudgetStop(const Engine& engine, bool poll, const std::atomic<bool>& overtaken,
             const long long& conflicts, const std::atomic<long long>& passed)
      : engine_(engine), poll_(poll), overtaken_(overtaken), conflicts_(conflicts), passed_(passed) {}
  bool terminate() override {
    fired_ = Fires();
    return fired_;
  }
  const std::optional<Stopped>& stop() const { return stop_; }
  // Whether it stopped the solver (rather than a limit of conflicts set for one call).
  bool fired() const { return fired_; }

 private:
  bool Fires() {
    if (stop_ || overtaken_.load(std::memory_order_relaxed)) return true;
    if (conflicts_ > passed_.load(std::memory_order_acquire)) return true;
    if (++calls_ % kClockEvery != 0) return false;
    stop_ = engine_.Exhausted(poll_ && calls_ % kPollEvery == 0);
    return stop_.has_value();
  }

  const Engine& engine_;
  const bool poll_;
  const std::atomic<bool>& overtaken_;
  const long long& conflicts_;
  const std::atomic<long long>& passed_;
  long long calls_ = 0;
  bool fired_ = false;
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
// them, near 80 bytes a literal with what it learns (an 80 x 80 random picture of a quarter ink,
// 2.4 million literals, peaks at 210 MB for the whole process). Such sparse boards are where it
// is needed: line solving leaves most cells open and the plain search meets no solution in a
// minute, where the solver finds two in half of one. A random 99 x 99 picture has 3 to 4.5
// million, at or past the 300 MB the program allows itself, and the solver found no solution of
// one in two and a half minutes; the plain search keeps such a board, in a few tens of megabytes.
constexpr size_t kMaxLiterals = 2500000;

}  // namespace

// Conflicts of the first call of the folded search; the whole puzzle then gets as many, and each
// pair of calls twice as many as the last, so that neither takes much more than twice the work
// of the one that answers.
constexpr int kFoldedFirstConflicts = 2000;
constexpr int kMostConflictsACall = 1 << 30;

struct Engine::Learner {
  Learner(int width, int height, const std::vector<LineRuns>& lines,
          const std::vector<CellSet>& cells, const std::vector<Board>& met, LineEncoding encoding,
          const std::vector<Symmetry>& symmetries)
      : lines(lines), symmetries(symmetries), cells(cells),
        clauses(width, height, lines, this->cells, encoding), met(met) {
    if (!symmetries.empty())
      folded = std::make_unique<FoldedSearch>(width, height, lines, cells, symmetries, encoding);
  }
  const std::vector<LineRuns>& lines;
  const std::vector<Symmetry>& symmetries;
  // Its own copy of the cells: the plain search beside it goes on changing the engine's.
  std::vector<CellSet> cells;
  BoardClauses clauses;
  CaDiCaL::Solver solver;
  std::unique_ptr<FoldedSearch> folded;  // where the hints have symmetries, until it is done
  int limit = kFoldedFirstConflicts;    // of the next call of each while the folded search goes on
  ConflictCount counter;
  std::vector<Board> met;  // the solutions met before it began, then those it finds
  size_t forbidden = 0;    // how many of them the solver holds clauses against
  long long counted = 0;   // its conflicts already added to the engine's
  int result = 0;          // the solver's last answer; 0 when it was stopped
  std::optional<Stopped> stop;
  long long turnStart = 0;  // its conflicts when its turn beside the plain search began
  // In that turn, how far in (in conflicts) it decided, and the count past which it may stop
  // because the plain search decided sooner.
  std::atomic<long long> decidedAt{kNever};
  std::atomic<long long> passed{kNever};
  std::atomic<bool> finished{false};  // its turn beside the plain search is over
  std::atomic<bool> overtaken{false};
  std::thread thread;
};

void Engine::LearnerEnd::operator()(Learner* learner) const {
  learner->overtaken = true;
  // A learner still beside the plain search when the count is stopped (by the budget or a
  // cancel) is ended as a turn ends, so that its conflicts are reported as they stood.
  if (engine && learner->thread.joinable()) engine->EndLearner(*learner);
  if (learner->thread.joinable()) learner->thread.join();
  delete learner;
}

Engine::LearnerPtr Engine::StartLearning() {
  LearnerPtr learner(new Learner(width_, height_, lines_, cells_, met_,
                                 budget_ ? budget_->learnerLines : LineEncoding::kLadders,
                                 Symmetries()),
                     LearnerEnd{this});
  const Cnf& cnf = learner->clauses.cnf();
  if (cnf.literals.size() > kMaxLiterals) return nullptr;
  CaDiCaL::Solver& solver = learner->solver;
  Configure(solver);
  // Told of every variable at once, the solver sizes its tables once instead of growing them.
  solver.reserve(cnf.vars);
  for (int lit : cnf.literals) solver.add(lit);
  learner->clauses.ReleaseCnf();
  return learner;
}

namespace {

// Asks the solver for the whole puzzle once, within `limit` conflicts (none: negative); keeps the
// solution it finds.
template <typename L>
int SolveWhole(L& learner, int limit, int width, int height) {
  learner.solver.limit("conflicts", limit);
  const int result = learner.solver.solve();
  if (result == kSatisfiable) learner.met.push_back(ModelBoard(learner.solver, learner.clauses, width, height));
  return result;
}

// The folded search and the whole puzzle in turn, each pair of calls with twice the conflicts of
// the last, until one finds a solution or the whole puzzle has its answer; the whole alone once
// the folded search is done.
template <typename L>
int SolveFoldedFirst(L& learner, BudgetStop& stop, int width, int height) {
  while (!learner.folded->done() && !stop.fired()) {
    Board found;
    if (learner.folded->Solve(learner.limit, learner.met, stop, learner.counter, found)) {
      learner.met.push_back(std::move(found));
      return kSatisfiable;
    }
    if (stop.fired()) return 0;
    const int result = SolveWhole(learner, learner.limit, width, height);
    learner.limit = std::min(learner.limit, kMostConflictsACall / 2) * 2;
    if (result != 0 || stop.fired()) return result;
  }
  return stop.fired() ? 0 : SolveWhole(learner, -1, width, height);
}

// Asks the solver again, each solution found forbidden, until it has found none or two are
// known, or it is stopped; leaves its last answer (0 when stopped) and why it stopped in the
// learner.
template <typename L>
void CountModels(L& learner, bool poll, const Engine& engine, int width, int height) {
  BudgetStop stop(engine, poll, learner.overtaken, learner.counter.count, learner.passed);
  CaDiCaL::Solver& solver = learner.solver;
  solver.connect_terminator(&stop);
  solver.connect_learner(&learner.counter);
  learner.result = kSatisfiable;
  while (learner.met.size() < 2 && learner.result == kSatisfiable) {
    for (; learner.forbidden < learner.met.size(); ++learner.forbidden) {
      for (int lit : learner.clauses.Forbidding(learner.met[learner.forbidden])) solver.add(lit);
      solver.add(0);
    }
    learner.result = learner.folded && !learner.folded->done()
                         ? SolveFoldedFirst(learner, stop, width, height)
                         : SolveWhole(learner, -1, width, height);
    if (learner.result == kSatisfiable) AddImages(learner.met, learner.symmetries, learner.lines);
  }
  solver.disconnect_terminator();
  solver.disconnect_learner();
  learner.stop = stop.stop();
}

}  // namespace

bool Engine::Learn(Learner& learner, int& count) {
  learner.passed = kNever;
  const long long before = learner.counter.count;
  CountModels(learner, true, *this, width_, height_);
  conflicts += learner.counter.count - before;
  learned = learner.solver.redundant();
  if (learner.stop) throw *learner.stop;
  if (learner.result != kSatisfiable && learner.result != kUnsatisfiable) return false;
  met_ = learner.met;
  count = static_cast<int>(met_.size());
  return true;
}

void Engine::LearnBeside(Learner& learner) {
  learner.counted = learner.counter.count;
  learner.turnStart = learner.counter.count;
  besideFrom_ = lines;
  learner.decidedAt = kNever;
  learner.passed = kNever;
  learner.finished = false;
  learnerDecidedAt_ = &learner.decidedAt;
  learner.thread = std::thread([this, &learner] {
    try {
      CountModels(learner, false, *this, width_, height_);
    } catch (...) {
      // Out of memory in the solver: no verdict from it, the plain search goes on.
      learner.result = 0;
    }
    if (learner.result == kSatisfiable || learner.result == kUnsatisfiable)
      learner.decidedAt.store(learner.counter.count - learner.turnStart, std::memory_order_release);
    learner.finished.store(true, std::memory_order_release);
  });
}

void Engine::EndLearner(Learner& learner) {
  if (learner.thread.joinable()) learner.thread.join();
  learnerDecidedAt_ = nullptr;
  conflicts += learner.counter.count - learner.counted;
  learner.counted = learner.counter.count;
  learned = learner.solver.redundant();
}

bool Engine::AwaitLearner(Learner& learner, long long plainDecidedAt, int& count) {
  // The plain search decided this far in: deciding later, the learner would not give the
  // verdict, so it goes no further.
  if (plainDecidedAt != kNever) learner.passed.store(learner.turnStart + plainDecidedAt, std::memory_order_release);
  // Waiting, the analysing thread still asks the caller's poll: a window waiting on it stays
  // responsive and its cancel button works.
  while (!learner.finished.load(std::memory_order_acquire)) {
    if (const auto stop = Exhausted(true)) throw *stop;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  EndLearner(learner);
  // Of two that decided in one turn, the one that needed less work gives the verdict, the
  // learner on a tie; only a learner that decided has a decidedAt below kNever.
  const long long at = learner.decidedAt.load(std::memory_order_acquire);
  if (at == kNever || at > plainDecidedAt) return false;
  // Every solution is among those it knows: it proved there is no other, or knows two. Its own
  // list, not the plain search's, so that which solutions are shown does not depend on how far
  // the plain search got before it stopped.
  met_.assign(learner.met.begin(), learner.met.begin() + std::min<size_t>(2, learner.met.size()));
  count = static_cast<int>(met_.size());
  return true;
}

}  // namespace gw::analysis
#else
namespace gw::analysis {
struct Engine::Learner {};
void Engine::LearnerEnd::operator()(Learner* learner) const { delete learner; }
Engine::LearnerPtr Engine::StartLearning() { return nullptr; }
bool Engine::Learn(Learner&, int&) { return false; }
void Engine::LearnBeside(Learner&) {}
void Engine::EndLearner(Learner&) {}
bool Engine::AwaitLearner(Learner&, long long, int&) { return false; }
}  // namespace gw::analysis
#endif
