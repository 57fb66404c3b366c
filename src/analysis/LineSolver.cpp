#include "analysis/LineSolver.h"

namespace gw::analysis {

// Runs of one colour need an empty cell between them; runs of different colours may touch.
static int GapAfter(const Run* runs, int k, int j) {
  return j + 1 < k && runs[j + 1].color == runs[j].color ? 1 : 0;
}

void LineSolver::Prepare(const Run* runs, int k, const CellSet* cells, int n) {
  runs_ = runs;
  k_ = k;
  cells_ = cells;
  n_ = n;
  notEmpty_.assign(n + 1, 0);
  for (int i = 0; i < n; ++i) notEmpty_[i + 1] = notEmpty_[i] + ((cells[i] & kEmptyBit) ? 0 : 1);
  int used = 0;
  for (int c = 0; c <= kMaxColors; ++c) slot_[c] = -1;
  for (int j = 0; j < k; ++j) {
    int c = runs[j].color;
    if (slot_[c] >= 0) continue;
    slot_[c] = used;
    std::vector<int>& count = notColor_[used++];
    count.assign(n + 1, 0);
    CellSet bit = ColorBit(c);
    for (int i = 0; i < n; ++i) count[i + 1] = count[i] + ((cells[i] & bit) ? 0 : 1);
  }
}

bool LineSolver::Blocked(int j, int from, int to) const {
  const std::vector<int>& count = notColor_[slot_[runs_[j].color]];
  return count[to] != count[from];
}

// Runs [0, j) fit before run j starting at s (with the gap run j - 1 needs).
bool LineSolver::LeftFits(int j, int s) const {
  int g = j > 0 && runs_[j - 1].color == runs_[j].color ? 1 : 0;
  if (s - g < 0) return false;
  if (g && !(cells_[s - 1] & kEmptyBit)) return false;
  return fwd_[static_cast<size_t>(j) * (n_ + 1) + (s - g)];
}

// Runs (j, k) fit after run j ending at e (exclusive).
bool LineSolver::RightFits(int j, int e) const {
  int g = GapAfter(runs_, k_, j);
  if (e + g > n_) return false;
  if (g && !(cells_[e] & kEmptyBit)) return false;
  return bwd_[static_cast<size_t>(j + 1) * (n_ + 1) + (e + g)];
}

bool LineSolver::SolveTable(const Run* runs, int k, CellSet* cells, int n) {
  Prepare(runs, k, cells, n);
  const size_t w = n + 1;
  fwd_.assign((k + 1) * w, 0);
  bwd_.assign((k + 1) * w, 0);
  for (int i = 0; i <= n; ++i) fwd_[i] = notEmpty_[i] == 0;
  for (int j = 1; j <= k; ++j) {
    const int len = runs[j - 1].length;
    unsigned char* row = &fwd_[j * w];
    for (int i = 1; i <= n; ++i) {
      bool v = row[i - 1] && (cells[i - 1] & kEmptyBit);
      int s = i - len;
      if (!v && s >= 0 && !Blocked(j - 1, s, i)) v = LeftFits(j - 1, s);
      row[i] = v;
    }
  }
  if (!fwd_[k * w + n]) return false;

  for (int i = 0; i <= n; ++i) bwd_[k * w + i] = notEmpty_[n] == notEmpty_[i];
  for (int j = k - 1; j >= 0; --j) {
    const int len = runs[j].length;
    unsigned char* row = &bwd_[j * w];
    row[n] = 0;
    for (int i = n - 1; i >= 0; --i) {
      bool v = row[i + 1] && (cells[i] & kEmptyBit);
      int e = i + len;
      if (!v && e <= n && !Blocked(j, i, e)) v = RightFits(j, e);
      row[i] = v;
    }
  }

  // Which colours each cell can take: a difference count per colour of the valid placements.
  for (int c = 1; c <= kMaxColors; ++c)
    if (slot_[c] >= 0) cover_[slot_[c]].assign(n + 1, 0);
  for (int j = 0; j < k; ++j) {
    const int len = runs[j].length;
    std::vector<int>& cover = cover_[slot_[runs[j].color]];
    for (int s = 0; s + len <= n; ++s) {
      if (Blocked(j, s, s + len) || !LeftFits(j, s) || !RightFits(j, s + len)) continue;
      ++cover[s];
      --cover[s + len];
    }
  }
  int running[kMaxColors + 1] = {};
  for (int i = 0; i < n; ++i) {
    CellSet allowed = 0;
    if (cells[i] & kEmptyBit) {
      for (int j = 0; j <= k; ++j)
        if (fwd_[j * w + i] && bwd_[j * w + i + 1]) {
          allowed = kEmptyBit;
          break;
        }
    }
    for (int c = 1; c <= kMaxColors; ++c) {
      if (slot_[c] < 0) continue;
      running[c] += cover_[slot_[c]][i];
      if (running[c] > 0) allowed |= ColorBit(c);
    }
    cells[i] = allowed & cells[i];
  }
  return true;
}

}  // namespace gw::analysis
