#include "mainwnd/StatusLine.h"

#include "display/BoardLayout.h"
#include "mainwnd/BoardUnits.h"
#include "files/LibraryCommands.h"
#include "text/Tr.h"
#include "settings/Options.h"
#include "state/Document.h"
#include "state/PuzzleState.h"

namespace gw {

std::string StatusText(App& app) {
  const PuzzleState& p = app.puzzle;
  if (p.XSize < 1) return Tr("問題がありません");
  std::string text = LibraryPlayingText(app);
  if (text.empty()) text = p.Title.empty() ? app.document.CurFileName : Fill(Tr("「{1}」"), {p.Title});
  text += Fill(Tr("　{1} × {2}"), {std::to_string(p.XSize), std::to_string(p.YSize)});
  const BoardLayout& l = app.layout;
  if (l.UnderPointerCol >= 1 && l.UnderPointerCol <= p.XSize && l.UnderPointerRow >= 1 && l.UnderPointerRow <= p.YSize)
    text += Fill(Tr("　列 {1}・行 {2}"), {std::to_string(l.UnderPointerCol), std::to_string(l.UnderPointerRow)});
  return text;
}

void ShowStatusBar(App& app) { app.ui.ShowStatusBar(app.options.statusBar); }

void NotePointerCell(App& app, double x, double y) {
  app.layout.UnderPointerCol = WholeUnit(x) - app.puzzle.XHintCount;
  app.layout.UnderPointerRow = WholeUnit(y) - app.puzzle.YHintCount;
}

}  // namespace gw
