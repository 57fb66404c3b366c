#pragma once
// Error hints (an option of play): the hints of a row or column that can no longer be completed
// as they say, given its painted and marked cells, are drawn in the error colour. The engine's
// line solver decides, as it does for the exact ticks; the colour goes as soon as the line is
// consistent again.
#include "App.h"
#include "display/BoardLayout.h"
#include "state/PuzzleState.h"

namespace gw {

bool ShowsErrorHints(const App& app);
// Every line of the board judged afresh (DrawHints, which then shows them).
ErrorLines FindErrorLines(const PuzzleState& p);
// The colour hints of row y (row) or column x are drawn in: the error colour for a line shown as
// gone wrong, else `own`.
Rgb ErrorHintColour(const App& app, bool row, int index, Rgb own);
// After the board may have changed: the lines whose cells changed are judged again, and the
// window is drawn anew when the lines shown as gone wrong are no longer those. True when it was.
bool FollowErrorHints(App& app);

}  // namespace gw
