#include "dialogs/ImportImage.h"

#include <algorithm>

#include "dialogs/DialogButtons.h"
#include "analysis/Analysis.h"
#include "formats/EngineInput.h"
#include "formats/ForeignFiles.h"
#include "pictures/ImageQuantize.h"
#include "pictures/PuzzleGenerator.h"
#include "text/Tr.h"

namespace gw {

std::string VerdictText(const PuzzleData& p) {
  if (p.width < 1 || p.height < 1) return "";
  bool empty = true;
  for (const ClueLine& l : p.rows) empty = empty && l.empty();
  if (empty) return Tr("塗るマスがありません。");
  analysis::Budget budget;
  // The verdict follows every change of the settings: it must not hold the dialog for long.
  budget.seconds = 1;
  analysis::Analysis a = analysis::Analyze(EnginePuzzle(p), budget);
  switch (a.solutions) {
    case 1: return Fill(Tr("答えはひとつです（難しさ: {1}）。"), {Tr(DifficultyLabel(a.difficulty))});
    case 0: return Tr("答えがありません。");
    case analysis::kUnknown: return Tr("時間内に判定できませんでした。");
    default: return Tr("答えが複数あります。色の数や大きさを変えてみてください。");
  }
}

void ImportImageLoad(App&, ImportImage& dlg) {
  dlg.preview = QuantizeImage(dlg.image, {dlg.longSide, dlg.colors});
  dlg.verdict = VerdictText(dlg.preview);
}

void ImportImageSetSize(App& app, ImportImage& dlg, int longSide) {
  dlg.longSide = std::clamp(longSide, kImportMinSide, kImportMaxSide);
  ImportImageLoad(app, dlg);
}

void ImportImageSetColors(App& app, ImportImage& dlg, int colors) {
  dlg.colors = std::clamp(colors, 1, 9);
  ImportImageLoad(app, dlg);
}

void ImportImageOk(App& app, ImportImage& dlg) { EndDialog(app, dlg, true); }

void ImportImageCancel(App& app, ImportImage& dlg) { EndDialog(app, dlg, false); }

}  // namespace gw
