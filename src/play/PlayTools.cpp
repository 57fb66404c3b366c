#include "play/PlayTools.h"

#include "display/Highlight.h"
#include "formats/EngineInput.h"
#include "display/Colors.h"
#include "analysis/HintSearch.h"
#include "Messages.h"
#include "history/History.h"
#include "system/Convert.h"
#include "text/Tr.h"

namespace gw {
namespace {

constexpr const char* kCheckTitle = TrNoop("ミスチェック");
constexpr const char* kHintTitle = TrNoop("ヒント");
// The analysis runs inside the menu event; a puzzle it cannot settle in this time is not checked.
constexpr double kAnalysisSeconds = 10;

bool HasBoard(const PuzzleState& p) { return p.XSize >= 1 && p.YSize >= 1; }

PlayerBoard BoardOf(const PuzzleState& p) {
  PlayerBoard b{p.XSize, p.YSize, {}};
  b.cells.reserve(static_cast<size_t>(p.XSize) * p.YSize);
  for (int y = 1; y <= p.YSize; ++y)
    for (int x = 1; x <= p.XSize; ++x) b.cells.push_back(p.Grid[x][y]);
  return b;
}

// The caller shows the busy pointer while this runs.
analysis::Analysis AnalyzePuzzle(const PuzzleState& p) {
  analysis::Budget budget;
  budget.seconds = kAnalysisSeconds;
  return analysis::Analyze(HintPuzzle(p), budget);
}

std::string WhyNotCheckable(const analysis::Analysis& a) {
  std::string why = a.solutions == 0   ? Tr("この問題には答えがありません。")
                    : a.solutions == 2 ? Tr("この問題は答えが一つに決まりません。")
                                       : Tr("この問題の答えを時間内に確かめられませんでした。");
  return why + CR + Tr("ですので、ミスチェックはできません。");
}

void ShowMistakes(App& app, const std::vector<CellPos>& wrong) {
  std::vector<HighlightMark> marks;
  for (const CellPos& c : wrong) marks.push_back(CellMark(app, HighlightKind::Mistake, c.x + 1, c.y + 1));
  ShowMarks(app, std::move(marks));
}

std::string MistakeCount(size_t n) {
  if (n == 0) return Tr("今のところ、まちがいはありません。");
  return Fill(Tr("まちがいが {1} 個あります。"), {std::to_string(n)});
}

// The line's number as the player counts it (line indices are 0-based).
std::string LineNumber(const analysis::LineRef& line) { return std::to_string(line.index + 1); }

HighlightMark LineFrame(const App& app, const analysis::LineRef& line, HighlightKind kind) {
  return line.isRow ? RowFrame(app, kind, line.index + 1) : ColFrame(app, kind, line.index + 1);
}

// A cell to paint in its colour, a cell to leave empty in grey.
HighlightMark DecidedMark(const App& app, const CellPos& c) {
  if (c.value > 0) return CellMark(app, HighlightKind::HintFill, c.x + 1, c.y + 1, SlotColor(app, c.value));
  return CellMark(app, HighlightKind::HintEmpty, c.x + 1, c.y + 1);
}

std::string TellHint(App& app, const Hint& h) {
  std::vector<HighlightMark> marks;
  std::string text;
  switch (h.kind) {
    case HintKind::kLine:
      marks.push_back(LineFrame(app, h.line, HighlightKind::HintLine));
      text = Fill(h.line.isRow ? Tr("上から {1} 行目で {2} マス決まります。") : Tr("左から {1} 列目で {2} マス決まります。"),
                  {LineNumber(h.line), std::to_string(h.cells.size())});
      break;
    case HintKind::kProbe:
      text = Tr("どの列も、それだけでは新しく決まるマスがありません。") + CR +
             Fill(Tr("上から {1} 行目、左から {2} 列目のマスは、仮に置いてみると矛盾が出るので決まります。"),
                  {std::to_string(h.cells[0].y + 1), std::to_string(h.cells[0].x + 1)});
      break;
    case HintKind::kContradiction:
      marks.push_back(LineFrame(app, h.line, HighlightKind::WrongLine));
      text = Fill(h.line.isRow ? Tr("上から {1} 行目がヒントと合っていません。") : Tr("左から {1} 列目がヒントと合っていません。"),
                  {LineNumber(h.line)}) +
             CR + Tr("ミスチェックで確かめてみてください。");
      break;
    case HintKind::kSolved:
      text = Tr("もう決まっていないマスはありません。") + CR + Tr("「正解かどうか判定」で確かめてみましょう。");
      break;
    case HintKind::kNone:
      text = Tr("１列ずつ見ても、１マスを仮に置いてみても、決まるマスが見つかりません。");
      break;
  }
  for (const CellPos& c : h.cells) marks.push_back(DecidedMark(app, c));
  ShowMarks(app, std::move(marks));
  return text;
}

}  // namespace

void MistakeCheck(App& app) {
  // What an earlier check or hint showed is old news once another is asked for.
  EndHighlight(app, HighlightEnd::Change);
  if (!HasBoard(app.puzzle)) {
    Msg(app, Tr("チェックする問題がありません。"), Tr(kCheckTitle));
    return;
  }
  app.ui.SetPointer(Pointer::Busy);
  analysis::Analysis a = AnalyzePuzzle(app.puzzle);
  app.ui.SetPointer(Pointer::Normal);
  if (a.solutions != 1) {
    Msg(app, WhyNotCheckable(a), Tr(kCheckTitle));
    return;
  }
  std::vector<CellPos> wrong = FindMistakes(BoardOf(app.puzzle), a.boards[0]);
  ShowMistakes(app, wrong);
  Msg(app, MistakeCount(wrong.size()), Tr(kCheckTitle));
}

void ShowHint(App& app) {
  EndHighlight(app, HighlightEnd::Change);
  if (!HasBoard(app.puzzle)) {
    Msg(app, Tr("ヒントを出す問題がありません。"), Tr(kHintTitle));
    return;
  }
  app.ui.SetPointer(Pointer::Busy);
  analysis::Analysis a = AnalyzePuzzle(app.puzzle);
  PlayerBoard board = BoardOf(app.puzzle);
  std::vector<CellPos> wrong;
  if (a.solutions == 1) wrong = FindMistakes(board, a.boards[0]);
  // A hint from a wrong board would lead further astray: the mistakes come first.
  Hint h;
  if (wrong.empty()) h = FindHint(HintPuzzle(app.puzzle), board);
  app.ui.SetPointer(Pointer::Normal);
  if (!wrong.empty()) {
    std::string text = MistakeCount(wrong.size()) + CR + Tr("ミスチェックで場所を表示しますか？");
    if (Ask(app, text, MsgButtons::YesNo, MsgIcon::Question, 1, Tr(kHintTitle)) == MsgResult::Yes)
      ShowMistakes(app, wrong);
    return;
  }
  Msg(app, TellHint(app, h), Tr(kHintTitle));
}

}  // namespace gw
