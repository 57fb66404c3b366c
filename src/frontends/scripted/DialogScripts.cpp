#include "frontends/scripted/DialogScripts.h"

#include <charconv>

namespace gw {

std::string DescribeDialog(const Dialog& dialog) {
  switch (dialog.Kind()) {
    case DialogKind::Modecg: return DescribeModecg(dialog);
    case DialogKind::Sizein: return DescribeSizein(dialog);
    case DialogKind::FileDlg: return DescribeFileDlg(dialog);
    case DialogKind::FileSel2: return DescribeFileSel2(dialog);
    case DialogKind::Cust: return DescribeCust(dialog);
    case DialogKind::Insatu: return DescribeInsatu(dialog);
    case DialogKind::ImportImage: return DescribeImportImage(dialog);
    case DialogKind::NewPuzzle: return DescribeNewPuzzle(dialog);
  }
  return "?";
}

void ApplyDialogStep(App& app, ScriptedPlatform&, Dialog& dialog, const ScriptStep& step) {
  switch (dialog.Kind()) {
    case DialogKind::Modecg: return ApplyModecgStep(app, dialog, step);
    case DialogKind::Sizein: return ApplySizeinStep(app, dialog, step);
    case DialogKind::FileDlg: return ApplyFileDlgStep(app, dialog, step);
    case DialogKind::FileSel2: return ApplyFileSel2Step(app, dialog, step);
    case DialogKind::Cust: return ApplyCustStep(app, dialog, step);
    case DialogKind::Insatu: return ApplyInsatuStep(app, dialog, step);
    case DialogKind::ImportImage: return ApplyImportImageStep(app, dialog, step);
    case DialogKind::NewPuzzle: return ApplyNewPuzzleStep(app, dialog, step);
  }
}

int StepNumber(const ScriptStep& step, size_t index) {
  const std::string& w = index < step.words.size() ? step.words[index] : std::string();
  int value = 0;
  auto [ptr, ec] = std::from_chars(w.data(), w.data() + w.size(), value);
  if (ec != std::errc() || ptr != w.data() + w.size())
    throw ScriptError("step " + step.words.at(0) + " needs a number, not \"" + w + "\"");
  return value;
}

}  // namespace gw
