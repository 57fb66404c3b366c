#include "NogoodSearch.h"


namespace gw::bench {
namespace {

using analysis::CellSet;

constexpr CellSet kOpen = analysis::kEmptyBit | analysis::ColorBit(1);
constexpr CellSet BitOf(int value) { return value ? analysis::ColorBit(1) : analysis::kEmptyBit; }

// Restart after unit * luby(i) conflicts: 1 1 2 1 1 2 4 1 1 2 ...
constexpr long long kRestartUnit = 100;
long long Luby(long long i) {
  long long size = 1, seq = 0;
  while (size < i + 1) {
    ++seq;
    size = 2 * size + 1;
  }
  while (size - 1 != i) {
    size = (size - 1) >> 1;
    --seq;
    i %= size;
  }
  return 1ll << seq;
}

constexpr double kDecay = 0.95;

}  // namespace

NogoodSearch::NogoodSearch(const analysis::Puzzle& puzzle, const std::vector<CellSet>& start,
                           bool shrinkExplanations)
    : width_(puzzle.width), height_(puzzle.height), shrink_(shrinkExplanations) {
  runs_ = puzzle.rows;
  runs_.insert(runs_.end(), puzzle.cols.begin(), puzzle.cols.end());
  for (int y = 0; y < height_; ++y) {
    lineCells_.emplace_back();
    for (int x = 0; x < width_; ++x) lineCells_.back().push_back(y * width_ + x);
  }
  for (int x = 0; x < width_; ++x) {
    lineCells_.emplace_back();
    for (int y = 0; y < height_; ++y) lineCells_.back().push_back(y * width_ + x);
  }
  const int n = width_ * height_;
  val_.assign(n, -1);
  levelOf_.assign(n, 0);
  posOf_.assign(n, 0);
  reason_.assign(n, kNoReason);
  bound_.assign(n, 0);
  phase_.assign(n, 0);
  seen_.assign(n, 0);
  inSet_.assign(n, 0);
  activity_.assign(n, 0);
  heapPos_.assign(n, -1);
  explained_.resize(n);
  explainedAt_.assign(n, 0);
  assignedAt_.assign(n, 0);
  watches_.resize(2 * static_cast<size_t>(n));
  lineQueued_.assign(runs_.size(), 0);
  for (int c = 0; c < n; ++c) {
    if (start[c] == analysis::kEmptyBit || start[c] == analysis::ColorBit(1))
      Assign(2 * c + (start[c] == analysis::ColorBit(1)), kNoReason, 0);
    else
      HeapPush(c);
  }
}

void NogoodSearch::Assign(int lit, int reason, int bound) {
  const int c = lit >> 1;
  val_[c] = static_cast<int8_t>(lit & 1);
  levelOf_[c] = Level();
  posOf_[c] = static_cast<int>(trail_.size());
  reason_[c] = reason;
  bound_[c] = bound;
  assignedAt_[c] = ++assignments_;
  trail_.push_back(lit);
}

bool NogoodSearch::Propagate() {
  for (;;) {
    while (head_ < trail_.size()) {
      const int lit = trail_[head_++];
      const int c = lit >> 1;
      for (int line : {c / width_, height_ + c % width_})
        if (!lineQueued_[line]) {
          lineQueued_[line] = 1;
          lineQueue_.push_back(line);
        }
      if (!PropagateClauses(lit ^ 1)) return false;
    }
    if (lineQueue_.empty()) return true;
    const int line = lineQueue_.back();
    lineQueue_.pop_back();
    lineQueued_[line] = 0;
    if (!SolveLine(line)) return false;
  }
}

bool NogoodSearch::PropagateClauses(int falsified) {
  std::vector<int>& ws = watches_[falsified];
  size_t i = 0, j = 0;
  bool ok = true;
  while (i < ws.size()) {
    const int ci = ws[i++];
    std::vector<int>& cl = clauses_[ci];
    if (cl[0] == falsified) std::swap(cl[0], cl[1]);
    if (!ok || ValueOf(cl[0]) == 1) {
      ws[j++] = ci;
      continue;
    }
    bool moved = false;
    for (size_t k = 2; k < cl.size(); ++k)
      if (ValueOf(cl[k]) != 0) {
        std::swap(cl[1], cl[k]);
        watches_[cl[1]].push_back(ci);
        moved = true;
        break;
      }
    if (moved) continue;
    ws[j++] = ci;
    if (ValueOf(cl[0]) == 0) {
      conflict_ = cl;
      ok = false;
    } else {
      Assign(cl[0], ci, 0);
    }
  }
  ws.resize(j);
  return ok;
}

bool NogoodSearch::SolveLine(int line) {
  ++lineSolves;
  const std::vector<int>& cells = lineCells_[line];
  const int n = static_cast<int>(cells.size());
  line_.resize(n);
  for (int k = 0; k < n; ++k) line_[k] = val_[cells[k]] < 0 ? kOpen : BitOf(val_[cells[k]]);
  const int bound = static_cast<int>(trail_.size());
  const analysis::LineRuns& runs = runs_[line];
  if (!solver_.Solve(runs.data(), static_cast<int>(runs.size()), line_.data(), n)) {
    Explain(line, bound, -1, conflict_);
    return false;
  }
  for (int k = 0; k < n; ++k)
    if (val_[cells[k]] < 0 && line_[k] != kOpen)
      Assign(2 * cells[k] + (line_[k] == BitOf(1)), -2 - line, bound);
  return true;
}

bool NogoodSearch::Fits(int line, int against) {
  ++explanationSolves;
  const std::vector<int>& cells = lineCells_[line];
  const int n = static_cast<int>(cells.size());
  line_.resize(n);
  for (int k = 0; k < n; ++k) {
    const int c = cells[k];
    line_[k] = inSet_[c] ? BitOf(val_[c]) : c == against ? BitOf(1 - val_[c]) : kOpen;
  }
  const analysis::LineRuns& runs = runs_[line];
  return solver_.Solve(runs.data(), static_cast<int>(runs.size()), line_.data(), n);
}

void NogoodSearch::Explain(int line, int bound, int against, std::vector<int>& out) {
  out.clear();
  std::vector<int> set;
  for (int c : lineCells_[line])
    if (val_[c] >= 0 && posOf_[c] < bound) {
      set.push_back(c);
      inSet_[c] = 1;
    }
  if (shrink_) {
    // The latest decided go first: what is left leans on earlier levels, which lets the learned
    // clause jump further back.
    std::sort(set.begin(), set.end(), [&](int a, int b) { return posOf_[a] > posOf_[b]; });
    for (int c : set) {
      inSet_[c] = 0;
      if (Fits(line, against)) inSet_[c] = 1;
    }
  }
  for (int c : set) {
    if (inSet_[c]) out.push_back((2 * c + val_[c]) ^ 1);
    inSet_[c] = 0;
  }
}

void NogoodSearch::ReasonOf(int lit, std::vector<int>& out) {
  const int c = lit >> 1;
  if (reason_[c] >= 0) {
    out.clear();
    for (int q : clauses_[reason_[c]])
      if (q != lit) out.push_back(q);
  } else {
    // A reason met again in a later conflict is shrunk once per assignment, not again.
    if (explainedAt_[c] != assignedAt_[c]) {
      Explain(-2 - reason_[c], bound_[c], c, explained_[c]);
      explainedAt_[c] = assignedAt_[c];
    }
    out = explained_[c];
  }
}

int NogoodSearch::Analyse(std::vector<int>& learnt) {
  learnt.assign(1, -1);
  std::vector<int> lits = conflict_;
  int pending = 0, p = -1;
  int idx = static_cast<int>(trail_.size()) - 1;
  for (;;) {
    for (int q : lits) {
      const int c = q >> 1;
      if (seen_[c] || levelOf_[c] == 0) continue;
      seen_[c] = 1;
      Bump(c);
      if (levelOf_[c] == Level()) ++pending;
      else learnt.push_back(q);
    }
    while (!seen_[trail_[idx] >> 1]) --idx;
    p = trail_[idx--];
    seen_[p >> 1] = 0;
    if (--pending == 0) break;
    ReasonOf(p, lits);
  }
  learnt[0] = p ^ 1;
  int back = 0, at = 1;
  for (size_t i = 1; i < learnt.size(); ++i) {
    seen_[learnt[i] >> 1] = 0;
    if (levelOf_[learnt[i] >> 1] > back) {
      back = levelOf_[learnt[i] >> 1];
      at = static_cast<int>(i);
    }
  }
  if (learnt.size() > 1) std::swap(learnt[1], learnt[at]);
  return back;
}

void NogoodSearch::Backtrack(int level) {
  if (Level() <= level) return;
  for (size_t t = trail_.size(); t-- > static_cast<size_t>(levelStart_[level]);) {
    const int c = trail_[t] >> 1;
    phase_[c] = val_[c];
    val_[c] = -1;
    if (heapPos_[c] < 0) HeapPush(c);
  }
  trail_.resize(levelStart_[level]);
  levelStart_.resize(level);
  head_ = trail_.size();
  for (int line : lineQueue_) lineQueued_[line] = 0;
  lineQueue_.clear();
}

int NogoodSearch::AddClause(const std::vector<int>& lits) {
  clauses_.push_back(lits);
  const int ci = static_cast<int>(clauses_.size()) - 1;
  watches_[lits[0]].push_back(ci);
  watches_[lits[1]].push_back(ci);
  return ci;
}

int NogoodSearch::Decide() {
  while (!heap_.empty()) {
    const int c = HeapPop();
    if (val_[c] < 0) {
      ++decisions;
      levelStart_.push_back(static_cast<int>(trail_.size()));
      Assign(2 * c + phase_[c], kNoReason, 0);
      return c;
    }
  }
  return -1;
}

int NogoodSearch::Count(long long maxConflicts) {
  for (size_t line = 0; line < runs_.size(); ++line) {
    lineQueued_[line] = 1;
    lineQueue_.push_back(static_cast<int>(line));
  }
  if (!Propagate()) return 0;
  for (size_t c = 0; c < val_.size(); ++c)
    if (val_[c] < 0) rootOpen_.push_back(static_cast<int>(c));
  int found = 0;
  long long restart = 0, untilRestart = kRestartUnit * Luby(0);
  std::vector<int> learnt;
  for (;;) {
    if (!Propagate()) {
      ++conflicts;
      if (Level() == 0) return found;
      if (conflicts > maxConflicts) return analysis::kUnknown;
      Backtrack(Analyse(learnt));
      learnedLiterals += static_cast<long long>(learnt.size());
      if (learnt.size() == 1) Assign(learnt[0], kNoReason, 0);
      else Assign(learnt[0], AddClause(learnt), 0);
      bump_ /= kDecay;
      --untilRestart;
      continue;
    }
    if (untilRestart <= 0) {
      untilRestart = kRestartUnit * Luby(++restart);
      Backtrack(0);
      continue;
    }
    if (Decide() >= 0) continue;
    // A solution: forbid it and go on from the root.
    if (++found >= 2) return 2;
    std::vector<int> other;
    for (int c : rootOpen_) other.push_back((2 * c + val_[c]) ^ 1);
    Backtrack(0);
    // Cells decided at the root since (by learned units) have their value in every solution
    // left: a clause watching one of them would never wake.
    std::erase_if(other, [&](int lit) { return val_[lit >> 1] >= 0; });
    if (other.empty()) return found;
    if (other.size() == 1) Assign(other[0], kNoReason, 0);
    else AddClause(other);
  }
}

void NogoodSearch::Bump(int cell) {
  if ((activity_[cell] += bump_) > 1e100) {
    for (double& a : activity_) a *= 1e-100;
    bump_ *= 1e-100;
  }
  if (heapPos_[cell] >= 0) HeapUp(heapPos_[cell]);
}

void NogoodSearch::HeapUp(int pos) {
  const int c = heap_[pos];
  while (pos > 0 && activity_[heap_[(pos - 1) / 2]] < activity_[c]) {
    heap_[pos] = heap_[(pos - 1) / 2];
    heapPos_[heap_[pos]] = pos;
    pos = (pos - 1) / 2;
  }
  heap_[pos] = c;
  heapPos_[c] = pos;
}

void NogoodSearch::HeapDown(int pos) {
  const int c = heap_[pos];
  const int n = static_cast<int>(heap_.size());
  for (;;) {
    int child = 2 * pos + 1;
    if (child >= n) break;
    if (child + 1 < n && activity_[heap_[child + 1]] > activity_[heap_[child]]) ++child;
    if (activity_[heap_[child]] <= activity_[c]) break;
    heap_[pos] = heap_[child];
    heapPos_[heap_[pos]] = pos;
    pos = child;
  }
  heap_[pos] = c;
  heapPos_[c] = pos;
}

void NogoodSearch::HeapPush(int cell) {
  heap_.push_back(cell);
  HeapUp(static_cast<int>(heap_.size()) - 1);
}

int NogoodSearch::HeapPop() {
  const int top = heap_[0];
  heapPos_[top] = -1;
  heap_[0] = heap_.back();
  heap_.pop_back();
  if (!heap_.empty()) {
    heapPos_[heap_[0]] = 0;
    HeapDown(0);
  }
  return top;
}

}  // namespace gw::bench
