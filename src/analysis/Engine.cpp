#include "analysis/Engine.h"

#include <algorithm>
#include <bit>

namespace gw::analysis {
namespace {

// Answers kept per line: few at first, so that a puzzle solved by line reasoning alone does not
// pay for clearing a big table; many once a search has shown it will ask again and again.
constexpr size_t kCacheSlotsPerLine = 64;
constexpr size_t kCacheBytes = 1u << 20;
constexpr long long kGrowCacheAfter = 50000;  // line solves
constexpr size_t kGrownSlotsPerLine = 1024;
constexpr size_t kGrownCacheBytes = 4u << 20;
// How often (in line solves) the clock and the cancel flag are read, and the caller polled.
constexpr long long kClockEvery = 1024;
constexpr long long kPollEvery = 4096;
struct OutOfNodes {};

bool RunsValid(const LineRuns& runs) {
  for (const Run& r : runs)
    if (r.length < 1 || r.color < 1 || r.color > kMaxColors) return false;
  return true;
}

// Written out: the library's form becomes a call where the processor has no population count.
bool IsSingle(CellSet set) { return set != 0 && (set & (set - 1)) == 0; }

int LowestValue(CellSet set) { return std::countr_zero(static_cast<unsigned>(set)); }

}  // namespace

Engine::Engine(const Puzzle& puzzle, const Budget* budget)
    : width_(puzzle.width), height_(puzzle.height), budget_(budget),
      start_(std::chrono::steady_clock::now()) {
  valid_ = width_ >= 1 && height_ >= 1 && width_ <= kMaxSide && height_ <= kMaxSide &&
           static_cast<int>(puzzle.rows.size()) == height_ &&
           static_cast<int>(puzzle.cols.size()) == width_;
  if (!valid_) return;
  lines_.reserve(height_ + width_);
  CellSet used = kEmptyBit;
  for (const auto* group : {&puzzle.rows, &puzzle.cols})
    for (const LineRuns& runs : *group) {
      valid_ = valid_ && RunsValid(runs);
      for (const Run& r : runs)
        if (r.color >= 1 && r.color <= kMaxColors) used |= ColorBit(r.color);
      lines_.push_back(runs);
    }
  const size_t n = static_cast<size_t>(width_) * height_;
  cells_.assign(n, used);
  queued_.assign(lines_.size(), 0);
  queue_.reserve(lines_.size());
  line_.resize(std::max(width_, height_));
  cache_.Reset(std::max(width_, height_), kCacheSlotsPerLine * lines_.size(), kCacheBytes);
  trialStamp_.assign(n, 0);
  cellStamp_.assign(n, 0);
  agreeCount_.assign(n, 0);
  agreeMask_.assign(n, 0);
  impliedStamp_.assign(n, 0);
  near_.assign(n, 0);
  implied_.assign(n, 0);
  QueueAllLines();
}

void Engine::QueueAllLines() {
  for (size_t l = 0; l < lines_.size(); ++l)
    if (!queued_[l]) {
      queued_[l] = 1;
      queue_.push_back(static_cast<int>(l));
    }
}

void Engine::Set(int i, CellSet value) {
  trail_.emplace_back(i, cells_[i]);
  cells_[i] = value;
}

bool Engine::Narrow(int i, CellSet mask) {
  CellSet value = cells_[i] & mask;
  if (value == cells_[i]) return value != 0;
  Set(i, value);
  if (value == 0) return false;
  int row = i / width_;
  int col = height_ + i % width_;
  for (int l : {row, col})
    if (!queued_[l]) {
      queued_[l] = 1;
      queue_.push_back(l);
    }
  return true;
}

void Engine::CheckBudget() {
  if (!budget_) return;
  if (budget_->cancel && budget_->cancel->load(std::memory_order_relaxed)) throw Stopped{true};
  if (lines % kPollEvery == 0 && budget_->poll && !budget_->poll()) throw Stopped{true};
  double spent = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  if (spent > budget_->seconds) throw Stopped{false};
}

bool Engine::SolveLineAt(int l) {
  if (++lines % kClockEvery == 0) CheckBudget();
  if (lines == kGrowCacheAfter)
    cache_.Reset(std::max(width_, height_), kGrownSlotsPerLine * lines_.size(), kGrownCacheBytes);
  const bool isRow = l < height_;
  const int n = isRow ? width_ : height_;
  const int first = isRow ? l * width_ : l - height_;
  const int step = isRow ? 1 : width_;
  CellSet* line = line_.data();
  for (int i = 0; i < n; ++i) line[i] = cells_[first + i * step];
  std::uint64_t hash;
  int known = cache_.Find(l, line, n, &hash);
  if (known < 0) {
    CellSet before[kMaxSide];
    std::copy(line, line + n, before);
    const LineRuns& runs = lines_[l];
    known = solver_.Solve(runs.data(), static_cast<int>(runs.size()), line, n) ? 1 : 0;
    cache_.Store(l, before, line, n, known == 1, hash);
  }
  if (known == 0) return false;
  for (int i = 0; i < n; ++i) {
    int at = first + i * step;
    if (line[i] == cells_[at]) continue;
    if (line[i] == 0) return false;
    Set(at, line[i]);
    // Only the crossing line learns something new; this one is solved.
    int cross = isRow ? height_ + i : i;
    if (!queued_[cross]) {
      queued_[cross] = 1;
      queue_.push_back(cross);
    }
  }
  return true;
}

bool Engine::Propagate() {
  bool ok = true;
  while (ok && queueHead_ < queue_.size()) {
    int l = queue_[queueHead_++];
    queued_[l] = 0;
    ok = SolveLineAt(l);
  }
  for (size_t q = queueHead_; q < queue_.size(); ++q) queued_[queue_[q]] = 0;
  queue_.clear();
  queueHead_ = 0;
  return ok;
}

void Engine::Undo(size_t mark) {
  while (trail_.size() > mark) {
    cells_[trail_.back().first] = trail_.back().second;
    trail_.pop_back();
  }
  // Lines queued by a trial that failed half-way belong to the state just taken back.
  for (size_t q = queueHead_; q < queue_.size(); ++q) queued_[queue_[q]] = 0;
  queue_.clear();
  queueHead_ = 0;
}

int Engine::FirstUndecided() const {
  for (size_t i = 0; i < cells_.size(); ++i)
    if (!IsSingle(cells_[i])) return static_cast<int>(i);
  return -1;
}

int Engine::Undecided() const {
  int count = 0;
  for (CellSet c : cells_) count += !IsSingle(c);
  return count;
}

int Engine::ProbeCell(int i, ProbeMode mode, long long* score) {
  const CellSet values = cells_[i];
  CellSet refuted = 0;
  int survivors = 0;
  ++cellId_;
  touched_.clear();
  long long fewest = -1;
  bool skipped = false;
  for (CellSet rest = values; rest; rest &= rest - 1) {
    const CellSet bit = rest & -rest;
    // A value an earlier trial in this same state decided cannot fail: that trial's outcome
    // is a consistent state inside this one's.
    if (impliedStamp_[i] == stateId_ && (implied_[i] & bit)) {
      ++survivors;
      skipped = true;
      changesOf_[std::countr_zero(static_cast<unsigned>(bit))] = 0;
      continue;
    }
    const size_t mark = Mark();
    ++probes;
    if (!(Narrow(i, bit) && Propagate())) {
      refuted |= bit;
      Undo(mark);
      continue;
    }
    ++survivors;
    long long changed = static_cast<long long>(trail_.size() - mark);
    changesOf_[std::countr_zero(static_cast<unsigned>(bit))] = changed;
    fewest = fewest < 0 ? changed : std::min(fewest, changed);
    NoteImplied(mark);
    if (mode == ProbeMode::kMerge) {
      ++trialId_;
      for (size_t t = mark; t < trail_.size(); ++t) {
        int j = trail_[t].first;
        if (trialStamp_[j] == trialId_) continue;
        trialStamp_[j] = trialId_;
        if (cellStamp_[j] != cellId_) {
          cellStamp_[j] = cellId_;
          agreeCount_[j] = 0;
          agreeMask_[j] = 0;
          touched_.push_back(j);
        }
        ++agreeCount_[j];
        agreeMask_[j] |= cells_[j];
      }
    }
    Undo(mark);
  }
  *score = fewest;
  if (survivors == 0) return -1;
  int narrowed = 0;
  if (refuted) {
    ++stateId_;
    if (!(Narrow(i, static_cast<CellSet>(~refuted)) && Propagate())) return -1;
    ++narrowed;
  }
  // Agreement needs every surviving trial.
  if (mode == ProbeMode::kMerge && survivors > 1 && !skipped) {
    for (int j : touched_) {
      if (agreeCount_[j] != survivors || (cells_[j] & agreeMask_[j]) == cells_[j]) continue;
      ++stateId_;
      if (!Narrow(j, agreeMask_[j])) return -1;
      ++narrowed;
    }
    if (narrowed && !Propagate()) return -1;
  }
  return narrowed;
}

void Engine::NoteImplied(size_t mark) {
  for (size_t t = mark; t < trail_.size(); ++t) {
    const int j = trail_[t].first;
    if (!IsSingle(cells_[j])) continue;
    if (impliedStamp_[j] != stateId_) {
      impliedStamp_[j] = stateId_;
      implied_[j] = 0;
    }
    implied_[j] |= cells_[j];
  }
}

int Engine::ProbeRound(ProbeMode mode, int* bestCell) {
  ++stateId_;  // the state may have changed since the last round
  int narrowed = 0;
  long long bestScore = -1;
  *bestCell = -1;
  for (int i = 0; i < static_cast<int>(cells_.size()); ++i) {
    if (IsSingle(cells_[i])) continue;
    if (onlyNear_ && !near_[i]) continue;
    long long score;
    int r = ProbeCell(i, mode, &score);
    if (r < 0) return -1;
    narrowed += r;
    if (r == 0 && score > bestScore) {
      bestScore = score;
      *bestCell = i;
      std::copy(std::begin(changesOf_), std::end(changesOf_), std::begin(bestChanges_));
    }
  }
  return narrowed;
}

bool Engine::ProbeToFixpoint(ProbeMode mode, int* bestCell) {
  for (;;) {
    int r = ProbeRound(mode, bestCell);
    if (r < 0) return false;
    if (r == 0) return true;
  }
}

Board Engine::CurrentBoard() const {
  Board b{width_, height_, std::vector<std::uint8_t>(cells_.size())};
  for (size_t i = 0; i < cells_.size(); ++i) b.cells[i] = static_cast<std::uint8_t>(LowestValue(cells_[i]));
  return b;
}

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
