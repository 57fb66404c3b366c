#pragma once
// Live hints: in image input, with the option on, the hint areas show the hints of the picture
// as it is drawn. The stored hints stay as they are until a save derives them.
#include <vector>

#include "App.h"
#include "state/PuzzleState.h"

namespace gw {

bool ShowsLiveHints(const App& app);
// The puzzle with the hints its picture gives, in the slots of its hint counts, which must hold
// them.
PuzzleState LiveHintState(const PuzzleState& p);
// What DrawHints remembers of the live hints it drew, to tell when they change.
std::vector<int> LiveHintsKey(const PuzzleState& live);
// After a command or a stroke: the hint areas are made as large as a line of the picture's size can
// need (half its cells, rounded up) or as its hints need, whichever is more, and never shrink while
// drawing, so the board stays where it is under the pointer; the window is drawn anew when the
// hints it shows are not the picture's.
void FollowLiveHints(App& app);

}  // namespace gw
