#include "solver/SolveWorkLine.h"

#include <algorithm>

#include "solver/WorkLine.h"

namespace gw {
namespace {

bool IsFilled(int code) { return code >= 1 && code <= 9; }

// Cells a..b (1-based, a <= b + 1).
CellBits Span(int a, int b) {
  if (b < a) return 0;
  CellBits upToB = b >= 32 ? ~CellBits{0} : (CellBits{1} << b) - 1;
  return upToB & ~((CellBits{1} << (a - 1)) - 1);
}

// Narrows the open range of run k to lo..hi, marking the starts it loses impossible.
void NarrowStarts(LineTables& t, int k, int lo, int hi) {
  int* row = t.StartTable[k];
  for (int j = t.First[k]; j <= t.Last[k] && j < lo; ++j) row[j] = -1;
  for (int j = std::max(t.First[k], hi + 1); j <= t.Last[k]; ++j) row[j] = -1;
  t.First[k] = std::max(t.First[k], lo);
  t.Last[k] = std::min(t.Last[k], hi);
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

// Prefix counts of the cells a start of run k may not cover: cells of another value, and cells
// the crossing line cannot give the run's colour unless they already have it.
void ForbiddenCounts(const SolverState& s, int k, int count[]) {
  int colour = RunColour(s, k);
  count[0] = 0;
  for (int i = 1; i <= WorkLength(s); ++i) {
    int v = s.LineCells[i];
    bool other = v != 0 && v != colour;
    bool crossing = CrossTotal(s, colour, i) == 0 && v != colour;
    count[i] = count[i - 1] + (other || crossing ? 1 : 0);
  }
}

// The colours of the line's runs, each once.
void CollectColours(const SolverState& s, LineTables& t) {
  t.colourCount = 0;
  bool seen[10] = {};
  for (int k = 1; k <= WorkRuns(s); ++k) {
    int c = RunColour(s, k);
    if (c < 1 || c > 9 || seen[c]) continue;
    seen[c] = true;
    t.colours[t.colourCount++] = c;
  }
}

void StartAccumulation(const SolverState& s, LineTables& t) {
  t.fresh = t.seenEmpty = t.undecided = 0;
  std::fill(t.seenColour, t.seenColour + 10, 0);
  for (int i = 1; i <= WorkLength(s); ++i)
    if (s.LineCells[i] == 0) t.fresh |= CellBits{1} << (i - 1);
  CollectColours(s, t);
}

void DecodeCells(SolverState& s, const LineTables& t) {
  for (int i = 1; i <= WorkLength(s); ++i) {
    CellBits bit = CellBits{1} << (i - 1);
    if (t.seenEmpty & bit) s.LineCells[i] = -1;
    for (int j = 0; j < t.colourCount; ++j)
      if (t.seenColour[t.colours[j]] & bit) s.LineCells[i] = t.colours[j];
  }
}

}  // namespace

void InitStartTable(App& app, LineTables& t) {
  const SolverState& s = app.solver;
  int L = WorkLength(s), n = WorkRuns(s);
  int left[kSolverCap] = {}, right[kSolverCap] = {};
  PackedStarts(s, left, right);
  for (int k = 1; k <= n; ++k) {
    int len = RunLength(s, k), colour = RunColour(s, k);
    int* row = t.StartTable[k];
    row[0] = 0;
    if (len == 0) {  // skipped by the enumeration; its row stays 0
      std::fill(row + 1, row + L + 1, 0);
      t.First[k] = 1;
      t.Last[k] = L;
      continue;
    }
    // A negative length or a colour outside 0..9 (a malformed file) fits nowhere, like a run
    // longer than the line.
    bool fits = len > 0 && colour >= 0 && colour <= 9 && left[k] <= right[k];
    t.First[k] = fits ? std::max(left[k], 1) : 1;
    t.Last[k] = fits ? std::min(right[k], L) : 0;
    int first = std::min(t.First[k], L + 1), last = std::max(t.Last[k], first - 1);
    std::fill(row + 1, row + first, -1);
    std::fill(row + first, row + last + 1, 0);
    std::fill(row + last + 1, row + L + 1, -1);
  }
}

void FilterStartsByCounts(App& app, LineTables& t) {
  const SolverState& s = app.solver;
  int L = WorkLength(s), n = WorkRuns(s);
  int cnt[kSolverCap] = {}, sum[kSolverCap] = {};
  for (int j = 1; j <= L; ++j) cnt[j] = cnt[j - 1] + (s.LineCells[j] > 0 ? 1 : 0);
  for (int k = 1; k <= n; ++k) sum[k] = sum[k - 1] + RunLength(s, k);
  // Run k must start at or before the first filled cell runs 1..k - 1 cannot all account for.
  // (Sums only grow with k while lengths are positive; a malformed negative one restarts the scan.)
  int m = 1;
  for (int k = 1; k <= n; ++k) {
    if (k > 1 && sum[k - 1] < sum[k - 2]) m = 1;
    while (m <= L && cnt[m] <= sum[k - 1]) ++m;
    if (m <= L) NarrowStarts(t, k, 1, m);
  }
  // Run k must end after the last position c whose filled cells after it runs k + 1.. cannot cover.
  int c = L;
  for (int k = n; k >= 1; --k) {
    if (k < n && sum[n] - sum[k] < sum[n] - sum[k + 1]) c = L;
    while (c >= 1 && cnt[L] - cnt[c] <= sum[n] - sum[k]) --c;
    if (c >= 1) NarrowStarts(t, k, c - RunLength(s, k) + 2, L);
  }
}

void FilterStartsByCells(App& app, LineTables& t) {
  const SolverState& s = app.solver;
  int L = WorkLength(s), n = WorkRuns(s);
  // The forbidden counts depend on the run's colour only: made once per colour.
  int forbidden[10][kSolverCap];
  bool made[10] = {};
  for (int k = 1; k <= n; ++k) {
    int len = RunLength(s, k), colour = RunColour(s, k);
    // A run without starts left has nothing to test (and may have a colour outside 0..9).
    if (t.First[k] > t.Last[k] || colour < 0 || colour > 9) continue;
    if (!made[colour]) ForbiddenCounts(s, k, forbidden[colour]);
    made[colour] = true;
    const int* count = forbidden[colour];
    for (int j = t.First[k]; j <= t.Last[k]; ++j) {
      if (t.StartTable[k][j] != 0) continue;
      int end = j + len - 1;
      bool covers = count[end] - count[j - 1] > 0;
      bool touches = (j > 1 && s.LineCells[j - 1] == colour) || (end < L && s.LineCells[end + 1] == colour);
      if (covers || touches) t.StartTable[k][j] = -1;
    }
  }
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
    CellBits window = Span(a, b);
    if ((t.undecided & window) == window) {
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
  int n = WorkRuns(s);
  // The placement, one set of cells per colour; colour 0 (a malformed hint) leaves a cell blank.
  CellBits byColour[10] = {};
  CellBits covered = 0;
  for (int k = 1; k <= n; ++k) {
    int len = RunLength(s, k);
    if (len <= 0) continue;
    CellBits run = Span(t.HintStart[k], t.HintStart[k] + len - 1);
    byColour[RunColour(s, k)] |= run;
    covered |= run;
  }
  s.Contradiction = 0;
  CellBits differs = t.seenEmpty & (covered & ~byColour[0]);
  for (int j = 0; j < t.colourCount; ++j) {
    int c = t.colours[j];
    differs |= t.seenColour[c] & ~byColour[c];
    t.seenColour[c] |= t.fresh & byColour[c];
  }
  t.seenEmpty |= t.fresh & ~covered;
  t.fresh &= byColour[0];
  t.undecided |= differs;
  t.seenEmpty &= ~differs;
  CellBits seen = t.seenEmpty | t.undecided;
  for (int j = 0; j < t.colourCount; ++j) {
    t.seenColour[t.colours[j]] &= ~differs;
    seen |= t.seenColour[t.colours[j]];
  }
  // The enumeration stops after the first placement exactly when the line had no blank cell.
  s.EnumDone = seen == 0 ? 1 : 0;
  for (int k = 1; k <= n; ++k) t.StartTable[k][t.HintStart[k]] = 1;
}

void SolveWorkLine(App& app) {
  SolverState& s = app.solver;
  int L = WorkLength(s), n = WorkRuns(s);
  LineTables t;
  std::fill(t.HintStart, t.HintStart + n + 1, 0);
  t.NextFilled[L + 1] = L + 1;
  for (int i = L; i >= 1; --i) t.NextFilled[i] = IsFilled(s.LineCells[i]) ? i : t.NextFilled[i + 1];
  StartAccumulation(s, t);
  InitStartTable(app, t);
  FilterStartsByCounts(app, t);
  FilterStartsByCells(app, t);
  s.EnumDone = 0;
  s.Contradiction = 1;
  s.SolveSteps = 0;
  PlaceHint(app, t, 1);
  DecodeCells(s, t);
}

}  // namespace gw
