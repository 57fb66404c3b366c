#pragma once

#include "App.h"

namespace gw {

inline constexpr const char* kSettingsFile = "gridwick.ini";

// Standard colours, default palette, current colour, then the file in the current folder.
void LoadSettings(App& app);
// Writes the file in the current folder; tells the user when it cannot be written.
void SaveSettings(App& app);

}  // namespace gw
