#include "settings/Settings.h"

namespace gw {

// Placeholder until the settings file lands.
void LoadSettings(App& app) {
  SetDefaultPalette(app.puzzle);
  app.puzzle.CurColor = 1;
  app.puzzle.AutoCheck = 1;
}
void SaveSettings(App&) {}

}  // namespace gw
