#include "Mirror.h"

namespace gw {

std::unique_ptr<Mirror> MakeMirror(ScriptedPlatform&) { return nullptr; }

}  // namespace gw
