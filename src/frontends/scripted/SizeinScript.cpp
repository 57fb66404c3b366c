#include "dialogs/Sizein.h"
#include "frontends/scripted/DialogScripts.h"
#include "frontends/scripted/ScriptText.h"

namespace gw {

std::string DescribeSizein(const Dialog& dialog) {
  const auto& dlg = static_cast<const Sizein&>(dialog);
  std::string text = "Sizein";
  std::string enabled;
  for (int i = 0; i < 4; ++i) {
    text += " Text" + std::to_string(i + 1) + "=" + Quote(dlg.Text[i]);
    enabled += dlg.enabled[i] ? '1' : '0';
  }
  return text + " enabled=" + enabled;
}

// One step types the four boxes (a "-" leaves a box as it is; a disabled box keeps its text)
// and presses OK.
void ApplySizeinStep(App& app, Dialog& dialog, const ScriptStep& step) {
  auto& dlg = static_cast<Sizein&>(dialog);
  if (step.words.size() != 4) throw ScriptError("sizein needs four texts");
  for (int i = 0; i < 4; ++i)
    if (step.words[i] != "-" && dlg.enabled[i]) dlg.Text[i] = step.words[i];
  SizeinOk(app, dlg);
}

}  // namespace gw
