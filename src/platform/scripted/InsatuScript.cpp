#include "print/Insatu.h"
#include "platform/scripted/DialogScripts.h"

namespace gw {

// Placeholder until the dialog lands.
std::string DescribeInsatu(const Dialog&) { return "Insatu"; }

void ApplyInsatuStep(App&, Dialog&, const ScriptStep& step) {
  throw ScriptError("unknown insatu step " + step.words.at(0));
}

}  // namespace gw
