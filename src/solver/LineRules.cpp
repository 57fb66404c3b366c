#include "solver/LineRules.h"

#include "solver/WorkLine.h"

namespace gw {
namespace {

void Fill(SolverState& s, int from, int to, int value) {
  for (int i = from; i <= to; ++i) s.LineCells[i] = value;
}

bool NoHints(const SolverState& s) { return WorkRuns(s) == 1 && RunLength(s, 1) == 0; }

// The tightest packing of the runs, or -1 when a run has no sensible length.
int PackedLength(const SolverState& s) {
  int total = 0;
  for (int k = 1; k <= WorkRuns(s); ++k) {
    if (RunLength(s, k) < 1) return -1;
    total += RunLength(s, k) + (SameColourNext(s, k) ? 1 : 0);
  }
  return total;
}

// One end of the line, read up to the first blank cell: the run the scan stands in and how many of
// its cells it counted there.
struct EdgeScan {
  bool blank = false;  // the scan stopped at a blank cell `p`
  bool tooManyRuns = false;
  int p = 0, h = 0, count = 0;
};

EdgeScan ScanEdge(const SolverState& s, int first, int step) {
  int L = WorkLength(s), n = WorkRuns(s);
  EdgeScan e;
  e.h = step > 0 ? 1 : n;
  for (int p = first; p >= 1 && p <= L; p += step) {
    int v = s.LineCells[p];
    if (v == 0) {
      e.blank = true;
      e.p = p;
      return e;
    }
    if (v == RunColour(s, e.h)) {
      ++e.count;
    } else if (e.count > 0) {
      e.h += step;
      // More runs than hints: the line contradicts them, which SolveWorkLine will find.
      if (e.h < 1 || e.h > n) {
        e.tooManyRuns = true;
        return e;
      }
      e.count = v >= 1 && v <= 9 ? 1 : 0;
    }
  }
  return e;
}

}  // namespace

int OverlapRule(App& app) {
  SolverState& s = app.solver;
  int L = WorkLength(s), n = WorkRuns(s);
  if (NoHints(s)) {
    Fill(s, 1, L, -1);
    return 1;
  }
  int packed = PackedLength(s);
  // Runs that do not fit (negative slack) leave the line alone; SolveWorkLine reports them.
  if (packed < 0 || packed > L) return 0;
  int slack = L - packed;
  int changed = 0;
  int left = 1;
  for (int k = 1; k <= n; ++k) {
    int len = RunLength(s, k), colour = RunColour(s, k);
    if (slack == 0) {
      Fill(s, left, left + len - 1, colour);
      if (SameColourNext(s, k - 1)) s.LineCells[left - 1] = -1;
      if (SameColourNext(s, k)) s.LineCells[left + len] = -1;
      changed = 1;
    } else if (len > slack) {
      Fill(s, left + slack, left + len - 1, colour);
      changed = 1;
    }
    left += len + (SameColourNext(s, k) ? 1 : 0);
  }
  return changed;
}

int EdgeRule(App& app) {
  SolverState& s = app.solver;
  int L = WorkLength(s);
  EdgeScan front = ScanEdge(s, 1, 1);
  if (!front.blank) return 0;
  int changed = 0;
  int len = RunLength(s, front.h), colour = RunColour(s, front.h);
  if (front.count > 0 && front.count <= len) {
    int start = front.p - front.count;
    // A run that would cross the line's end does not fit; SolveWorkLine reports the line.
    if (start + len - 1 <= L) {
      Fill(s, start, start + len - 1, colour);
      if (SameColourNext(s, front.h) && start + len <= L) s.LineCells[start + len] = -1;
      changed = 1;
    }
  }
  EdgeScan back = ScanEdge(s, L, -1);
  // The forward run may have filled the last blank cell: nothing is left to read from the end.
  if (!back.blank) return changed;
  len = RunLength(s, back.h);
  colour = RunColour(s, back.h);
  if (back.count > 0 && back.count <= len) {
    int end = back.p + back.count;
    if (end - len + 1 >= 1) {
      Fill(s, end - len + 1, end, colour);
      if (SameColourNext(s, back.h - 1) && end - len >= 1) s.LineCells[end - len] = -1;
      changed = 1;
    }
  }
  return changed;
}

}  // namespace gw
