#include <cmath>

#include "system/Convert.h"
#include "frontends/scripted/DialogScripts.h"
#include "frontends/scripted/ScriptText.h"
#include "settings/Cust.h"

namespace gw {
namespace {

// The middle of slot K of the column, or the first twip below the ninth slot.
double SlotPressHeight(App& app, const ScriptStep& step) {
  double h = static_cast<double>(RoundHalfEven(app.ui.GetSurface(SurfaceId::CustPic).OuterSize().height / 9));
  if (step.words.at(1) == "below") return 9 * h;
  int k = StepNumber(step, 1);
  if (k < 1 || k > 9) throw ScriptError("there is no slot " + step.words.at(1));
  return (k - 0.5) * h;
}

int Swatch(const ScriptStep& step) {
  int i = StepNumber(step, 1);
  if (i < 0 || i >= kSwatchCount) throw ScriptError("there is no swatch " + step.words.at(1));
  return i;
}

int Ranged(const ScriptStep& step, size_t index, int last) {
  int v = StepNumber(step, index);
  if (v < 0 || v > last) throw ScriptError("step " + step.words.at(0) + " takes 0.." + std::to_string(last));
  return v;
}

}  // namespace

std::string DescribeCust(const Dialog& dialog) {
  const auto& dlg = static_cast<const Cust&>(dialog);
  return "Cust slot=" + std::to_string(dlg.slot) + " mark=" + std::to_string(dlg.Opt) +
         " check=" + (dlg.Check1 ? "1" : "0") + " bars=" + std::to_string(dlg.HSc[0]) + "," +
         std::to_string(dlg.HSc[1]) + "," + std::to_string(dlg.HSc[2]) +
         " sample=" + std::to_string(dlg.sample) + " captions=" + Quote(dlg.Lblc[0]) + "," +
         Quote(dlg.Lblc[1]) + "," + Quote(dlg.Lblc[2]);
}

void ApplyCustStep(App& app, Dialog& dialog, const ScriptStep& step) {
  auto& dlg = static_cast<Cust&>(dialog);
  const std::string& w = step.words.at(0);
  if (w == "slot") {
    CustPicMouseDown(app, dlg, SlotPressHeight(app, step));
  } else if (w == "swatch") {
    CustSwatchClick(app, dlg, Swatch(step));
  } else if (w == "double") {
    // A double click arrives as a click and then the double click.
    int i = Swatch(step);
    CustSwatchClick(app, dlg, i);
    CustSwatchDblClick(app, dlg, i);
  } else if (w == "bar") {
    CustBarChange(app, dlg, Ranged(step, 1, 2), Ranged(step, 2, 255));
  } else if (w == "drop") {
    // The sample is pressed, dragged and let go over swatch I (or anywhere, for other numbers).
    CustSampleMouseDown(app, dlg);
    CustSwatchDrop(app, dlg, StepNumber(step, 1));
  } else if (w == "check") {
    CustCheckClick(app, dlg, Ranged(step, 1, 1) == 1);
  } else if (w == "mark") {
    CustOptClick(app, dlg, Ranged(step, 1, 2));
  } else if (w == "ok") {
    CustOk(app, dlg);
  } else if (w == "cancel") {
    CustCancel(app, dlg);
  } else if (w == "close") {
    CustClose(app, dlg);
  } else {
    throw ScriptError("unknown cust step " + w);
  }
}

}  // namespace gw
