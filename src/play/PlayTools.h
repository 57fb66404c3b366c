#pragma once

#include "App.h"

namespace gw {

// ツール > ミスチェック: against the puzzle's unique solution, shows the wrong cells in an overlay
// and tells their count.
void MistakeCheck(App& app);
// ツール > ヒント: shows the next step a person could take from the board, without filling it.
void ShowHint(App& app);

}  // namespace gw
