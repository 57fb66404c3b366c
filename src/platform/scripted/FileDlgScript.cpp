#include "dialogs/FileDlg.h"
#include "platform/scripted/DialogScripts.h"

namespace gw {

// Placeholder until the dialog lands.
std::string DescribeFileDlg(const Dialog&) { return "FileDlg"; }

void ApplyFileDlgStep(App&, Dialog&, const ScriptStep& step) {
  throw ScriptError("unknown filedlg step " + step.words.at(0));
}

}  // namespace gw
