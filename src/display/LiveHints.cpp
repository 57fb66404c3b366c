#include "display/LiveHints.h"

#include <algorithm>

#include "display/BoardLayout.h"
#include "display/Draw.h"
#include "settings/Options.h"

namespace gw {

bool ShowsLiveHints(const App& app) {
  return app.options.liveHints && app.puzzle.Mode == kModeImage && app.puzzle.XSize > 0;
}

PuzzleState LiveHintState(const PuzzleState& p) {
  PuzzleState live = p;
  DeriveHints(live);
  live.XHintCount = std::max(live.XHintCount, p.XHintCount);
  live.YHintCount = std::max(live.YHintCount, p.YHintCount);
  AlignHintsToBoard(live);
  return live;
}

std::vector<int> LiveHintsKey(const PuzzleState& live) {
  std::vector<int> key{live.XHintCount, live.YHintCount};
  for (int y = 1; y <= live.YSize; ++y)
    for (int s = 1; s <= live.XHintCount; ++s)
      key.insert(key.end(), {live.RowHints[s][y][kHintNumber], live.RowHints[s][y][kHintColor]});
  for (int x = 1; x <= live.XSize; ++x)
    for (int s = 1; s <= live.YHintCount; ++s)
      key.insert(key.end(), {live.ColHints[x][s][kHintNumber], live.ColHints[x][s][kHintColor]});
  return key;
}

namespace {

// Moves every slot of a line `by` places away from the start, so the stored runs keep their
// places next to the board; the slots opened at the start are empty, as the first one was.
template <typename Slot>
void MoveSlots(int count, int by, Slot slot) {
  int colour = count > by ? slot(1)[kHintColor] : 1;
  for (int s = count; s > by; --s) std::copy(slot(s - by), slot(s - by) + 3, slot(s));
  for (int s = 1; s <= by && s <= count; ++s) {
    slot(s)[kHintNumber] = 0;
    slot(s)[kHintColor] = colour;
    slot(s)[kHintCheck] = 0;
  }
}

void GrowHintAreas(PuzzleState& p, int xCount, int yCount) {
  for (int y = 1; y <= p.YSize; ++y)
    MoveSlots(xCount, xCount - p.XHintCount, [&](int s) { return p.RowHints[s][y]; });
  for (int x = 1; x <= p.XSize; ++x)
    MoveSlots(yCount, yCount - p.YHintCount, [&](int s) { return p.ColHints[x][s]; });
  p.XHintCount = xCount;
  p.YHintCount = yCount;
}

}  // namespace

// The most runs a line of `cells` can hold when runs of a colour are parted by a blank: every
// picture of one colour, and nearly every picture in colour, needs no more slots than this.
int MostRuns(int cells) { return (cells + 1) / 2; }

void FollowLiveHints(App& app) {
  if (!ShowsLiveHints(app)) return;
  PuzzleState& p = app.puzzle;
  PuzzleState live = LiveHintState(p);
  // The hint areas are laid out for the largest hints up front, as soon as the picture is shown,
  // so that the board does not move under the pointer while the player draws; only runs of
  // colours that touch can need more, and then the areas grow.
  int xCount = std::max(live.XHintCount, MostRuns(p.XSize));
  int yCount = std::max(live.YHintCount, MostRuns(p.YSize));
  bool grow = xCount > p.XHintCount || yCount > p.YHintCount;
  if (grow) GrowHintAreas(p, xCount, yCount);
  if (grow) live = LiveHintState(p);
  if (grow || LiveHintsKey(live) != app.layout.LiveHintsShown) PaintBoard(app);
}

}  // namespace gw
