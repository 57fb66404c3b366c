#include "settings/Cust.h"
#include "platform/scripted/DialogScripts.h"

namespace gw {

// Placeholder until the dialog lands.
std::string DescribeCust(const Dialog&) { return "Cust"; }

void ApplyCustStep(App&, Dialog&, const ScriptStep& step) {
  throw ScriptError("unknown cust step " + step.words.at(0));
}

}  // namespace gw
