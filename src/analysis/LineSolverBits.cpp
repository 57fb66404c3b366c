// The line solver for lines of up to 63 cells: the same reasoning as the table over (run,
// position), with the positions 0..n of each row of the table held in one machine word, so a run
// is placed at every position at once.
#include "analysis/LineSolver.h"

#include <bit>

namespace gw::analysis {
namespace {

using Bits = std::uint64_t;

// Positions reachable from `from` by stepping right over cells that may be empty: i -> i + 1
// when bit i of `open` is set. Within a stretch of open cells the carry of the addition runs from
// the lowest position reached up to the stretch's end; positions reached further up, which the
// carry clears, come back with `from`.
Bits SpreadRight(Bits from, Bits open) { return from | ((open + (from & open)) ^ open); }

// The same leftwards: i + 1 -> i when bit i of `open` is set. Jumps double each round (cells
// i..i+k-1 all open allow i + k -> i); `rounds` doublings reach 2^rounds - 1 cells.
Bits SpreadLeft(Bits from, Bits open, int rounds) {
  for (int k = 1; rounds > 0; k <<= 1, --rounds) {
    from |= (from >> k) & open;
    open &= open >> k;
  }
  return from;
}

// The cells open to value v, one bit each.
Bits BitsOf(const CellSet* cells, int n, int v) {
  Bits bits = 0;
  for (int i = 0; i < n; ++i) bits |= static_cast<Bits>((cells[i] >> v) & 1) << i;
  return bits;
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
  // Only the colours of this line's runs matter: a cell open to any other one cannot take it.
  int used[kMaxColors];
  int colours = 0;
  CellSet usedBits = 0;
  for (int j = 0; j < k; ++j)
    if (!(usedBits & ColorBit(runs[j].color))) {
      usedBits |= ColorBit(runs[j].color);
      used[colours++] = runs[j].color;
    }
  const int rounds = std::bit_width(static_cast<unsigned>(n));
  const Bits open = BitsOf(cells, n, 0);  // cells that may be empty
  Bits colour[kMaxColors + 1] = {};
  for (int u = 0; u < colours; ++u) colour[used[u]] = BitsOf(cells, n, used[u]);
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
  bwdBits_[k] = SpreadLeft(end, open, rounds);
  Bits coverOf[kMaxColors + 1] = {};
  for (int j = k - 1; j >= 0; --j) {
    const int len = runs[j].length;
    const Bits next = j + 1 < k && sameAsPrevious(j + 1) ? (bwdBits_[j + 1] >> 1) & open : bwdBits_[j + 1];
    const Bits startsRight = (next >> len) & Windows(colour[runs[j].color], len);
    bwdBits_[j] = SpreadLeft(startsRight, open, rounds);
    coverOf[runs[j].color] |= Cover(startsLeft_[j] & startsRight, len);
  }
  Bits empty = 0;
  for (int j = 0; j <= k; ++j) empty |= fwdBits_[j] & (bwdBits_[j] >> 1);
  empty &= open;

  CellSet allowed[kMaxBitLine];
  for (int i = 0; i < n; ++i) allowed[i] = static_cast<CellSet>((empty >> i) & 1);
  for (int u = 0; u < colours; ++u) {
    const int v = used[u];
    const Bits cover = coverOf[v];
    for (int i = 0; i < n; ++i) allowed[i] |= static_cast<CellSet>(((cover >> i) & 1) << v);
  }
  for (int i = 0; i < n; ++i) cells[i] &= allowed[i];
  return true;
}

}  // namespace gw::analysis
