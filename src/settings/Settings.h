#pragma once

#include "App.h"

namespace gw {

inline constexpr const char* kSettingsFile = "gridwick.ini";

// Standard colours, default palette, current colour, then the file in the current folder. A value
// the file does not hold (it ends early, or has text that is not a number there) keeps its
// default.
void LoadSettings(App& app);
// Writes the file in the current folder. When it cannot be written the user is told, the old
// file stays as it was, and the result is false.
bool SaveSettings(App& app);

}  // namespace gw
