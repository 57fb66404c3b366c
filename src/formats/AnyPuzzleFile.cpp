#include "formats/AnyPuzzleFile.h"

#include "analysis/Analysis.h"
#include "display/BoardLayout.h"
#include "formats/EngineInput.h"
#include "formats/ForeignFiles.h"
#include "formats/PuzzleBridge.h"
#include "formats/PuzzleKinds.h"
#include "state/StorableText.h"
#include "system/TextFile.h"
#include "state/PuzzleFiles.h"
#include "text/Tr.h"

namespace gw {
namespace {

constexpr const char* kNotWritable = TrNoop("この形式では書き出せません（.xml、.non、.gwm、.gwc、.gwk）。");

// The one solution of a puzzle whose file holds none, found by the engine.
void FindSolution(PuzzleData& p) {
  analysis::Budget budget;
  budget.seconds = 10;
  analysis::Analysis a = analysis::Analyze(EnginePuzzle(p), budget);
  if (a.solutions != 1) throw FormatError(Tr("答えがひとつに決まらないので、絵として書き出せません。"));
  const analysis::Board& b = a.boards[0];
  p.solution.assign(p.height, std::vector<int>(p.width, 0));
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) p.solution[y][x] = b.At(x, y);
}

// The monochrome hint format: the title, the sizes, then each line's runs as 3-1-2 (0 for none).
void WriteMonoHints(const PuzzleData& p, const std::string& path) {
  if (p.ColorCount() > 1) throw FormatError(Fill(Tr(".gwc は白黒の問題だけを保存できます（この問題は {1} 色です）。"),
                                                 {std::to_string(p.ColorCount())}));
  auto most = [](const std::vector<ClueLine>& lines) {
    size_t n = 0;
    for (const ClueLine& l : lines) n = std::max(n, l.size());
    return long(n);
  };
  TextWriter out(path);
  out.WriteLine(p.title);
  out.WriteNumber(most(p.rows));
  out.WriteNumber(p.width);
  out.WriteNumber(most(p.cols));
  out.WriteNumber(p.height);
  for (const auto* lines : {&p.rows, &p.cols})
    for (const ClueLine& line : *lines) {
      std::string text = line.empty() ? "0" : "";
      for (size_t i = 0; i < line.size(); ++i) text += (i ? "-" : "") + std::to_string(line[i].length);
      out.WriteLine(text);
    }
  out.Commit();
}

// The texts a hint file stores must be storable in code page 932: the reason names the character,
// as the window's input boxes do, instead of a bare type mismatch.
void RefuseUnstorableTexts(const PuzzleData& p, bool withAnswer) {
  const std::pair<const char*, const std::string*> texts[] = {{TrNoop("タイトル"), &p.title}, {TrNoop("答"), &p.answer}};
  for (const auto& [name, text] : texts) {
    if (text == &p.answer && !withAnswer) continue;
    std::string bad = FirstUnstorableChar(*text);
    if (!bad.empty()) throw FormatError(Fill(Tr("{1}の「{2}」はファイルに保存できない文字です。"), {Tr(name), bad}));
  }
}

// A name of no kind writes nothing; its fields are counted as an .xml's.
HeldFields HoldsOf(const std::string& path) {
  const PuzzleFileKind* kind = PuzzleKindOf(path);
  return (kind ? *kind : FileKind(PuzzleKind::Xml)).holds;
}

}  // namespace

std::vector<std::string> FieldsNotHeld(const PuzzleData& p, const std::string& path) {
  HeldFields h = HoldsOf(path);
  std::vector<std::string> lost;
  if (!h.title && !p.title.empty()) lost.push_back(Tr("タイトル"));
  if (!h.author && !p.author.empty()) lost.push_back(Tr("作者"));
  if (!h.answer && !p.answer.empty()) lost.push_back(Tr("答"));
  if (!h.solution && !p.solution.empty()) lost.push_back(Tr("答えの絵"));
  return lost;
}

PuzzleData ReadAnyPuzzle(App& app, const std::string& path) {
  return ReadPuzzleData(path, app.colors.ColorTable, app.puzzle);
}

void WriteAnyPuzzle(App& app, PuzzleData p, const std::string& path) {
  const PuzzleFileKind* kind = PuzzleKindOf(path);
  if (!kind) throw FormatError(Tr(kNotWritable));
  if (!kind->own()) {
    if (!kind->writable) throw FormatError(Tr(kNotWritable));
    WriteForeignFile(path, p);
    return;
  }
  PuzzleKind own = kind->kind;
  std::string why = WhyNotHeld(p);
  if (!why.empty()) throw FormatError(Fill(Tr("プレイできる制限を越えています。{1}"), {why}));
  if (kind->holds.title) RefuseUnstorableTexts(p, kind->holds.answer);
  ColorMapping m = MapColors(p, app.colors.ColorTable, false);
  switch (own) {
    case PuzzleKind::Gwm:
      HintsToState(p, m, app.puzzle);
      WriteHintPuzzle(app, path);
      break;
    case PuzzleKind::Gwc: WriteMonoHints(p, path); break;
    case PuzzleKind::Gwk:
      if (p.solution.empty()) FindSolution(p);
      PictureToState(p, m, app.puzzle);
      WritePicture(app, path);
      break;
    default: throw FormatError(Tr(kNotWritable));
  }
}

}  // namespace gw
