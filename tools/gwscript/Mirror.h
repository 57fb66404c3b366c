#pragma once
#include <map>
#include <memory>
#include <string>

#include "platform/qt/ImageSurface.h"
#include "platform/scripted/ScriptedPlatform.h"

namespace gw {

// Real images behind the scripted surfaces of the main window and its palette boxes: every
// drawing reaches them too, so a snapshot shows the window's picture as the real window would.
class Mirror {
 public:
  explicit Mirror(ScriptedPlatform& ui);
  // Writes the main window's picture with the palette boxes in place; false when it cannot.
  bool Snapshot(const std::string& path);

 private:
  ScriptedPlatform& ui_;
  std::map<SurfaceId, std::unique_ptr<ImageSurface>> images_;
};

}  // namespace gw
