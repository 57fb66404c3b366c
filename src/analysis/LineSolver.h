#pragma once
// Complete reasoning on one line: which values every placement of the runs leaves each cell.
#include <cstdint>
#include <vector>

#include "analysis/Analysis.h"

namespace gw::analysis {

class LineSolver {
 public:
  // Narrows cells[0..n) to the values some placement of runs[0..k) agrees with; false when no
  // placement fits. Runs must have lengths >= 1 and colours 1..9.
  bool Solve(const Run* runs, int k, CellSet* cells, int n) {
    return n <= kMaxBitLine ? SolveBits(runs, k, cells, n) : SolveTable(runs, k, cells, n);
  }

  // The two ways, open to the tests: one machine word per cell set for lines that fit one, and
  // a table over (run, position) for any length.
  static constexpr int kMaxBitLine = 63;
  bool SolveBits(const Run* runs, int k, CellSet* cells, int n);
  bool SolveTable(const Run* runs, int k, CellSet* cells, int n);

 private:
  void Prepare(const Run* runs, int k, const CellSet* cells, int n);
  bool LeftFits(int j, int s) const;
  bool RightFits(int j, int e) const;
  bool Blocked(int j, int from, int to) const;

  const Run* runs_ = nullptr;
  const CellSet* cells_ = nullptr;
  int k_ = 0;
  int n_ = 0;
  // notEmpty_[i], notColor_[slot][i]: how many of the cells [0, i) cannot be empty / that colour.
  std::vector<int> notEmpty_;
  std::vector<int> notColor_[kMaxColors + 1];
  int slot_[kMaxColors + 1] = {};  // colour -> row of notColor_ for the colours of the runs
  // fwd_[j * (n + 1) + i]: runs [0, j) fit in cells [0, i), the rest of them empty.
  // bwd_[j * (n + 1) + i]: runs [j, k) fit in cells [i, n), the rest of them empty.
  std::vector<unsigned char> fwd_;
  std::vector<unsigned char> bwd_;
  std::vector<int> cover_[kMaxColors + 1];  // difference counts of the runs' possible cover
  // The word solver's positions per run: where run j may start seen from the left, and the
  // forward and backward sets of positions 0..n.
  std::vector<std::uint64_t> startsLeft_;
  std::vector<std::uint64_t> fwdBits_;
  std::vector<std::uint64_t> bwdBits_;
};

}  // namespace gw::analysis
