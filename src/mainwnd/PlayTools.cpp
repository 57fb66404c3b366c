#include "mainwnd/PlayTools.h"

#include "display/Highlight.h"
#include "formats/EngineInput.h"
#include "display/Colors.h"
#include "analysis/HintSearch.h"
#include "Messages.h"
#include "history/History.h"
#include "platform/Convert.h"

namespace gw {
namespace {

constexpr const char* kCheckTitle = "ミスチェック";
constexpr const char* kHintTitle = "ヒント";
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
  std::string why = a.solutions == 0   ? "この問題には答えがありません。"
                    : a.solutions == 2 ? "この問題は答えが一つに決まりません。"
                                       : "この問題の答えを時間内に確かめられませんでした。";
  return why + CR + "ですので、ミスチェックはできません。";
}

void ShowMistakes(App& app, const std::vector<CellPos>& wrong) {
  std::vector<HighlightMark> marks;
  for (const CellPos& c : wrong) marks.push_back(CellMark(app, HighlightKind::Mistake, c.x + 1, c.y + 1));
  ShowMarks(app, std::move(marks));
}

std::string MistakeCount(size_t n) {
  if (n == 0) return "今のところ、まちがいはありません。";
  return "まちがいが" + NumText(static_cast<long long>(n)) + " 個あります。";
}

// "上から 5 行目" / "左から 3 列目" (line indices are 0-based).
std::string LineName(const analysis::LineRef& line) {
  return line.isRow ? "上から" + NumText(line.index + 1) + " 行目" : "左から" + NumText(line.index + 1) + " 列目";
}

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
      text = LineName(h.line) + "で" + NumText(static_cast<long long>(h.cells.size())) + " マス決まります。";
      break;
    case HintKind::kProbe:
      text = std::string("どの列も、それだけでは新しく決まるマスがありません。") + CR + "上から" +
             NumText(h.cells[0].y + 1) + " 行目、左から" + NumText(h.cells[0].x + 1) +
             " 列目のマスは、仮に置いてみると矛盾が出るので決まります。";
      break;
    case HintKind::kContradiction:
      marks.push_back(LineFrame(app, h.line, HighlightKind::WrongLine));
      text = LineName(h.line) + "がヒントと合っていません。" + CR + "ミスチェックで確かめてみてください。";
      break;
    case HintKind::kSolved:
      text = std::string("もう決まっていないマスはありません。") + CR + "「正解かどうか判定」で確かめてみましょう。";
      break;
    case HintKind::kNone:
      text = "１列ずつ見ても、１マスを仮に置いてみても、決まるマスが見つかりません。";
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
    Msg(app, "チェックする問題がありません。", kCheckTitle);
    return;
  }
  app.ui.SetPointer(Pointer::Busy);
  analysis::Analysis a = AnalyzePuzzle(app.puzzle);
  app.ui.SetPointer(Pointer::Normal);
  if (a.solutions != 1) {
    Msg(app, WhyNotCheckable(a), kCheckTitle);
    return;
  }
  std::vector<CellPos> wrong = FindMistakes(BoardOf(app.puzzle), a.boards[0]);
  ShowMistakes(app, wrong);
  Msg(app, MistakeCount(wrong.size()), kCheckTitle);
}

void ShowHint(App& app) {
  EndHighlight(app, HighlightEnd::Change);
  if (!HasBoard(app.puzzle)) {
    Msg(app, "ヒントを出す問題がありません。", kHintTitle);
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
    std::string text = MistakeCount(wrong.size()) + CR + "ミスチェックで場所を表示しますか？";
    if (Ask(app, text, MsgButtons::YesNo, MsgIcon::Question, 1, kHintTitle) == MsgResult::Yes)
      ShowMistakes(app, wrong);
    return;
  }
  Msg(app, TellHint(app, h), kHintTitle);
}

}  // namespace gw
