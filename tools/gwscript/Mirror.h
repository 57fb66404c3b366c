#pragma once
#include <memory>
#include <string>

#include "frontends/scripted/ScriptedPlatform.h"

namespace gw {

// Real images behind the scripted surfaces of the main window and its palette boxes: every
// drawing reaches them too, so a snapshot shows the window's picture as the real window would.
class Mirror {
 public:
  virtual ~Mirror() = default;
  // Writes the main window's picture with the palette boxes in place; false when it cannot.
  virtual bool Snapshot(const std::string& path) = 0;
};

// The Qt image surfaces (QtMirror.cpp); nothing in a build without Qt (NoMirror.cpp).
std::unique_ptr<Mirror> MakeMirror(ScriptedPlatform& ui);

}  // namespace gw
