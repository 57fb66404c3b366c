#include "history/History.h"

#include <cstring>

namespace gw {
namespace {

void AddChange(Step& step, Place place, int a, int b, int plane, int old, int now) {
  if (old == now) return;
  step.changes.push_back({place, static_cast<unsigned char>(a), static_cast<unsigned char>(b),
                          static_cast<unsigned char>(plane), old, now});
}

}  // namespace

void TakeSnapshot(const PuzzleState& p, BoardSnapshot& snap) {
  std::memcpy(snap.Grid, p.Grid, sizeof snap.Grid);
  std::memcpy(snap.RowHints, p.RowHints, sizeof snap.RowHints);
  std::memcpy(snap.ColHints, p.ColHints, sizeof snap.ColHints);
}

bool SameBoard(const BoardSnapshot& snap, const PuzzleState& p) {
  return std::memcmp(snap.Grid, p.Grid, sizeof snap.Grid) == 0 &&
         std::memcmp(snap.RowHints, p.RowHints, sizeof snap.RowHints) == 0 &&
         std::memcmp(snap.ColHints, p.ColHints, sizeof snap.ColHints) == 0;
}

Step DiffBoard(const BoardSnapshot& before, const PuzzleState& p) {
  Step step;
  // Index 0 is never data, but a stray write there would still be a change worth undoing: the
  // whole arrays are compared.
  for (int y = 0; y < kCap; ++y)
    for (int x = 0; x < kCap; ++x)
      AddChange(step, Place::Cell, x, y, 0, before.Grid[x][y], p.Grid[x][y]);
  for (int y = 0; y < kCap; ++y)
    for (int s = 0; s < kCap; ++s)
      for (int plane = 0; plane < 3; ++plane)
        AddChange(step, Place::RowHint, s, y, plane, before.RowHints[s][y][plane], p.RowHints[s][y][plane]);
  for (int x = 0; x < kCap; ++x)
    for (int s = 0; s < kCap; ++s)
      for (int plane = 0; plane < 3; ++plane)
        AddChange(step, Place::ColHint, x, s, plane, before.ColHints[x][s][plane], p.ColHints[x][s][plane]);
  return step;
}

PuzzleIdentity IdentityOf(const PuzzleState& p) {
  PuzzleIdentity id{p.Mode, p.XSize, p.YSize, p.XHintCount, p.YHintCount, p.CurPath, {}};
  TakeSnapshot(p, id.board);
  return id;
}

bool SamePuzzle(const PuzzleIdentity& id, const PuzzleState& p) {
  return id.Mode == p.Mode && id.XSize == p.XSize && id.YSize == p.YSize &&
         id.XHintCount == p.XHintCount && id.YHintCount == p.YHintCount && id.CurPath == p.CurPath &&
         SameBoard(id.board, p);
}

}  // namespace gw
