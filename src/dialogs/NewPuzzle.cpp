#include "dialogs/NewPuzzle.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "dialogs/DialogButtons.h"
#include "pictures/PuzzleGenerator.h"
#include "Messages.h"
#include "text/Tr.h"

namespace gw {

unsigned NewPuzzleSeed(const std::string& text) {
  char* end = nullptr;
  unsigned long v = std::strtoul(text.c_str(), &end, 10);
  if (!text.empty() && *end == '\0') return unsigned(v);
  return unsigned(std::chrono::system_clock::now().time_since_epoch().count() % 1000000);
}

void NewPuzzleOk(App& app, NewPuzzle& dlg) {
  GenerateRequest r;
  r.width = std::clamp(dlg.width, kNewPuzzleMinSide, kNewPuzzleMaxSide);
  r.height = std::clamp(dlg.height, kNewPuzzleMinSide, kNewPuzzleMaxSide);
  r.colors = std::clamp(dlg.colors, 1, kNewPuzzleMaxColors);
  r.difficulty = dlg.difficulty;
  r.seed = NewPuzzleSeed(dlg.seed);
  dlg.seed = std::to_string(r.seed);
  app.ui.SetPointer(Pointer::Busy);
  GenerateResult g = GeneratePuzzle(r);
  app.ui.SetPointer(Pointer::Normal);
  if (!g.puzzle) {
    Msg(app,
        Tr("この条件では時間内に問題を作れませんでした。") + CR + Tr("大きさや難しさを変えるか、別の番号でお試しください。"),
        Tr(kNewPuzzleCaption));
    return;
  }
  dlg.result = *g.puzzle;
  EndDialog(app, dlg, true);
}

void NewPuzzleCancel(App& app, NewPuzzle& dlg) { EndDialog(app, dlg, false); }

}  // namespace gw
