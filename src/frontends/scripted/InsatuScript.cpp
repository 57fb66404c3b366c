#include "frontends/scripted/DialogScripts.h"
#include "frontends/scripted/ScriptText.h"
#include "print/Insatu.h"

namespace gw {

std::string DescribeInsatu(const Dialog& dialog) {
  const auto& dlg = static_cast<const Insatu&>(dialog);
  return "Insatu Txt0=" + Quote(dlg.Txt[0]) + " Txt1=" + Quote(dlg.Txt[1]) + " Txt2=" +
         Quote(dlg.Txt[2]) + " color=" + (dlg.Check1 ? "1" : "0") + " size=" + Quote(dlg.Lbl3);
}

void ApplyInsatuStep(App& app, Dialog& dialog, const ScriptStep& step) {
  auto& dlg = static_cast<Insatu&>(dialog);
  const std::string& w = step.words.at(0);
  if (w == "text") {
    int i = StepNumber(step, 1);
    if (i < 0 || i > 2) throw ScriptError("there is no text box Txt(" + step.words.at(1) + ")");
    InsatuTextChange(app, dlg, i, step.words.at(2));
  } else if (w == "color") {
    int c = StepNumber(step, 1);
    if (c != 0 && c != 1) throw ScriptError("step color takes 0 or 1");
    InsatuCheckClick(app, dlg, c == 1);
  } else if (w == "print") {
    InsatuPrintClick(app, dlg);
  } else if (w == "back") {
    InsatuBackClick(app, dlg);
  } else {
    throw ScriptError("unknown insatu step " + w);
  }
}

}  // namespace gw
