#include "solver/WorkLineCache.h"

#include "solver/SolveWorkLine.h"
#include "solver/WorkLine.h"

namespace gw {
namespace {

bool InRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

}  // namespace

bool WorkLineCache::MakeKey(const SolverState& s, Key& key) {
  int L = s.LineCells[0], n = s.LineHints[0][0];
  if (!InRange(L, 0, kMaxSize) || !InRange(n, 0, kMaxSize)) return false;
  key.fill(0);
  key[0] = static_cast<std::uint8_t>(L);
  key[1] = static_cast<std::uint8_t>(n);
  std::uint8_t* cells = &key[2];
  std::uint8_t* lengths = cells + kMaxSize;
  std::uint8_t* colours = lengths + kMaxSize;
  std::uint8_t* masks = colours + kMaxSize;
  for (int i = 1; i <= L; ++i) {
    int v = s.LineCells[i];
    if (!InRange(v, -9, 9)) return false;
    cells[i - 1] = static_cast<std::uint8_t>(v + 10);
  }
  for (int k = 1; k <= n; ++k) {
    int len = RunLength(s, k), colour = RunColour(s, k);
    if (!InRange(len, 0, kMaxSize) || !InRange(colour, 0, 9)) return false;
    lengths[k - 1] = static_cast<std::uint8_t>(len);
    colours[k - 1] = static_cast<std::uint8_t>(colour);
    if (colour == 0 || masks[4 * (colour - 1) + 3] & 0x80) continue;
    std::uint32_t mask = 0x80000000u;  // the colour's mask is made
    for (int i = 1; i <= L; ++i)
      if (CrossTotal(s, colour, i) == 0) mask |= std::uint32_t{1} << (i - 1);
    for (int b = 0; b < 4; ++b) masks[4 * (colour - 1) + b] = static_cast<std::uint8_t>(mask >> (8 * b));
  }
  return true;
}

void WorkLineCache::Solve(App& app) {
  SolverState& s = app.solver;
  Key key;
  if (!MakeKey(s, key)) {
    SolveWorkLine(app);
    return;
  }
  int L = s.LineCells[0];
  auto found = results_.find(key);
  if (found != results_.end()) {
    ++hits_;
    const Result& r = found->second;
    for (int i = 1; i <= L; ++i) s.LineCells[i] = r.cells[i - 1];
    s.SolveSteps = r.steps;
    s.Contradiction = r.contradiction ? 1 : 0;
    s.EnumDone = r.enumDone ? 1 : 0;
    return;
  }
  ++misses_;
  SolveWorkLine(app);
  Result r{};
  for (int i = 1; i <= L; ++i) r.cells[i - 1] = static_cast<std::int8_t>(s.LineCells[i]);
  r.steps = s.SolveSteps;
  r.contradiction = s.Contradiction == 1;
  r.enumDone = s.EnumDone == 1;
  results_.emplace(key, r);
}

}  // namespace gw
