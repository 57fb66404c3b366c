// The line solver for lines of up to 63 cells: the same reasoning as the table over (run,
// position), with the positions 0..n of each row of the table held in one machine word, so a run
// is placed at every position at once.
#include "analysis/LineSolver.h"

namespace gw::analysis {
namespace {

using Bits = std::uint64_t;

// Positions reachable from `from` by stepping right over cells that may be empty: i -> i + 1
// when bit i of `open` is set. Jumps double each round (cells i..i+k-1 all open allow i -> i+k).
Bits SpreadRight(Bits from, Bits open) {
  for (int k = 1; k < 64; k <<= 1) {
    from |= (from & open) << k;
    open &= open >> k;
  }
  return from;
}

// The same leftwards: i + 1 -> i when bit i of `open` is set.
Bits SpreadLeft(Bits from, Bits open) {
  for (int k = 1; k < 64; k <<= 1) {
    from |= (from >> k) & open;
    open &= open >> k;
  }
  return from;
}

// Positions s with cells s..s+len-1 all in `cells`.
Bits Windows(Bits cells, int len) {
  for (int have = 1; have < len;) {
    int step = have < len - have ? have : len - have;
    cells &= cells >> step;
    have += step;
  }
  return cells;
}

// The cells covered by a run of this length starting at any of `starts`.
Bits Cover(Bits starts, int len) {
  for (int have = 1; have < len;) {
    int step = have < len - have ? have : len - have;
    starts |= starts << step;
    have += step;
  }
  return starts;
}

}  // namespace

bool LineSolver::SolveBits(const Run* runs, int k, CellSet* cells, int n) {
  Bits open = 0;  // cells that may be empty
  Bits colour[kMaxColors + 1] = {};
  for (int i = 0; i < n; ++i) {
    const CellSet c = cells[i];
    if (c & kEmptyBit) open |= Bits{1} << i;
    for (int v = 1; v <= kMaxColors; ++v)
      if (c & ColorBit(v)) colour[v] |= Bits{1} << i;
  }
  if (startsLeft_.size() < static_cast<size_t>(k) + 1) {
    startsLeft_.resize(k + 1);
    fwdBits_.resize(k + 1);
    bwdBits_.resize(k + 1);
  }
  auto sameAsPrevious = [&](int j) { return j > 0 && runs[j - 1].color == runs[j].color; };

  // fwdBits_[j]: the positions i where runs [0, j) fit in cells [0, i).
  fwdBits_[0] = SpreadRight(1, open);
  for (int j = 0; j < k; ++j) {
    const Bits from = sameAsPrevious(j) ? (fwdBits_[j] & open) << 1 : fwdBits_[j];
    startsLeft_[j] = from & Windows(colour[runs[j].color], runs[j].length);
    fwdBits_[j + 1] = SpreadRight(startsLeft_[j] << runs[j].length, open);
  }
  const Bits end = Bits{1} << n;
  if (!(fwdBits_[k] & end)) return false;

  // bwdBits_[j]: the positions i where runs [j, k) fit in cells [i, n).
  bwdBits_[k] = SpreadLeft(end, open);
  Bits coverOf[kMaxColors + 1] = {};
  for (int j = k - 1; j >= 0; --j) {
    const int len = runs[j].length;
    const Bits next = j + 1 < k && sameAsPrevious(j + 1) ? (bwdBits_[j + 1] >> 1) & open : bwdBits_[j + 1];
    const Bits startsRight = (next >> len) & Windows(colour[runs[j].color], len);
    bwdBits_[j] = SpreadLeft(startsRight, open);
    coverOf[runs[j].color] |= Cover(startsLeft_[j] & startsRight, len);
  }
  Bits empty = 0;
  for (int j = 0; j <= k; ++j) empty |= fwdBits_[j] & (bwdBits_[j] >> 1);
  empty &= open;

  for (int i = 0; i < n; ++i) {
    CellSet allowed = (empty >> i) & 1 ? kEmptyBit : 0;
    for (int v = 1; v <= kMaxColors; ++v)
      if ((coverOf[v] >> i) & 1) allowed |= ColorBit(v);
    cells[i] &= allowed;
  }
  return true;
}

}  // namespace gw::analysis
