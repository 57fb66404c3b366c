#include "history/History.h"

#include <algorithm>

namespace gw {
namespace {

void AddChange(Step& step, Place place, int a, int b, int plane, int old, int now) {
  if (old == now) return;
  step.changes.push_back({place, static_cast<unsigned char>(a), static_cast<unsigned char>(b),
                          static_cast<unsigned char>(plane), old, now});
}

}  // namespace

int SnapshotExtent(const PuzzleState& p) {
  return std::min(kCap, std::max({kMaxSize, p.XSize, p.YSize, p.XHintCount, p.YHintCount}) + 1);
}

namespace {

// Visits every kept value of the three arrays in the order a step lists its changes: cells row by
// row, then row hints, then column hints.
template <class Visit>
void ForEachKept(int e, Visit visit) {
  for (int y = 0; y < e; ++y)
    for (int x = 0; x < e; ++x) visit(Place::Cell, x, y, 0, x * e + y);
  for (int y = 0; y < e; ++y)
    for (int s = 0; s < e; ++s)
      for (int plane = 0; plane < 3; ++plane) visit(Place::RowHint, s, y, plane, (s * e + y) * 3 + plane);
  for (int x = 0; x < e; ++x)
    for (int s = 0; s < e; ++s)
      for (int plane = 0; plane < 3; ++plane) visit(Place::ColHint, x, s, plane, (x * e + s) * 3 + plane);
}

int ValueAt(const PuzzleState& p, Place place, int a, int b, int plane) {
  switch (place) {
    case Place::Cell: return p.Grid[a][b];
    case Place::RowHint: return p.RowHints[a][b][plane];
    default: return p.ColHints[a][b][plane];
  }
}

int KeptAt(const BoardSnapshot& snap, Place place, int index) {
  switch (place) {
    case Place::Cell: return snap.grid[index];
    case Place::RowHint: return snap.rows[index];
    default: return snap.cols[index];
  }
}

}  // namespace

// Each kept stretch of an array is contiguous in it and in the snapshot: a column of cells, or
// the first `extent` lines of one hint slot (or the first slots of one column) with their planes.
template <class Snapshot, class Stretch>
void ForEachStretch(const PuzzleState& p, Snapshot& snap, Stretch stretch) {
  int e = snap.extent;
  for (int a = 0; a < e; ++a) {
    stretch(p.Grid[a], &snap.grid[a * e], e);
    stretch(&p.RowHints[a][0][0], &snap.rows[a * e * 3], e * 3);
    stretch(&p.ColHints[a][0][0], &snap.cols[a * e * 3], e * 3);
  }
}

void TakeSnapshot(const PuzzleState& p, BoardSnapshot& snap) {
  int e = SnapshotExtent(p);
  snap.extent = e;
  snap.grid.resize(static_cast<std::size_t>(e) * e);
  snap.rows.resize(static_cast<std::size_t>(e) * e * 3);
  snap.cols.resize(static_cast<std::size_t>(e) * e * 3);
  ForEachStretch(p, snap, [](const int* from, int* to, int n) { std::copy(from, from + n, to); });
}

bool SameBoard(const BoardSnapshot& snap, const PuzzleState& p) {
  if (snap.extent != SnapshotExtent(p)) return false;
  bool same = true;
  ForEachStretch(p, snap, [&](const int* now, const int* kept, int n) { same = same && std::equal(now, now + n, kept); });
  return same;
}

// Index 0 is never data, but a stray write there would still be a change worth undoing: every
// kept value is compared. Values past the snapshot's extent were no part of the puzzle then.
Step DiffBoard(const BoardSnapshot& before, const PuzzleState& p) {
  Step step;
  ForEachKept(before.extent, [&](Place place, int a, int b, int plane, int index) {
    AddChange(step, place, a, b, plane, KeptAt(before, place, index), ValueAt(p, place, a, b, plane));
  });
  return step;
}

PuzzleIdentity IdentityOf(const PuzzleState& p, const Document& doc) {
  PuzzleIdentity id{p.Mode, p.XSize, p.YSize, p.XHintCount, p.YHintCount, doc.CurPath, {}};
  TakeSnapshot(p, id.board);
  return id;
}

bool SamePuzzle(const PuzzleIdentity& id, const PuzzleState& p, const Document& doc) {
  return id.Mode == p.Mode && id.XSize == p.XSize && id.YSize == p.YSize &&
         id.XHintCount == p.XHintCount && id.YHintCount == p.YHintCount && id.CurPath == doc.CurPath &&
         SameBoard(id.board, p);
}

}  // namespace gw
