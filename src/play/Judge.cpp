#include "play/Judge.h"

#include <vector>

#include "files/FileCommands.h"
#include "files/LibraryCommands.h"

#include "display/Draw.h"
#include "Messages.h"
#include "text/Tr.h"
#include "state/StorableText.h"
#include "system/Convert.h"
#include "system/FileError.h"
#include "formats/PuzzleKinds.h"
#include "text/Utf8.h"
#include "state/Paths.h"
#include "state/ProgressFiles.h"

namespace gw {
namespace {

constexpr const char* kSolvedTitle = TrNoop("ロジック完成です");

// One row or column of the board with its hint slots, read only.
struct JudgedLine {
  const PuzzleState& p;
  bool row;
  int index;  // y of a row, x of a column

  int Count() const { return Capped(row ? p.XHintCount : p.YHintCount); }
  int Size() const { return Capped(row ? p.XSize : p.YSize); }
  const int* Hint(int s) const { return row ? p.RowHints[s][index] : p.ColHints[index][s]; }
  int Cell(int i) const { return row ? p.Grid[i][index] : p.Grid[index][i]; }
  // The first slot from s on that holds a hint, or Count() + 1.
  int NextHint(int s) const {
    while (s <= Count() && Hint(s)[kHintNumber] == 0) ++s;
    return s;
  }
  static int Capped(int v) { return v < kMaxBoard ? v : kMaxBoard; }
};

// A line is right when its runs (stretches of one colour; blanks and marks are empty) are its
// hints, one for one, in number and colour. Every painted cell belongs to some run, so a stray
// cell of another colour before or between the runs makes the line wrong: were it passed over, a
// picture with cells the hints do not have could be judged right in both directions.
bool LineIsRight(const JudgedLine& line) {
  int k = line.NextHint(1);
  for (int i = 1; i <= line.Size();) {
    int v = line.Cell(i);
    if (v <= 0) {
      ++i;
      continue;
    }
    int length = 1;
    while (i + length <= line.Size() && line.Cell(i + length) == v) ++length;
    if (k > line.Count()) return false;  // a painted run after the last hint
    const int* hint = line.Hint(k);
    if (hint[kHintNumber] != length || hint[kHintColor] != v) return false;
    k = line.NextHint(k + 1);
    i += length;
  }
  return k > line.Count();  // every hint found its run
}

bool HasBoard(const PuzzleState& p) { return p.XSize >= 1 && p.YSize >= 1; }

int CountBlankCells(const PuzzleState& p) {
  int u = 0;
  for (int y = 1; y <= p.YSize; ++y)
    for (int x = 1; x <= p.XSize; ++x) u += p.Grid[x][y] == 0 ? 1 : 0;
  return u;
}

int CountWrongLines(const PuzzleState& p) {
  int errors = 0;
  for (int y = 1; y <= p.YSize; ++y) errors += LineIsRight({p, true, y}) ? 0 : 1;
  for (int x = 1; x <= p.XSize; ++x) errors += LineIsRight({p, false, x}) ? 0 : 1;
  return errors;
}

// The completer list is read field by field and line by line, so a comma or a line break typed
// into a name would split it into entries of its own; the comma becomes a full-width one.
std::string StorableName(const std::string& typed) {
  std::string name;
  for (char c : typed) {
    if (c == ',') name += "，";
    else if (static_cast<unsigned char>(c) >= 0x20) name += c;
  }
  return name;
}

std::string FailureReason(const FileError& e) {
  if (e.number() == kErrTypeMismatch) return Tr("名前にファイルに書けない文字が含まれています。");
  return e.what();  // a link that leads out of the folder names where it leads
}

// The name goes in front of the list. Only a list that was really written records the completion;
// otherwise the player is told, and the next right judgement asks for the name again.
void RecordCompleter(App& app, const std::string& path, const std::string& name, CompleterList& list) {
  std::string entry = app.ui.Today() + " " + name;
  try {
    SaveCompleters(app, path, entry, list);
    app.puzzle.SolveState = 2;
  } catch (const FileError& e) {
    Ask(app,
        Fill(Tr("完成者の一覧 {1} に書き込めませんでした。"), {ChangeExt(app.document.CurFileName, "GWB")}) + CR +
            FailureReason(e) + CR + Tr("名前は記録されていません。もう一度判定すれば，名前を入れ直せます。"),
        MsgButtons::Ok, MsgIcon::Warning);
  }
}

// The completers so far: the list beside the puzzle, or the store's for a puzzle whose folder
// may not hold one. False when they cannot be read, which the player has been told: writing now
// would replace the entries that could not be read.
bool ReadCompletersOf(App& app, bool inLibrary, const std::string& text, CompleterList& list) {
  if (inLibrary) {
    std::vector<std::string> entries;
    if (!ReadLibraryCompleters(app, entries)) return false;
    for (const std::string& e : entries)
      if (list.count < 10) list.entries[++list.count] = e;
    return true;
  }
  std::string path = JoinPath(app.document.CurFolder, app.document.CurFileName);
  try {
    ReadCompleters(app, path, list);
    return true;
  } catch (const FileError& e) {
    Ask(app,
        text + Fill(Tr("ただし，完成者の一覧 {1} が読めないので，名前は記録できません。"), {ChangeExt(app.document.CurFileName, "GWB")}) +
            CR + FileErrorText(e.number()),
        MsgButtons::Ok, MsgIcon::Warning, 1, Tr(kSolvedTitle));
    return false;
  }
}

void AskForCompleter(App& app, std::string text, const std::string& name) {
  PuzzleState& p = app.puzzle;
  bool inLibrary = RecordsInLibrary(app);
  CompleterList list;
  if (!ReadCompletersOf(app, inLibrary, text, list)) return;
  for (int i = 1; i <= list.count; ++i) text += "・" + Mid(list.entries[i], 11) + CR;
  text += Tr("完成者の名前をどうぞ");
  InputResult reply = InputStorableText(app, text, Fill(Tr("「{1}」完成"), {name}), "");
  std::string typed = reply.cancelled ? "" : StorableName(reply.text);
  if (typed.empty()) return;
  const Document& doc = app.document;
  if (!inLibrary) RecordCompleter(app, ChangeExt(JoinPath(doc.CurFolder, doc.CurFileName), "GWB"), typed, list);
  else if (AddLibraryCompleter(app, app.ui.Today() + " " + typed)) p.SolveState = 2;
}

// The name the congratulation gives the picture: its answer text, as the program's own files
// carry it; the puzzles of other programs have none, and go by their title (or their file's).
std::string PictureName(const PuzzleState& p, const Document& doc) {
  bool ownFile = IsOwnHintFile(doc.CurFileName);
  if (ownFile || !p.Answer.empty()) return p.Answer;
  if (!p.Title.empty()) return p.Title;
  return doc.CurFileName.substr(0, doc.CurFileName.find('.'));
}

void Congratulate(App& app) {
  PuzzleState& p = app.puzzle;
  std::string name = PictureName(p, app.document);
  std::string text = Tr("おめでとうございます") + CR + Fill(Tr("答は({1})です"), {name}) + CR;
  // A solve of the player's own is timed and counted, once.
  if (p.SolveState == 0) NoteSolved(app);
  // After the automatic solver, or once a name is recorded, there is nothing more to enter.
  if (p.SolveState != 0) Msg(app, text + Tr("次もがんばってください。"), Tr(kSolvedTitle));
  else AskForCompleter(app, text, name);
  ClearEmptyMarks(app);
  Redraw(app);
  // The store took the solve and ended the game there: nothing of it is left unsaved.
  if (RecordsInLibrary(app)) {
    app.document.Dirty = 0;
    NoteGameKept(app);
  }
}

}  // namespace

void JudgeAnswer(App& app) {
  PuzzleState& p = app.puzzle;
  // Without a board every line would pass and an empty file name would name the list.
  if (!HasBoard(p)) {
    Msg(app, Tr("今は判定するロジックがありません。"));
    return;
  }
  int blanks = CountBlankCells(p);
  if (blanks > 0 &&
      Ask(app,
          Fill(Tr("まだ未確定マスが {1} 個あります。"), {std::to_string(blanks)}) + CR +
              Tr("「空マス」とみなして判定していいですか？"),
          MsgButtons::YesNo) != MsgResult::Yes)
    return;
  int errors = CountWrongLines(p);
  if (errors > 0) {
    Msg(app, Tr("ちょっと間違っているみたいですよ。") + CR + Fill(Tr(" {1} 個所ほど・・・・"), {std::to_string(errors)}));
    return;
  }
  Congratulate(app);
}

void ClearEmptyMarks(App& app) {
  const PuzzleState& p = app.puzzle;
  for (int y = 1; y <= p.YSize; ++y)
    for (int x = 1; x <= p.XSize; ++x)
      if (p.Grid[x][y] < 0) SetCell(app, x, y, 0);
}

}  // namespace gw
