#include "analysis/Engine.h"

#include <algorithm>
#include <bit>

namespace gw::analysis {
namespace {

constexpr size_t kCacheBytes = 1u << 20;
// Answers kept per line: enough for the trials of a search, small enough that a puzzle solved by
// line reasoning alone does not pay for clearing a big table.
constexpr size_t kCacheSlotsPerLine = 64;
// How often (in line solves) the clock and the cancel flag are read, and the caller polled.
constexpr long long kClockEvery = 1024;
constexpr long long kPollEvery = 4096;

bool RunsValid(const LineRuns& runs) {
  for (const Run& r : runs)
    if (r.length < 1 || r.color < 1 || r.color > kMaxColors) return false;
  return true;
}

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

int Engine::Undecided() const {
  int count = 0;
  for (CellSet c : cells_) count += !std::has_single_bit(static_cast<unsigned>(c));
  return count;
}

int Engine::ProbeCell(int i, ProbeMode mode, long long* score) {
  const CellSet values = cells_[i];
  CellSet refuted = 0;
  int survivors = 0;
  ++cellId_;
  touched_.clear();
  long long fewest = -1;
  for (CellSet rest = values; rest; rest &= rest - 1) {
    const CellSet bit = rest & -rest;
    const size_t mark = Mark();
    ++probes;
    if (!(Narrow(i, bit) && Propagate())) {
      refuted |= bit;
      Undo(mark);
      continue;
    }
    ++survivors;
    long long changed = static_cast<long long>(trail_.size() - mark);
    fewest = fewest < 0 ? changed : std::min(fewest, changed);
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
    if (!(Narrow(i, static_cast<CellSet>(~refuted)) && Propagate())) return -1;
    ++narrowed;
  }
  if (mode == ProbeMode::kMerge && survivors > 1) {
    for (int j : touched_) {
      if (agreeCount_[j] != survivors || (cells_[j] & agreeMask_[j]) == cells_[j]) continue;
      if (!Narrow(j, agreeMask_[j])) return -1;
      ++narrowed;
    }
    if (narrowed && !Propagate()) return -1;
  }
  return narrowed;
}

int Engine::ProbeRound(ProbeMode mode, int* bestCell) {
  int narrowed = 0;
  long long bestScore = -1;
  *bestCell = -1;
  for (int i = 0; i < static_cast<int>(cells_.size()); ++i) {
    if (std::has_single_bit(static_cast<unsigned>(cells_[i]))) continue;
    long long score;
    int r = ProbeCell(i, mode, &score);
    if (r < 0) return -1;
    narrowed += r;
    if (r == 0 && score > bestScore) {
      bestScore = score;
      *bestCell = i;
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

void Engine::Search(std::vector<Board>& found, int& count) {
  ++nodes;
  int best;
  if (!ProbeToFixpoint(ProbeMode::kMerge, &best)) return;
  if (best < 0) {
    ++count;
    if (found.size() < 2) found.push_back(CurrentBoard());
    return;
  }
  const CellSet values = cells_[best];
  for (CellSet rest = values; rest && count < 2; rest &= rest - 1) {
    const size_t mark = Mark();
    if (Narrow(best, rest & -rest) && Propagate()) Search(found, count);
    Undo(mark);
  }
}

}  // namespace gw::analysis
