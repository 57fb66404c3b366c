#include "solver/SolveLine.h"

#include <algorithm>

#include "solver/WorkLine.h"

namespace gw {
namespace {

bool IsFilled(int code) { return code >= 1 && code <= 9; }

void MarkImpossible(LineTables& t, int k, int from, int to) {
  for (int j = std::max(from, 1); j <= to; ++j) t.StartTable[k][j] = -1;
}

// Leftmost and rightmost starts of every run, packed as tightly as the gap rule allows.
void PackedStarts(const SolverState& s, int left[], int right[]) {
  int L = WorkLength(s), n = WorkRuns(s);
  int a = 1;
  for (int k = 1; k <= n; ++k) {
    if (RunLength(s, k) == 0) continue;
    left[k] = a;
    a += RunLength(s, k) + (SameColourNext(s, k) ? 1 : 0);
  }
  int b = L + 1;
  for (int k = n; k >= 1; --k) {
    if (RunLength(s, k) == 0) continue;
    right[k] = b - RunLength(s, k);
    b = right[k] - (SameColourNext(s, k - 1) ? 1 : 0);
  }
}

// A start of run k that the known cells rule out: a covered cell of another value, a bordering
// cell of the run's colour, or a covered cell the crossing line cannot give this colour.
bool ExcludedByCells(const SolverState& s, int k, int j) {
  int L = WorkLength(s), len = RunLength(s, k), colour = RunColour(s, k);
  int end = j + len - 1;
  for (int i = j; i <= end; ++i) {
    int v = s.LineCells[i];
    if (v != 0 && v != colour) return true;
  }
  if (j > 1 && s.LineCells[j - 1] == colour) return true;
  if (end < L && s.LineCells[end + 1] == colour) return true;
  for (int i = j; i <= end; ++i)
    if (CrossTotal(s, colour, i) == 0 && s.LineCells[i] != colour) return true;
  return false;
}

bool AllUndecided(const SolverState& s, int a, int b) {
  for (int i = a; i <= b; ++i)
    if (s.LineCells[i] != kUndecided) return false;
  return true;
}

void DecodeCells(SolverState& s) {
  for (int i = 1; i <= WorkLength(s); ++i) {
    int& v = s.LineCells[i];
    if (v == kSeenEmpty) v = -1;
    else if (v == kUndecided) v = 0;
    else if (v >= 10 && v <= 90 && v % 10 == 0) v /= 10;
  }
}

}  // namespace

void InitStartTable(App& app, LineTables& t) {
  const SolverState& s = app.solver;
  int L = WorkLength(s), n = WorkRuns(s);
  int left[kCap] = {}, right[kCap] = {};
  PackedStarts(s, left, right);
  for (int k = 1; k <= n; ++k) {
    int len = RunLength(s, k);
    if (len == 0) continue;
    // A negative length (a malformed file) fits nowhere, like a run longer than the line.
    bool fits = len > 0 && left[k] <= right[k];
    for (int j = 1; j <= L; ++j) t.StartTable[k][j] = fits && j >= left[k] && j <= right[k] ? 0 : -1;
  }
}

void FilterStartsByCounts(App& app, LineTables& t) {
  const SolverState& s = app.solver;
  int L = WorkLength(s), n = WorkRuns(s);
  int cnt[kCap] = {}, sum[kCap] = {};
  for (int j = 1; j <= L; ++j) cnt[j] = cnt[j - 1] + (s.LineCells[j] > 0 ? 1 : 0);
  for (int k = 1; k <= n; ++k) sum[k] = sum[k - 1] + RunLength(s, k);
  for (int k = 1; k <= n; ++k) {
    int m = 1;
    while (m <= L && cnt[m] <= sum[k - 1]) ++m;
    if (m <= L) MarkImpossible(t, k, m + 1, L);
  }
  for (int k = n; k >= 1; --k) {
    int c = L;
    while (c >= 1 && cnt[L] - cnt[c] <= sum[n] - sum[k]) --c;
    if (c >= 1) MarkImpossible(t, k, 1, std::min(L, c - RunLength(s, k) + 1));
  }
}

void FilterStartsByCells(App& app, LineTables& t) {
  const SolverState& s = app.solver;
  int L = WorkLength(s), n = WorkRuns(s);
  for (int k = 1; k <= n; ++k)
    for (int j = 1; j <= L; ++j)
      if (t.StartTable[k][j] == 0 && ExcludedByCells(s, k, j)) t.StartTable[k][j] = -1;
}

void PlaceHint(App& app, LineTables& t, int k) {
  SolverState& s = app.solver;
  if (s.EnumDone == 1) return;
  ++s.SolveSteps;
  int L = WorkLength(s), n = WorkRuns(s);
  if (k > n) {
    EvaluatePlacement(app, t);
    return;
  }
  int len = RunLength(s, k);
  if (len == 0) {
    PlaceHint(app, t, k + 1);
    return;
  }
  int gapStart = k == 1 ? 1 : t.HintStart[k - 1] + RunLength(s, k - 1);
  int earliest = k == 1 ? 1 : gapStart + (SameColourNext(s, k - 1) ? 1 : 0);
  bool borderBefore = k == 1 || SameColourNext(s, k - 1);
  bool borderAfter = k == n || SameColourNext(s, k);
  bool seenUsed = false, prevAll99 = false;
  for (int p = earliest; p <= L; ++p) {
    int entry = t.StartTable[k][p];
    if (entry == -1) continue;
    // A known filled cell left between run k - 1 and this start: no later start covers it either.
    if (k > 1 && t.NextFilled[gapStart] <= p - 1) return;
    // Only the first start of this run already used by a found placement is tried at this level.
    if (entry == 1) {
      if (seenUsed) return;
      seenUsed = true;
    }
    int a = p > 1 && borderBefore ? p - 1 : p;
    int b = p + len - 1;
    if (b != L && borderAfter) ++b;
    // Of consecutive tried starts whose windows lie wholly in undecidable cells, only the first
    // can teach anything new.
    if (AllUndecided(s, a, b)) {
      if (prevAll99) continue;
      prevAll99 = true;
    } else {
      prevAll99 = false;
    }
    t.HintStart[k] = p;
    PlaceHint(app, t, k + 1);
  }
}

void EvaluatePlacement(App& app, LineTables& t) {
  SolverState& s = app.solver;
  int L = WorkLength(s), n = WorkRuns(s);
  int drawn[kCap];
  std::fill(drawn + 1, drawn + L + 1, -1);
  for (int k = 1; k <= n; ++k) {
    int len = RunLength(s, k);
    for (int i = t.HintStart[k]; len > 0 && i < t.HintStart[k] + len; ++i) drawn[i] = RunColour(s, k);
  }
  s.Contradiction = 0;
  bool open = false;
  for (int i = 1; i <= L; ++i) {
    int& v = s.LineCells[i];
    int d = drawn[i];
    if (v == 0) v = d * 10;
    else if (v >= 10 && v <= 90 && v % 10 == 0) {
      if (d != v / 10) v = kUndecided;
    } else if (v == kSeenEmpty) {
      if (IsFilled(d)) v = kUndecided;
    }
    if (v <= -10 || v >= 10) open = true;
  }
  s.EnumDone = open ? 0 : 1;
  for (int k = 1; k <= n; ++k) t.StartTable[k][t.HintStart[k]] = 1;
}

void SolveLine(App& app) {
  SolverState& s = app.solver;
  int L = WorkLength(s), n = WorkRuns(s);
  LineTables t;
  for (int k = 0; k <= n; ++k) {
    std::fill(t.StartTable[k], t.StartTable[k] + L + 1, 0);
    t.HintStart[k] = 0;
  }
  t.NextFilled[L + 1] = L + 1;
  for (int i = L; i >= 1; --i) t.NextFilled[i] = IsFilled(s.LineCells[i]) ? i : t.NextFilled[i + 1];
  InitStartTable(app, t);
  FilterStartsByCounts(app, t);
  FilterStartsByCells(app, t);
  s.EnumDone = 0;
  s.Contradiction = 1;
  s.SolveSteps = 0;
  PlaceHint(app, t, 1);
  DecodeCells(s);
}

}  // namespace gw
