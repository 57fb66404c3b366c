// The search for solutions beyond what probing decides: depth first, counting up to two, run
// again with a growing node limit and other branch orders when a run does not finish.
#include <algorithm>
#include <bit>

#include "analysis/Engine.h"

namespace gw::analysis {
namespace {

struct OutOfNodes {};

}  // namespace

// The value to try next among `rest`: with kFewestFirst the one whose trial decided the fewest
// cells (the least constrained branch, the likeliest to hold a solution), with kMostFirst the
// one that decided the most, with kInOrder the lowest.
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

void Engine::MarkNearCells(size_t since) {
  // Cells with two decided neighbours (the edge counts as decided) or next to a cell the last
  // branch decided: where a trial most likely meets a contradiction.
  auto decided = [&](int x, int y) {
    return x < 0 || y < 0 || x >= width_ || y >= height_ || IsSingle(cells_[y * width_ + x]);
  };
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      near_[y * width_ + x] = decided(x - 1, y) + decided(x + 1, y) + decided(x, y - 1) + decided(x, y + 1) >= 2;
  for (size_t t = since; t < trail_.size(); ++t) {
    const int j = trail_[t].first, x = j % width_, y = j / width_;
    if (x > 0) near_[j - 1] = 1;
    if (x + 1 < width_) near_[j + 1] = 1;
    if (y > 0) near_[j - width_] = 1;
    if (y + 1 < height_) near_[j + width_] = 1;
  }
}

void Engine::Search(std::vector<Board>& found, int& count, size_t since) {
  if (++nodes > nodeLimit_) throw OutOfNodes{};
  // One round of trials per node: repeating it until nothing changes costs more than the
  // branches it saves. In a run that probes near the last branch only, the root still probes
  // every cell.
  int best;
  onlyNear_ = nearRun_ && since != kRoot;
  if (onlyNear_) MarkNearCells(since);
  const int narrowed = ProbeRound(ProbeMode::kMerge, &best);
  onlyNear_ = false;
  if (narrowed < 0) return;
  if (best >= 0 && IsSingle(cells_[best])) best = -1;  // decided later in the round
  if (best < 0) {
    best = FirstUndecided();
    std::fill(std::begin(bestChanges_), std::end(bestChanges_), 0);
  }
  if (best < 0) {
    ++count;
    if (found.size() < 2) found.push_back(CurrentBoard());
    return;
  }
  long long changes[kMaxColors + 1];
  std::copy(std::begin(bestChanges_), std::end(bestChanges_), std::begin(changes));
  for (CellSet rest = cells_[best]; rest && count < 2;) {
    const CellSet bit = NextValue(rest, changes);
    rest &= static_cast<CellSet>(~bit);
    const size_t mark = Mark();
    if (Narrow(best, bit) && Propagate()) Search(found, count, mark);
    Undo(mark);
  }
}

void Engine::CountSolutions(std::vector<Board>& found, int& count) {
  // A depth-first search that takes a wrong turn early can spend long in a subtree without a
  // solution, and which turn is wrong differs with the order of the branches and with the cells
  // probed. So the search runs again and again with a node limit that doubles, changing the
  // order every other run and between probing every cell and probing near the last branch in
  // between; the solutions of unfinished runs are kept (each is a real one). Two different
  // ones, or one finished run, give the verdict.
  static const BranchOrder kOrders[] = {BranchOrder::kFewestFirst, BranchOrder::kInOrder,
                                        BranchOrder::kMostFirst};
  const size_t root = Mark();
  long long limit = firstNodeLimit_;
  for (int run = 0;; ++run, limit *= 2) {
    order_ = kOrders[(run / 2) % 3];
    nearRun_ = run % 2 == 1;
    nodeLimit_ = nodes + limit;
    std::vector<Board> runFound;
    int runCount = 0;
    bool finished = true;
    try {
      Search(runFound, runCount);
    } catch (const OutOfNodes&) {
      finished = false;
      Undo(root);
      ++stateId_;
    }
    for (Board& b : runFound) {
      bool known = false;
      for (const Board& f : found) known = known || f.cells == b.cells;
      if (!known && found.size() < 2) found.push_back(std::move(b));
    }
    if (found.size() >= 2 || finished) {
      count = finished ? runCount : 2;
      return;
    }
  }
}

}  // namespace gw::analysis
