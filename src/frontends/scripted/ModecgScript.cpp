#include "dialogs/Modecg.h"
#include "frontends/scripted/DialogScripts.h"

namespace gw {

std::string DescribeModecg(const Dialog& dialog) {
  return "Modecg option=" + std::to_string(static_cast<const Modecg&>(dialog).option);
}

void ApplyModecgStep(App& app, Dialog& dialog, const ScriptStep& step) {
  auto& dlg = static_cast<Modecg&>(dialog);
  const std::string& w = step.words.at(0);
  if (w == "ok") ModecgOk(app, dlg);
  else if (w == "close") ModecgClose(app, dlg);
  else if (w == "1" || w == "2" || w == "3") ModecgOptionClick(app, dlg, w[0] - '0');
  else throw ScriptError("unknown modecg step " + w);
}

}  // namespace gw
