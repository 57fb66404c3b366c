#include "play/GuessCommands.h"

#include "display/Draw.h"
#include "rules/HintCheck.h"
#include "Messages.h"
#include "text/Tr.h"
#include "state/Document.h"
#include "state/GuessLayer.h"
#include "state/PuzzleState.h"

namespace gw {

void StartGuess(App& app) {
  const PuzzleState& p = app.puzzle;
  if (p.Mode != kModePlay || p.XSize < 1 || p.YSize < 1) {
    Msg(app, Tr("仮置きは、プレイモードで問題を開いてから始めてください。"));
    return;
  }
  // The board is the new level's start: no cell changes its look.
  PushGuessLevel(app.guess, p);
}

void KeepGuess(App& app) {
  if (app.guess.Depth() == 0) return;
  app.guess.starts.pop_back();
  // The kept cells take the look of the level around them, or none.
  PaintBoard(app);
}

void DropGuess(App& app) {
  if (app.guess.Depth() == 0) return;
  std::vector<GuessedCell> cells = InnermostCells(app.guess, app.puzzle);
  // Each cell is drawn back while the level still stands, so that its look comes off with it;
  // every other cell keeps the look it has.
  for (const GuessedCell& c : cells) SetCell(app, c.x, c.y, c.start);
  app.guess.starts.pop_back();
  if (cells.empty()) return;
  app.document.Dirty = 1;
  RecheckEveryLine(app);
  Redraw(app);
}

}  // namespace gw
