#include "play/UniqueCheck.h"

#include <algorithm>

#include "App.h"
#include "display/Highlight.h"
#include "display/Viewport.h"
#include "formats/EngineInput.h"
#include "text/Tr.h"

namespace gw {
namespace {

const char* const kTitle = TrNoop("一意性チェック");
constexpr double kCheckSeconds = 60;
const std::string kBreak(1, '\r');

std::string DifficultyText(analysis::Difficulty d) {
  switch (d) {
    case analysis::Difficulty::kLine: return Tr("難易度：ノーマル（列と行の推理だけで解けます）");
    case analysis::Difficulty::kProbe: return Tr("難易度：背理法（1マスずつ仮定すれば解けます）");
    default: return Tr("難易度：探索（さらに深い仮定が必要です）");
  }
}

// The automatic solve reasons its own way, weaker on colour lines and without the deeper search:
// on a colour puzzle or one only search settles, its count of trials may tell another story.
bool SolveMayDiffer(const analysis::Analysis& a) {
  if (a.difficulty == analysis::Difficulty::kSearch) return true;
  if (a.boards.empty()) return false;
  const std::vector<std::uint8_t>& cells = a.boards[0].cells;
  auto first = std::find_if(cells.begin(), cells.end(), [](std::uint8_t v) { return v != 0; });
  return std::any_of(first, cells.end(), [&](std::uint8_t v) { return v != 0 && v != *first; });
}

std::string BadLineText(const analysis::Puzzle& puzzle) {
  auto bad = analysis::FindLineThatCannotFit(puzzle);
  if (!bad) return "";
  std::string line = std::to_string(bad->index + 1);
  if (bad->isRow) return Fill(Tr("上から {1} 行目のヒントが、行の長さに収まりません。"), {line});
  return Fill(Tr("左から {1} 列目のヒントが、列の長さに収まりません。"), {line});
}

// The window paints the tint over what it shows, so a zoomed board's scroll is taken off here.
HighlightMark InWindow(const App& app, HighlightMark m) {
  BoardToWindow(app, m.x1, m.y1);
  BoardToWindow(app, m.x2, m.y2);
  return m;
}

// The cells where the two boards differ, as the window's highlight.
std::vector<HighlightMark> Differences(const App& app, const analysis::Board& a, const analysis::Board& b) {
  std::vector<HighlightMark> cells;
  for (int y = 0; y < a.height && y < b.height; ++y)
    for (int x = 0; x < a.width && x < b.width; ++x)
      if (a.At(x, y) != b.At(x, y)) cells.push_back(InWindow(app, CellMark(app, HighlightKind::Ambiguity, x + 1, y + 1)));
  return cells;
}

// What to highlight after a verdict of several solutions: in number input the cells two
// solutions disagree on, in image input the cells a solution other than the picture changes.
std::vector<HighlightMark> Highlight(const App& app, const analysis::Analysis& a) {
  if (a.solutions != 2 || a.boards.size() < 2) return {};
  if (app.puzzle.Mode == kModeNumber) return Differences(app, a.boards[0], a.boards[1]);
  if (app.puzzle.Mode != kModeImage) return {};
  const analysis::Board picture = PictureBoard(app.puzzle);
  const analysis::Board& other = a.boards[0].cells == picture.cells ? a.boards[1] : a.boards[0];
  return Differences(app, picture, other);
}

analysis::Analysis RunCheck(App& app, const analysis::Puzzle& puzzle) {
  Platform& ui = app.ui;
  ui.SetPointer(Pointer::Busy);
  ui.BeginLongWork(Tr("解を調べています。しばらくお待ちください。"));
  analysis::Budget budget;
  budget.seconds = kCheckSeconds;
  budget.poll = [&ui] { return !ui.LongWorkCancelled(); };
  analysis::Analysis a = analysis::Analyze(puzzle, budget);
  ui.EndLongWork();
  ui.SetPointer(Pointer::Normal);
  return a;
}

}  // namespace

std::string VerdictText(const analysis::Analysis& a, int mode, const std::string& badLine) {
  switch (a.solutions) {
    case 1:
      return Tr("解は一つだけです。") + kBreak + DifficultyText(a.difficulty) +
             (SolveMayDiffer(a) ? kBreak + Tr("※「自動で解く」は独自の手順で一歩ずつ解くため、これより多く仮定を使うことがあります。") : "");
    case 0: return Tr("解がありません。") + (badLine.empty() ? "" : kBreak + badLine);
    case analysis::kUnknown:
      return a.cancelled ? Tr("判定を取りやめました。") : Tr("時間内に判定できませんでした。");
    default: break;
  }
  if (mode == kModeNumber) return Tr("解が複数あります。") + kBreak + Tr("色の付いたマスは、解によって変わるマスです。");
  if (mode == kModeImage) return Tr("解が複数あります。") + kBreak + Tr("色の付いたマスは、この絵と別の解とで変わるマスです。");
  return Tr("解が複数あります。");
}

void UniquenessCheck(App& app) {
  const PuzzleState& p = app.puzzle;
  if (p.XSize < 1 || p.YSize < 1) {
    app.ui.MsgBox(Tr("調べる問題がありません。"), MsgButtons::Ok, MsgIcon::None, 1, Tr(kTitle));
    return;
  }
  const analysis::Puzzle puzzle =
      p.Mode == kModeImage ? PicturePuzzle(p) : HintPuzzle(p);
  const analysis::Analysis a = RunCheck(app, puzzle);
  ShowTint(app, Highlight(app, a));
  std::string badLine = a.solutions == 0 ? BadLineText(puzzle) : "";
  app.ui.MsgBox(VerdictText(a, p.Mode, badLine), MsgButtons::Ok, MsgIcon::None, 1, Tr(kTitle));
}

bool PictureSettlesOrSaveAnyway(App& app) {
  const analysis::Analysis a = RunCheck(app, PicturePuzzle(app.puzzle));
  if (a.solutions == 1) return true;
  ShowTint(app, Highlight(app, a));
  std::string text = a.solutions == analysis::kUnknown
                         ? Tr("この絵のヒントで解が一つに決まるかどうか、判定できませんでした。")
                         : Tr("この絵のヒントでは、解が一つに決まりません。") + kBreak +
                               Tr("色の付いたマスは、この絵と別の解とで変わるマスです。");
  text += kBreak + Tr("それでも保存しますか？");
  return app.ui.MsgBox(text, MsgButtons::YesNo, MsgIcon::Question, 2, Tr("保存")) == MsgResult::Yes;
}

}  // namespace gw
