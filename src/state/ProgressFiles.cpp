#include "state/ProgressFiles.h"

#include "state/LargeProgress.h"

#include "Messages.h"
#include "system/Convert.h"
#include "system/FileError.h"
#include "system/FileSystem.h"
#include "system/TextFile.h"
#include "text/Utf8.h"
#include "state/FileFormat.h"
#include "state/LargeProgress.h"
#include "state/Paths.h"
#include "text/Tr.h"

namespace gw {
namespace {

char CheckChar(const int* slot) { return slot[kHintCheck] < 0 ? '*' : '0'; }

char CellChar(int v) {
  if (v < 0) return '*';
  if (v >= 1 && v <= 9) return static_cast<char>('0' + v);
  return '0';
}

// One line of a progress file, exactly `length` characters. Progress files are named after the
// puzzle's name up to its first ".", so cat.v2.gwm and cat.gwm share cat.GWP: a line of another
// length, like a missing line (error 62) or one too many (error 9), means the file belongs to a
// board of other sizes or hint counts.
std::string ReadProgressLine(TextReader& reader, int length) {
  int line = reader.Line();
  std::string text = reader.ReadField();
  int chars = CharCount(text);
  if (chars < length) throw FileError(kErrPastEnd, line);
  if (chars > length) throw FileError(kErrSubscript, line);
  return text;
}

void ExpectEnd(const TextReader& reader) {
  if (!reader.AtEnd()) throw FileError(kErrSubscript, reader.Line());
}

void MarkChecks(const std::string& text, int count, int* (*slotOf)(PuzzleState&, int, int), PuzzleState& p,
                int index) {
  for (int s = 1; s <= count; ++s)
    if (Mid(text, s, 1) == "*") slotOf(p, index, s)[kHintCheck] = -1;
}

int* RowSlot(PuzzleState& p, int y, int s) { return p.RowHints[s][y]; }
int* ColSlot(PuzzleState& p, int x, int s) { return p.ColHints[x][s]; }

void WriteProgressLines(const PuzzleState& p, TextWriter& w) {
  for (int y = 1; y <= p.YSize; ++y) {
    std::string line;
    for (int x = 1; x <= p.XSize; ++x) line += CellChar(p.Grid[x][y]);
    w.WriteLine(line);
  }
  for (int y = 1; y <= p.YSize; ++y) {
    std::string line;
    for (int s = 1; s <= p.XHintCount; ++s) line += CheckChar(p.RowHints[s][y]);
    w.WriteLine(line);
  }
  for (int x = 1; x <= p.XSize; ++x) {
    std::string line;
    for (int s = 1; s <= p.YHintCount; ++s) line += CheckChar(p.ColHints[x][s]);
    w.WriteLine(line);
  }
}

void ReadProgressFrom(PuzzleState& p, TextReader& reader) {
  PuzzleState next = p;
  for (int y = 1; y <= next.YSize; ++y) {
    std::string row = ReadProgressLine(reader, next.XSize);
    for (int x = 1; x <= next.XSize; ++x) {
      std::string c = Mid(row, x, 1);
      next.Grid[x][y] = c == "*" ? -1 : static_cast<int>(RoundHalfEven(Val(c)));
    }
  }
  for (int y = 1; y <= next.YSize; ++y)
    MarkChecks(ReadProgressLine(reader, next.XHintCount), next.XHintCount, RowSlot, next, y);
  for (int x = 1; x <= next.XSize; ++x)
    MarkChecks(ReadProgressLine(reader, next.YHintCount), next.YHintCount, ColSlot, next, x);
  ExpectEnd(reader);
  p = std::move(next);
}

}  // namespace

void WriteProgress(const PuzzleState& p, const std::string& path) {
  TextWriter w(path, LinkRule::StayInFolder);
  WriteProgressLines(p, w);
  w.Commit();
}

std::string ProgressBytes(const PuzzleState& p) {
  if (IsLargeBoard(p)) return LargeProgressText(p);
  TextWriter w("");
  WriteProgressLines(p, w);
  return w.bytes();
}

void ReadProgress(PuzzleState& p, const std::string& path) {
  TextReader reader = TextReader::Open(path);
  ReadProgressFrom(p, reader);
}

void ReadProgressBytes(PuzzleState& p, const std::string& bytes) {
  if (IsLargeBoard(p)) {
    ApplyLargeProgress(p, bytes);
    return;
  }
  TextReader reader = TextReader::FromBytes(bytes);
  ReadProgressFrom(p, reader);
}

void ReadCompleters(App&, std::string& path, CompleterList& list) {
  path = ChangeExt(path, "GWB");
  list.count = 0;
  list.entries[1].clear();
  if (!FileExists(path)) return;
  TextReader reader = TextReader::Open(path);
  CompleterList read;
  while (read.count < 10 && !reader.AtEnd()) read.entries[++read.count] = reader.ReadField();
  list = read;
}

void SaveCompleters(App&, const std::string& path, const std::string& entry, CompleterList& list) {
  if (FileExists(path)) {
    if (list.count >= 10) list.count = 9;
    if (list.count < 0) list.count = 0;
    for (int k = list.count; k >= 1; --k) list.entries[k + 1] = list.entries[k];
    list.entries[1] = entry;
    ++list.count;
  } else {
    list.count = 1;
    list.entries[1] = entry;
  }
  TextWriter w(path, LinkRule::StayInFolder);
  for (int k = 1; k <= list.count; ++k) w.WriteLine(list.entries[k]);
  w.Commit();
}

void ShowFileInfo(App& app, const std::string& folder, const std::string& name) {
  std::string path = JoinPath(folder, name);
  if (!FileExists(path)) return;
  std::string ext = UpperAscii(RightChars(path, 3));
  bool mono = ext == "GWA" || ext == "GWC";
  if (!mono && ext != "GWK" && ext != "GWM") {
    Msg(app, Tr("もうしわけありません。") + CR + Tr("この形式の拡張子のものは見られません"));
    return;
  }
  PuzzleSummary summary = ReadPuzzleSummary(ChangeExt(path, mono ? "GWC" : "GWM"), mono);
  std::string listPath = path;
  CompleterList completers;
  ReadCompleters(app, listPath, completers);
  if (completers.count == 0) {
    completers.count = 1;
    completers.entries[1] = Tr("まだこのロジックの完成者はいません。");
  }
  auto num = [](int v) { return NumText(static_cast<long long>(v)); };
  std::string text =
      Fill(Tr("{1} ({2} ×{3} ×{4} 色 )"), {name, num(summary.XSize), num(summary.YSize), num(summary.Colours)}) + CR + CR +
      Fill(Tr("タイトル「{1}」"), {summary.Title}) + CR + CR + Tr("＜ロジック完成者氏名＞") + CR;
  for (int k = 1; k <= completers.count; ++k) text += completers.entries[k] + CR;
  Msg(app, text);
}

}  // namespace gw
