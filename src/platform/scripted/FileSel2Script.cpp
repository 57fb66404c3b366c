#include "dialogs/FileSel2.h"
#include "platform/scripted/DialogScripts.h"

namespace gw {

// Placeholder until the dialog lands.
std::string DescribeFileSel2(const Dialog&) { return "FileSel2"; }

void ApplyFileSel2Step(App&, Dialog&, const ScriptStep& step) {
  throw ScriptError("unknown filesel2 step " + step.words.at(0));
}

}  // namespace gw
