#include "files/FileCommands.h"

#include "dialogs/FileDlg.h"
#include "dialogs/FileSel2.h"
#include "dialogs/Modecg.h"
#include "display/BoardLayout.h"
#include "display/Draw.h"
#include "display/Viewport.h"
#include "formats/PuzzleKinds.h"
#include "Messages.h"
#include "files/LibraryCommands.h"
#include "dialogs/Sizein.h"
#include "settings/Options.h"
#include "state/StorableText.h"
#include "play/UniqueCheck.h"
#include "system/FileError.h"
#include "system/FileReplace.h"
#include "system/FileSystem.h"
#include "system/NativeFiles.h"
#include "system/PathSyntax.h"
#include "system/TextFile.h"
#include "state/LargeProgress.h"
#include "state/Paths.h"
#include "state/ProgressFiles.h"
#include "state/PuzzleFiles.h"
#include "text/Tr.h"
#include "state/WindowState.h"

namespace gw {
namespace {

// The open dialog of the mode's formats; true when a file was read.
bool ChooseAndOpen(App& app, const char* ext, const char* pattern) {
  return RunFileDlg(app, kOpenCaption, ext, pattern).end == FileDialogEnd::Opened;
}

// A file of the current puzzle under another extension.
std::string CompanionPath(const Document& doc, const std::string& ext) {
  return JoinPath(doc.CurFolder, ChangeExt(doc.CurFileName, ext));
}

void ReadStoredGame(App& app, const std::string& path) {
  if (IsLargeBoard(app.puzzle)) ApplyLargeProgress(app.puzzle, ReadWholeFile(path, kMaxOwnFileBytes));
  else ReadProgress(app.puzzle, path);
}

void WriteStoredGame(App& app, const std::string& path) {
  if (!IsLargeBoard(app.puzzle)) {
    WriteProgress(app.puzzle, path);
    return;
  }
  FileReplacement replacement;
  replacement.Add(path, LargeProgressText(app.puzzle), LinkRule::StayInFolder);
  replacement.Commit();
}

void PlaceInputCursor(App& app, int x) {
  app.layout.CursorSide = 1;
  app.layout.CursorX = x;
  app.layout.CursorY = 1;
  app.layout.DigitBuffer.clear();
  ToggleInputCursor(app);
}

// A non-empty reply replaces the text; an empty one or Cancel keeps it.
void AskText(App& app, const std::string& prompt, const std::string& title, std::string& text) {
  InputResult r = InputStorableText(app, prompt, title, text);
  if (!r.cancelled && !r.text.empty()) text = r.text;
}

void AskTitleAndAnswer(App& app) {
  AskText(app, Tr("このロジックのタイトル(コメント)を入力してください。"), Tr("タイトルの入力"), app.puzzle.Title);
  AskText(app, Tr("分かっているなら，このロジックの答を入力してください。"), Tr("答の入力"), app.puzzle.Answer);
}

// The colours whose hint totals differ between rows and columns, as " 2 5".
std::string UnequalColourTotals(const PuzzleState& p) {
  long rows[10] = {}, cols[10] = {};
  auto add = [](long (&sums)[10], const int* slot) {
    int k = slot[kHintColor];
    if (k >= 1 && k <= 9) sums[k] += slot[kHintNumber];
  };
  for (int y = 1; y <= p.YSize; ++y)
    for (int s = 1; s <= p.XHintCount; ++s) add(rows, p.RowHints[s][y]);
  for (int x = 1; x <= p.XSize; ++x)
    for (int s = 1; s <= p.YHintCount; ++s) add(cols, p.ColHints[x][s]);
  std::string list;
  for (int k = 1; k <= 9; ++k)
    if (rows[k] != cols[k]) list += " " + std::to_string(k);
  return list;
}

// The companion of a picture gives its title and answer: the first two fields of its .gwm, or
// the first field of its .gwc.
void ReadCompanionTitle(App& app) {
  PuzzleState& p = app.puzzle;
  std::string hint = CompanionPath(app.document, "GWM"), mono = CompanionPath(app.document, "GWC");
  p.Title.clear();
  p.Answer.clear();
  bool colour = FileExists(hint);
  if (!colour && !FileExists(mono)) return;
  try {
    TextReader reader = TextReader::Open(colour ? hint : mono);
    std::string title = reader.AtEnd() ? "" : reader.ReadField();
    std::string answer = colour && !reader.AtEnd() ? reader.ReadField() : "";
    p.Title = title;
    p.Answer = answer;
  } catch (const FileError& e) {
    ShowFileError(app, e.number(), e.line(), "OpenPicture");
  }
}

// The offer to go on with a stored game; a file that does not fit leaves the board cleared. A
// large board's game taken up is saved over its own file again, so that is not offered for
// deleting; the .gwp of the program's own puzzles is, as it always was.
void OfferStoredProgress(App& app, const std::string& progress) {
  PuzzleState& p = app.puzzle;
  std::string text = Tr("ディスク上に途中のデータがあります。") + CR + Tr("読み込んで続きをしますか？");
  bool resume = Ask(app, text, MsgButtons::YesNo) == MsgResult::Yes;
  bool read = false;
  if (resume) {
    try {
      ReadStoredGame(app, progress);
      DrawHints(app);
      DrawCells(app);
      read = true;
    } catch (const FileError&) {
      app.ui.MsgBox(Tr("ディスク上の途中データがこのロジックに合わないので，読み込めませんでした。") + CR +
                        Tr("盤面はクリアしたままです。"),
                    MsgButtons::Ok, MsgIcon::Warning, 1, "");
    }
  }
  bool offerDelete = !(read && IsLargeBoard(p));
  if (offerDelete && Ask(app, Tr("ディスク上の途中データは消去していいですか？"), MsgButtons::YesNo) == MsgResult::Yes) {
    try {
      DeleteFile(progress);
    } catch (const FileError& e) {
      ShowFileError(app, e.number(), 0, "OpenForPlay");
    }
  }
  if (!resume) ClearGrid(p);
}

// Each save returns whether it wrote its file.
bool WriteProgressOf(App& app) {
  PuzzleState& p = app.puzzle;
  if (p.SolveState == 1) {
    Msg(app, Tr("自動解析を行なったので途中セーブはできません。"));
    return false;
  }
  if (RecordsInLibrary(app)) {
    if (!SaveProgressInLibrary(app)) return false;
    NoteGameKept(app);
    return true;
  }
  // A puzzle made in the window has no file to keep a large game beside.
  if (IsLargeBoard(p) && app.document.CurPath.empty()) {
    Msg(app, Tr("この問題にはファイルがないので、途中セーブはできません。"));
    return false;
  }
  std::string progress = StoredGamePath(p, app.document);
  try {
    // Asked before the overwrite question: that question is about a saved game, not the file a
    // planted link leads to.
    RefuseLinkOutOfFolder(progress);
    if (FileExists(progress) &&
        Ask(app, Tr("ディスク上に途中のデータがあります。") + CR + Tr("上書きしてもいいですか？"),
            MsgButtons::OkCancel) == MsgResult::Cancel)
      return false;
    WriteStoredGame(app, progress);
    NoteProgressSaved(app);
    NoteGameKept(app);
    return true;
  } catch (const LinkLeadsOut& e) {
    Ask(app,
        Fill(Tr("途中データのファイル {1} は，フォルダの外の {2} を指すリンクです。"),
             {FileNameOf(ResolveCase(progress)), e.target()}) + CR +
            Tr("ほかのファイルを書き換えないよう，保存しませんでした。"),
        MsgButtons::Ok, MsgIcon::Warning);
    return false;
  } catch (const FileError& e) {
    ShowFileError(app, e.number(), e.line(), "SaveProgress");
    return false;
  }
}

bool WriteHintPuzzleOf(App& app) {
  std::string unequal = UnequalColourTotals(app.puzzle);
  if (!unequal.empty() &&
      Ask(app, Fill(Tr("{1} 番の色の合計が合いません。"), {unequal}) + CR + Tr("それでも保存しますか？"),
          MsgButtons::YesNo, MsgIcon::None, 1, Tr("エラー")) == MsgResult::No)
    return false;
  AskTitleAndAnswer(app);
  return RunFileDlg(app, kSaveCaption, "GWM", "*.gwm").end == FileDialogEnd::Saved;
}

// SaveFile writes the picture together with its companion hint file; after a declined overwrite
// neither is written, as the companion would replace the hints of another picture.
bool WritePictureOf(App& app) {
  if (app.options.liveHints && !PictureSettlesOrSaveAnyway(app)) return false;
  AskTitleAndAnswer(app);
  return RunFileDlg(app, kSaveCaption, "GWK", "*.gwk").end == FileDialogEnd::Saved;
}

bool SaveOfMode(App& app) {
  switch (app.puzzle.Mode) {
    case kModePlay: return WriteProgressOf(app);
    case kModeNumber: return WriteHintPuzzleOf(app);
    default: return WritePictureOf(app);
  }
}

void NewBoard(App& app, int hintCounts, const char* fileName) {
  PuzzleState& p = app.puzzle;
  p.XHintCount = p.YHintCount = hintCounts;
  p.XSize = p.YSize = 0;
  p.Title.clear();
  p.Answer.clear();
  app.document.CurFileName = fileName;
  RunSizeDialog(app);
  app.ui.SetCaption(TitleCaption(p.AppCaption, p.Title, app.document.CurFileName));
  FullReset(p);
  p.CurColor = 1;
  LayoutBoard(app);
  DrawGrid(app);
}

}  // namespace

std::string StoredGamePath(const PuzzleState& p, const Document& doc) {
  return IsLargeBoard(p) ? LargeProgressPath(doc.CurPath) : CompanionPath(doc, "GWP");
}

void NoteGameKept(App& app) {
  app.wnd.keptGame = app.puzzle.Mode == kModePlay && app.puzzle.XSize > 0 ? ProgressBytes(app.puzzle) : "";
}

bool GameUnchanged(App& app) {
  const PuzzleState& p = app.puzzle;
  bool ownFile = IsOwnHintFile(app.document.CurFileName);
  return p.Mode == kModePlay && !ownFile && p.XSize > 0 && !app.wnd.keptGame.empty() &&
         ProgressBytes(app.puzzle) == app.wnd.keptGame;
}

bool OfferProgressSave(App& app) {
  PuzzleState& p = app.puzzle;
  if (app.document.Dirty == 1 && !(p.Mode == kModePlay && p.SolveState == 1)) {
    // A puzzle of another program's file left as it was opened or saved has nothing to keep; a
    // game whose records live in the store is kept there as it is left, without a question.
    if (GameUnchanged(app)) {
    } else if (RecordsInLibrary(app)) {
      if (!SaveProgressInLibrary(app)) return false;
      NoteGameKept(app);
    } else {
      std::string text = Tr("途中のデータが保存されていません。") + CR + Tr("保存しますか？") + CR +
                         Tr("保存すれば，次回はここから始まれます。");
      // A save that was cancelled or failed keeps the work unsaved, and the command that asked
      // must not throw it away.
      if (Ask(app, text, MsgButtons::YesNo) == MsgResult::Yes) {
        if (!SaveOfMode(app)) return false;
        Msg(app, Tr("途中データを保存しました。"));
      }
    }
  }
  app.document.Dirty = 0;
  return true;
}

void NewHintPuzzle(App& app) {
  NewBoard(app, 0, "NoName.GWM");
  PlaceInputCursor(app, app.puzzle.XHintCount);
}

void NewPicture(App& app) { NewBoard(app, 3, "NoName.GWK"); }

namespace {

// Every board just read opens as boards open, whatever zoom the one before had.
void LayOutOpened(App& app) {
  ForgetZoom(app);
  LayoutBoard(app);
  DrawGrid(app);
}

// A hint puzzle just read for play: drawn with its checks cleared, a stored game offered.
void ShowOpenedForPlay(App& app) {
  PuzzleState& p = app.puzzle;
  p.CurColor = 1;
  LayOutOpened(app);
  ClearHintChecks(p);
  DrawHints(app);
  p.SolveState = 0;
  std::string progress = CompanionPath(app.document, "GWP");
  if (!FileExists(progress)) {
    ClearGrid(p);
    ResumeGameFromLibrary(app);
    return;
  }
  OfferStoredProgress(app, progress);
}

// A hint puzzle just read for number input: drawn with the cursor on the first row hint.
void ShowOpenedHints(App& app) {
  PuzzleState& p = app.puzzle;
  p.CurColor = 1;
  ClearGrid(p);
  LayOutOpened(app);
  DrawHints(app);
  PlaceInputCursor(app, 1);
}

// A picture just read for image input: its title and answer taken from its companion.
void ShowOpenedPicture(App& app) {
  ReadCompanionTitle(app);
  app.puzzle.CurColor = 1;
  LayOutOpened(app);
  DrawCells(app);
}

void ShowOpenedInMode(App& app) {
  switch (app.puzzle.Mode) {
    case kModePlay: ShowOpenedForPlay(app); break;
    case kModeNumber: ShowOpenedHints(app); break;
    default: ShowOpenedPicture(app);
  }
}

}  // namespace

void OpenForPlay(App& app, int kind) {
  FileDialogEnd end = kind == 2 ? RunFileSel2(app) : RunFileDlg(app, kOpenCaption, "GWM", "*.gwm;*.gwc").end;
  if (end == FileDialogEnd::Opened) ShowOpenedForPlay(app);
}

void OfferStoredGame(App& app) {
  std::string progress = StoredGamePath(app.puzzle, app.document);
  if (FileExists(progress)) OfferStoredProgress(app, progress);
}

bool OpenPathInMode(App& app, int mode, const std::string& path) {
  PuzzleState& p = app.puzzle;
  // The reader goes by the mode; a refusal leaves the mode, and so the menus, as they were.
  int before = p.Mode;
  p.Mode = mode;
  // Traced as a file dialog's OK would be.
  app.fileReport.DialogCancelled = 0;
  ReadOutcome read;
  try {
    read = OpenPuzzleFile(app, FolderOf(path), FileNameOf(path));
  } catch (const FileError& e) {
    p.Mode = before;
    const char* place = mode == kModePlay ? "OpenForPlay" : mode == kModeNumber ? "OpenHintPuzzle" : "OpenPicture";
    ShowFileError(app, e.number(), e.line(), place);
    return false;
  }
  if (read == ReadOutcome::Refused) {
    p.Mode = before;
    return false;
  }
  if (before != mode) ApplyModeMenus(app);
  ShowOpenedInMode(app);
  return true;
}

void OpenHintPuzzle(App& app) {
  if (ChooseAndOpen(app, "GWM", "*.gwm;*.gwc")) ShowOpenedHints(app);
}

void OpenPicture(App& app) {
  if (ChooseAndOpen(app, "GWK", "*.gwk;*.gwa")) ShowOpenedPicture(app);
}

bool SaveProgress(App& app) { return WriteProgressOf(app); }
bool SaveHintPuzzle(App& app) { return WriteHintPuzzleOf(app); }
bool SavePicture(App& app) { return WritePictureOf(app); }

bool SaveCommand(App& app) {
  if (!SaveOfMode(app)) return false;
  app.document.Dirty = 0;
  return true;
}

}  // namespace gw
