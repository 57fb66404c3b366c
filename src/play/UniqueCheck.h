#pragma once
#include <string>
#include <vector>

#include "analysis/Analysis.h"

namespace gw {

struct App;

// ツール > 一意性チェック: whether the puzzle in memory has exactly one solution, and how hard it
// is. Play mode checks the loaded hints and shows nothing of the picture; number input checks the
// typed hints and highlights the cells two solutions disagree on; image input checks the hints
// of the picture and highlights the cells another solution paints differently.
void UniquenessCheck(App& app);

// Before a picture is saved with live hints on: true when its hints settle it, or when the user,
// shown the cells another solution changes, chooses to save it anyway.
bool PictureSettlesOrSaveAnyway(App& app);

// The message the check shows for a verdict (lines joined by CR). `mode` picks the words for the
// highlight; `badLine` names a line whose runs cannot fit, if any.
std::string VerdictText(const analysis::Analysis& a, int mode, const std::string& badLine);

}  // namespace gw
