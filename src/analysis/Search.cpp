// The search for solutions beyond what probing decides: depth first, counting up to two, run
// again with a growing node limit, another branch order and slightly shaken choices when a run
// does not finish.
#include <algorithm>
#include <bit>

#include "analysis/Engine.h"

namespace gw::analysis {
namespace {

struct OutOfNodes {};

// How much a shaken run may raise a cell's score, in percent: enough to change close choices,
// too little to prefer a clearly worse cell.
constexpr std::uint64_t kShakePercent = 20;

// The plain runs beside the learning search before it goes on alone.
constexpr int kBesideRuns = 1;

}  // namespace

// The value to try next among `rest`: with kMostFirst the one whose trial decided the most cells
// (the shortest way to a complete board), with kFewestFirst the one that decided the fewest (the
// least constrained branch), with kInOrder the lowest.
CellSet Engine::NextValue(CellSet rest, const long long* changes) const {
  CellSet pick = rest & -rest;
  if (order_ == BranchOrder::kInOrder) return pick;
  for (CellSet r = rest & (rest - 1); r; r &= r - 1) {
    const CellSet bit = r & -r;
    const long long c = changes[std::countr_zero(static_cast<unsigned>(bit))];
    const long long best = changes[std::countr_zero(static_cast<unsigned>(pick))];
    if (order_ == BranchOrder::kFewestFirst ? c < best : c > best) pick = bit;
  }
  return pick;
}

void Engine::CollectNextTo(size_t from) {
  // The undecided cells beside those changed since `from`, where a trial most likely meets a
  // contradiction, in board order so that a run does not depend on the trail's order.
  candidates_.clear();
  ++seenId_;
  const int n = static_cast<int>(cells_.size());
  auto add = [&](int j) {
    if (seen_[j] == seenId_ || IsSingle(cells_[j])) return;
    seen_[j] = seenId_;
    candidates_.push_back(j);
  };
  for (size_t t = from; t < trail_.size(); ++t) {
    const int j = trail_[t].first, x = j % width_;
    if (x > 0) add(j - 1);
    if (x + 1 < width_) add(j + 1);
    if (j >= width_) add(j - width_);
    if (j + width_ < n) add(j + width_);
  }
  std::sort(candidates_.begin(), candidates_.end());
}

void Engine::CollectHemmedIn() {
  // The undecided cells not tried yet in this sequence with at least two decided neighbours
  // (the edge counts as decided).
  candidates_.clear();
  auto decided = [&](int x, int y) {
    return x < 0 || y < 0 || x >= width_ || y >= height_ || IsSingle(cells_[y * width_ + x]);
  };
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      const int i = y * width_ + x;
      if (IsSingle(cells_[i]) || tried_[i] == triedId_) continue;
      if (decided(x - 1, y) + decided(x + 1, y) + decided(x, y - 1) + decided(x, y + 1) >= 2)
        candidates_.push_back(i);
    }
}

long long Engine::Shaken(long long score) {
  if (!shaken_) return score;
  random_ ^= random_ << 13;
  random_ ^= random_ >> 7;
  random_ ^= random_ << 17;
  return score * static_cast<long long>(100 + random_ % kShakePercent) / 100;
}

int Engine::ProbeNear(size_t since, int* best) {
  // Trials in sequences, first beside what changed since `since`, then where decided cells hem
  // a cell in. The first value refuted ends a sequence, and the next starts beside what its
  // removal decided. A sequence that refutes nothing names the cell to branch on: the one with
  // the most decisive trial. Probing every cell at every node finds more, but costs more than
  // the branches it saves.
  size_t from = since == kRoot ? 0 : since;
  int narrowed = 0;
  for (;;) {
    ++stateId_;  // a branch or a removal may have changed the state
    ++triedId_;
    long long bestScore = -1;
    *best = -1;
    bool refuted = false;
    for (int tier = 0; tier < 2 && !refuted; ++tier) {
      if (tier == 0) {
        CollectNextTo(from);
      } else {
        CollectHemmedIn();
      }
      for (int i : candidates_) {
        tried_[i] = triedId_;
        const size_t before = Mark();
        long long score;
        const int r = ProbeCell(i, &score);
        if (r < 0) return -1;
        if (r > 0) {
          narrowed += r;
          from = before;
          refuted = true;
          break;
        }
        score = Shaken(score);
        if (score > bestScore) {
          bestScore = score;
          *best = i;
          std::copy(std::begin(changesOf_), std::end(changesOf_), std::begin(bestChanges_));
        }
      }
    }
    if (!refuted) return narrowed;
  }
}

bool Engine::EnterNode(int& count, size_t since) {
  // A learner beside that is done ends the run: its verdict may be in.
  if (++nodes > nodeLimit_ || LearnerDone()) throw OutOfNodes{};
  int best;
  if (ProbeNear(since, &best) < 0 || met_.size() >= 2) return false;
  if (best < 0) {
    best = FirstUndecided();
    std::fill(std::begin(bestChanges_), std::end(bestChanges_), 0);
  }
  if (best < 0) {
    ++count;
    NoteSolution();
    return false;
  }
  Branch branch{best, cells_[best], 0, {}};
  std::copy(std::begin(bestChanges_), std::end(bestChanges_), std::begin(branch.changes));
  branches_.push_back(branch);
  return true;
}

void Engine::Search(int& count) {
  // Depth first, on a stack of its own: a big board may go deeper than the thread's stack.
  // A branch whose values are all tried takes back the value of the branch above it.
  branches_.clear();
  EnterNode(count, kRoot);
  while (!branches_.empty()) {
    Branch& branch = branches_.back();
    if (branch.rest == 0 || count >= 2 || met_.size() >= 2) {
      branches_.pop_back();
      if (!branches_.empty()) Undo(branches_.back().mark);
      continue;
    }
    const CellSet bit = NextValue(branch.rest, branch.changes);
    branch.rest &= static_cast<CellSet>(~bit);
    branch.mark = Mark();
    const int cell = branch.cell;
    const size_t mark = branch.mark;
    if (Narrow(cell, bit) && Propagate() && EnterNode(count, mark)) continue;
    Undo(mark);
  }
}

Engine::Joining Engine::JoinsAfter(long long spent, size_t met) const {
  if (!LearningAvailable() || !budget_ || budget_->learnAfterNodes < 0) return Joining::kNotYet;
  if (budget_->learnAfterNodes == 0) return Joining::kAlone;
  // A run that met a solution and still did not finish left the proof that there is no other,
  // where the plain search may repeat its contradictions branch after branch (the n-Dom puzzles
  // meet theirs in the first run) and learning does not. A search that has met no solution is
  // still looking, which the plain search with its probing does faster on most random boards,
  // until the node threshold; past it, which of the two finds the solutions first varies from
  // board to board.
  if ((met == 1 && spent > 0) || spent >= budget_->learnAfterNodes) return Joining::kBeside;
  return Joining::kNotYet;
}

void Engine::CountSolutions(std::vector<Board>& found, int& count) {
  // A depth-first search that takes a wrong turn early can spend long in a subtree without a
  // solution, and which turn is wrong differs with the order of the branches and with the cell
  // chosen. So the search runs again and again with a node limit that doubles, another order
  // each time and, after the first run, scores shaken a little so that close choices go
  // another way. Solutions met anywhere, in unfinished runs and inside trials too, are kept
  // (each is a real one): two different ones, or one finished run, give the verdict.
  //
  // Once the search that learns joins, neither is the faster everywhere: it settles the n-Dom
  // family in thousands of conflicts where the plain search needs tens of thousands of nodes, but
  // the plain search proves a generated 25 x 25 puzzle in its next run in a tenth of its time.
  // So from there the two go side by side, each on a thread of its own, until one decides. Their
  // work is counted, conflicts against line solves, never timed, and of two that decide the one
  // that needed less work gives the verdict: the verdict and the solutions shown are the same on
  // a busy machine as on an idle one. Only the budget's clock, the outer limit, is read.
  static const BranchOrder kOrders[] = {BranchOrder::kMostFirst, BranchOrder::kFewestFirst,
                                        BranchOrder::kInOrder};
  const size_t root = Mark();
  const long long first = nodes;
  long long limit = firstNodeLimit_;
  // However the count ends, the engine keeps no pointer into a learner that is gone.
  struct ForgetsLearner {
    const std::atomic<long long>*& decidedAt;
    ~ForgetsLearner() { decidedAt = nullptr; }
  } forgets{learnerDecidedAt_};
  LearnerPtr learner;
  bool joined = false;
  int runsBeside = 0;
  for (int run = 0;; ++run, limit *= 2) {
    if (!joined) {
      const Joining joining = JoinsAfter(nodes - first, met_.size());
      joined = joining != Joining::kNotYet;
      if (joined) learner = StartLearning();
      if (learner && joining == Joining::kAlone && Learn(*learner, count)) {
        found = met_;
        return;
      }
      if (learner && joining == Joining::kBeside) LearnBeside(*learner);
    }
    order_ = kOrders[run % 3];
    shaken_ = run > 0;
    random_ = 0x9E3779B97F4A7C15ull * static_cast<std::uint64_t>(run + 1);
    nodeLimit_ = nodes + limit;
    int runCount = 0;
    bool finished = true;
    try {
      Search(runCount);
    } catch (const OutOfNodes&) {
      finished = false;
      Undo(root);
    }
    // Of two that decide, the one that needed less counted work gives the verdict, whichever
    // finished sooner: the first to finish waits for the other to reach its count.
    const bool decided = met_.size() >= 2 || finished;
    if (learner && (decided || LearnerDone()) &&
        AwaitLearner(*learner, decided ? PlainWork() : kNever, count)) {
      found = met_;
      return;
    }
    if (decided) {
      count = std::min(2, std::max(runCount, static_cast<int>(met_.size())));
      found = met_;
      return;
    }
    // The plain search goes no further beside it: on the n-Dom family, where the plain search
    // never decides, every run beside made the learner wait for it to catch up.
    if (learner && ++runsBeside >= kBesideRuns) {
      const bool learned = AwaitLearner(*learner, kNever, count);
      learner.reset();
      if (learned) {
        found = met_;
        return;
      }
    }
  }
}

}  // namespace gw::analysis
