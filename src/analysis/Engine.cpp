#include "analysis/Engine.h"

#include <algorithm>
#include <bit>

namespace gw::analysis {
namespace {

// Answers kept per line: few at first, so that a puzzle solved by line reasoning alone does not
// pay for clearing a big table; many once a search has shown it will ask again and again. Not
// sooner: each page of the new table costs its first write (10 to 20 us on a virtual machine), so
// growing at 50 000 solves took a tenth of 7- and 8-Dom's time, which end soon after.
constexpr size_t kCacheSlotsPerLine = 64;
constexpr size_t kCacheBytes = 1u << 20;
constexpr long long kGrowCacheAfter = 100000;  // line solves
constexpr size_t kGrownSlotsPerLine = 1024;
constexpr size_t kGrownCacheBytes = 4u << 20;
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
  undecided_ = IsSingle(used) ? 0 : static_cast<int>(n);
  queued_.assign(lines_.size(), 0);
  queue_.reserve(lines_.size());
  line_.resize(std::max(width_, height_));
  // A line whose every cell's values fit a few bits, all of them one word, is cached packed.
  const int bits = std::bit_width(static_cast<unsigned>(used));
  cellBits_ = std::max(width_, height_) * bits <= 64 ? bits : 0;
  SizeCaches(kCacheSlotsPerLine, kCacheBytes);
  impliedStamp_.assign(n, 0);
  implied_.assign(n, 0);
  seen_.assign(n, 0);
  tried_.assign(n, 0);
  candidates_.reserve(n);
  QueueAllLines();
}

void Engine::QueueAllLines() {
  for (size_t l = 0; l < lines_.size(); ++l)
    if (!queued_[l]) {
      queued_[l] = 1;
      queue_.push_back(static_cast<int>(l));
    }
}

void Engine::LoadCells(const std::vector<CellSet>& cells) {
  cells_ = cells;
  trail_.clear();
  undecided_ = 0;
  for (CellSet c : cells_) undecided_ += !IsSingle(c);
  ++stateId_;
}

void Engine::Set(int i, CellSet value) {
  trail_.emplace_back(i, cells_[i]);
  undecided_ += IsSingle(cells_[i]) - IsSingle(value);
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

std::optional<Stopped> Engine::Exhausted(bool poll) const {
  if (!budget_) return std::nullopt;
  if (budget_->cancel && budget_->cancel->load(std::memory_order_relaxed)) return Stopped{true};
  if (poll && budget_->poll && !budget_->poll()) return Stopped{true};
  double spent = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  if (spent > budget_->seconds) return Stopped{false};
  return std::nullopt;
}

void Engine::CheckBudget() {
  if (const auto stop = Exhausted(lines % kPollEvery == 0)) throw *stop;
}

void Engine::SizeCaches(size_t slotsPerLine, size_t bytes) {
  if (cellBits_) {
    packed_.Reset(slotsPerLine * lines_.size(), bytes);
  } else {
    cache_.Reset(std::max(width_, height_), slotsPerLine * lines_.size(), bytes);
  }
}

bool Engine::SolveRuns(int l, CellSet* line, int n) {
  const LineRuns& runs = lines_[l];
  return solver_.Solve(runs.data(), static_cast<int>(runs.size()), line, n);
}

bool Engine::SolveLineAt(int l) {
  if (++lines % kClockEvery == 0) CheckBudget();
  if (lines == kGrowCacheAfter) SizeCaches(kGrownSlotsPerLine, kGrownCacheBytes);
  const bool isRow = l < height_;
  const int n = isRow ? width_ : height_;
  const int first = isRow ? l * width_ : l - height_;
  const int step = isRow ? 1 : width_;
  // Narrows cell i of the line; only the crossing line learns something new, this one is solved.
  auto narrow = [&](int i, CellSet value) {
    if (value == 0) return false;
    Set(first + i * step, value);
    const int cross = isRow ? height_ + i : i;
    if (!queued_[cross]) {
      queued_[cross] = 1;
      queue_.push_back(cross);
    }
    return true;
  };
  CellSet* line = line_.data();
  if (cellBits_) {
    std::uint64_t key = 0;
    for (int i = 0; i < n; ++i)
      key |= static_cast<std::uint64_t>(cells_[first + i * step]) << (i * cellBits_);
    bool fits;
    std::uint64_t answer;
    if (!packed_.Find(l, key, &fits, &answer)) {
      for (int i = 0; i < n; ++i) line[i] = cells_[first + i * step];
      fits = SolveRuns(l, line, n);
      answer = 0;
      for (int i = 0; fits && i < n; ++i)
        answer |= static_cast<std::uint64_t>(line[i]) << (i * cellBits_);
      packed_.Store(l, key, fits, answer);
    }
    if (!fits) return false;
    const std::uint64_t cellMask = (std::uint64_t{1} << cellBits_) - 1;
    for (std::uint64_t diff = key ^ answer; diff;) {
      const int i = std::countr_zero(diff) / cellBits_;
      diff &= ~(cellMask << (i * cellBits_));
      if (!narrow(i, static_cast<CellSet>((answer >> (i * cellBits_)) & cellMask))) return false;
    }
    return true;
  }
  for (int i = 0; i < n; ++i) line[i] = cells_[first + i * step];
  std::uint64_t hash;
  int known = cache_.Find(l, line, n, &hash);
  if (known < 0) {
    CellSet before[kMaxSide];
    std::copy(line, line + n, before);
    known = SolveRuns(l, line, n) ? 1 : 0;
    cache_.Store(l, before, line, n, known == 1, hash);
  }
  if (known == 0) return false;
  for (int i = 0; i < n; ++i)
    if (line[i] != cells_[first + i * step] && !narrow(i, line[i])) return false;
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
    const auto [i, old] = trail_.back();
    undecided_ += IsSingle(cells_[i]) - IsSingle(old);
    cells_[i] = old;
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

int Engine::ProbeCell(int i, long long* score) {
  const CellSet values = cells_[i];
  CellSet refuted = 0;
  int survivors = 0;
  long long most = 0;
  for (CellSet rest = values; rest; rest &= rest - 1) {
    const CellSet bit = rest & -rest;
    const int value = std::countr_zero(static_cast<unsigned>(bit));
    // A value an earlier trial in this same state decided cannot fail: that trial's outcome
    // is a consistent state inside this one's.
    if (impliedStamp_[i] == stateId_ && (implied_[i] & bit)) {
      ++survivors;
      changesOf_[value] = 0;
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
    if (undecided_ == 0) NoteSolution();
    changesOf_[value] = static_cast<long long>(trail_.size() - mark);
    most = std::max(most, changesOf_[value]);
    NoteImplied(mark);
    Undo(mark);
  }
  *score = most;
  if (survivors == 0) return -1;
  if (!refuted) return 0;
  ++stateId_;
  if (!(Narrow(i, static_cast<CellSet>(~refuted)) && Propagate())) return -1;
  return 1;
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

int Engine::ProbeRound() {
  ++stateId_;  // the state may have changed since the last round
  int narrowed = 0;
  for (int i = 0; i < static_cast<int>(cells_.size()); ++i) {
    if (IsSingle(cells_[i])) continue;
    long long score;
    const int r = ProbeCell(i, &score);
    if (r < 0) return -1;
    narrowed += r;
  }
  return narrowed;
}

bool Engine::ProbeToFixpoint() {
  for (;;) {
    const int r = ProbeRound();
    if (r < 0) return false;
    if (r == 0) return true;
  }
}

void Engine::NoteSolution() {
  Board board = CurrentBoard();
  for (const Board& m : met_)
    if (m.cells == board.cells) return;
  if (met_.size() < 2) met_.push_back(std::move(board));
  AddImages(met_, Symmetries(), lines_);
}

const std::vector<Symmetry>& Engine::Symmetries() {
  if (!symmetries_) symmetries_ = HintSymmetries(width_, height_, lines_);
  return *symmetries_;
}

Board Engine::CurrentBoard() const {
  Board b{width_, height_, std::vector<std::uint8_t>(cells_.size())};
  for (size_t i = 0; i < cells_.size(); ++i) b.cells[i] = static_cast<std::uint8_t>(LowestValue(cells_[i]));
  return b;
}

}  // namespace gw::analysis
