#include "files/ToolsCommands.h"

#include <optional>

#include "analysis/Analysis.h"
#include "dialogs/Modecg.h"
#include "display/BoardLayout.h"
#include "display/Draw.h"
#include "display/Viewport.h"
#include "formats/EngineInput.h"
#include "formats/ForeignFiles.h"
#include "formats/PuzzleKinds.h"
#include "formats/PuzzleBridge.h"
#include "formats/PuzzleSheet.h"
#include "dialogs/ImportImage.h"
#include "mainwnd/MainWnd.h"
#include "Messages.h"
#include "text/Tr.h"
#include "dialogs/NewPuzzle.h"
#include "system/FileError.h"
#include "system/PathSyntax.h"
#include "settings/Settings.h"
#include "files/FileCommands.h"
#include "files/LibraryCommands.h"
#include "state/PuzzleFiles.h"
#include "state/LargeProgress.h"
#include "state/Paths.h"

namespace gw {
namespace {

const std::vector<const char*> kImportFilters = {
    TrNoop("パズル・画像 (*.xml *.non *.g *.png *.jpg *.jpeg *.bmp *.gif)"),
    TrNoop("パズル (*.xml *.non *.g)"),
    TrNoop("画像 (*.png *.jpg *.jpeg *.bmp *.gif)"),
};

enum ExportFilter { kXml, kNon, kSheetPng, kSheetSvg, kSolutionPng, kSolutionSvg };
const std::vector<const char*> kExportFilters = {
    TrNoop("XML パズル (*.xml)"),       TrNoop("NON パズル (*.non)"),   TrNoop("問題用紙の絵 PNG (*.png)"),
    TrNoop("問題用紙の絵 SVG (*.svg)"), TrNoop("答えの絵 PNG (*.png)"), TrNoop("答えの絵 SVG (*.svg)"),
};

std::vector<std::string> Translated(const std::vector<const char*>& texts) {
  std::vector<std::string> out;
  for (const char* t : texts) out.push_back(Tr(t));
  return out;
}
const char* const kExportExt[] = {".xml", ".non", ".png", ".svg", ".png", ".svg"};

}  // namespace

bool IsImagePath(const std::string& path) {
  for (const char* ext : {".png", ".jpg", ".jpeg", ".bmp", ".gif"})
    if (HasExt(path, ext)) return true;
  return false;
}

namespace {

void Warn(App& app, const std::string& text, const char* title) {
  Ask(app, text, MsgButtons::Ok, MsgIcon::Warning, 1, Tr(title));
}

// Shows where the colours go and lets the user stop; true to go on. The user-made colours filled
// are kept in the settings file, so that hints typed or a picture drawn from them look the same in
// the program's own files the next time.
bool ConfirmAndApplyColors(App& app, const PuzzleData& d, const ColorMapping& m, const char* title = kImportTitle) {
  if (Ask(app, MappingText(d, m), MsgButtons::OkCancel, MsgIcon::None, 1, Tr(title)) != MsgResult::Ok)
    return false;
  ApplyUserColors(m, app.colors.ColorTable);
  for (int i = 16; i < 32; ++i)
    if (m.userSet[i]) {
      SaveSettings(app);
      break;
    }
  return true;
}

void ShowOpened(App& app, int mode, const std::string& path) {
  PuzzleState& p = app.puzzle;
  if (p.Mode != mode) {
    p.Mode = mode;
    ApplyModeMenus(app);
  }
  app.document.CurFolder = FolderOf(path);
  app.document.CurFileName = FileNameOf(path);
  app.document.CurPath = path;
  p.CurColor = 1;
  p.SolveState = 0;
  app.document.Dirty = mode == kModePlay ? 0 : 1;
  ForgetZoom(app);
  if (mode == kModeImage) app.ui.SetCaption(p.AppCaption + " : " + app.document.CurFileName);
  else app.ui.SetCaption(TitleCaption(p.AppCaption, p.Title, app.document.CurFileName));
  PaintBoard(app);
  NoteGameKept(app);
}

// A puzzle opens for play (any size the board holds) in its own colours, the colour table left
// as it is; or as hints in number input mode (the size its files hold), whose colours go into the
// table as the program's own files need. True when it opened.
bool OpenImportedPuzzle(App& app, const PuzzleData& d, const std::string& path, int mode,
                        const char* title = kImportTitle) {
  std::string why = mode == kModeNumber ? WhyNotHeld(d) : WhyNotPlayable(d);
  if (!why.empty()) {
    Warn(app, Tr("プレイできる制限を越えています。") + CR + why, title);
    return false;
  }
  bool play = mode == kModePlay;
  ColorMapping m = MapColors(d, app.colors.ColorTable, !play);
  if (!play && !ConfirmAndApplyColors(app, d, m, title)) return false;
  HintsToState(d, m, app.puzzle);
  if (play) KeepOwnColors(d, app.puzzle);
  ShowOpened(app, mode, path);
  return true;
}

// A foreign puzzle file read whole, or its refusal told; nothing else changes.
std::optional<PuzzleData> ReadForeignOrTell(App& app, const std::string& path, const char* title = kImportTitle) {
  try {
    return ReadForeignFile(path);
  } catch (const FormatError& e) {
    Warn(app, Tr("このファイルは読めません。") + CR + e.what(), title);
  } catch (const FileError& e) {
    Warn(app, Tr("このファイルは読めません。") + CR + e.what(), title);
  }
  return std::nullopt;
}

}  // namespace

bool ImportImageFile(App& app, const std::string& path) {
  ImportImage dlg;
  dlg.fileName = FileNameOf(path);
  ImageLoad read = app.ui.LoadImage(path, dlg.image);
  if (read == ImageLoad::Cancelled) return false;
  if (read == ImageLoad::TooLarge) {
    Warn(app, Tr("画像が大きすぎます。") + CR + Tr("読めるのは 1 辺 16384 ピクセル、全体で 4096 × 4096 ピクセルまでです。"),
         kImportTitle);
    return false;
  }
  if (read == ImageLoad::Truncated) {
    Warn(app, Tr("画像のデータが途中で切れています。") + CR + Tr("ファイルが壊れているか，コピーが終わっていないようです。"),
         kImportTitle);
    return false;
  }
  if (read != ImageLoad::Read || dlg.image.width < 1 || dlg.image.height < 1) {
    Warn(app, Tr("画像を読み込めません。"), kImportTitle);
    return false;
  }
  ImportImageLoad(app, dlg);
  app.ui.ShowModal(dlg);
  if (!dlg.accepted || dlg.preview.ColorCount() < 1) return false;
  PuzzleData d = dlg.preview;
  ColorMapping m = MapColors(d, app.colors.ColorTable);
  if (!ConfirmAndApplyColors(app, d, m)) return false;
  std::string title = dlg.fileName.substr(0, dlg.fileName.find('.'));
  // The picture files hold 20 x 20: a larger picture's puzzle opens for play instead, its game
  // kept beside the image.
  if (!WhyNotHeld(d).empty()) {
    d.title = title;
    HintsToState(d, m, app.puzzle);
    ShowOpened(app, kModePlay, path);
    return true;
  }
  PictureToState(d, m, app.puzzle);
  app.puzzle.Title = title;
  app.puzzle.Answer.clear();
  ShowOpened(app, kModeImage, ChangeExt(path, "gwk"));
  return true;
}

namespace {

// The puzzle in memory with a solution where one is known: the picture in image input mode, else
// the engine's when it is unique and `solve` asks for it (a problem sheet needs none). The engine
// stops when the player cancels the long work it is part of.
PuzzleData PuzzleOfWindow(App& app, bool solve, bool& cancelled) {
  const PuzzleState& p = app.puzzle;
  cancelled = false;
  if (p.Mode == kModeImage) return DataFromPicture(p, app.colors.ColorTable);
  PuzzleData d = DataFromHints(p, app.colors.ColorTable);
  if (!solve) return d;
  analysis::Budget budget;
  budget.seconds = 5;
  budget.poll = [&app] { return !app.ui.LongWorkCancelled(); };
  analysis::Analysis a = analysis::Analyze(EnginePuzzle(d), budget);
  cancelled = a.cancelled;
  if (a.solutions == 1) {
    d.solution.assign(d.height, std::vector<int>(d.width, 0));
    for (int y = 0; y < d.height; ++y)
      for (int x = 0; x < d.width; ++x) d.solution[y][x] = a.boards[0].At(x, y);
  }
  return d;
}

// What an export ends with: the box that says so, a warning when it failed or could not be made.
struct ExportOutcome {
  bool warn = false;
  std::string text;
};

ExportOutcome WriteExport(App& app, const std::string& path, int filter) {
  bool solved = filter == kSolutionPng || filter == kSolutionSvg;
  bool sheet = filter == kSheetPng || filter == kSheetSvg;
  bool cancelled = false;
  PuzzleData d = PuzzleOfWindow(app, !sheet, cancelled);
  if (cancelled) return {false, Tr("書き出しを取りやめました。")};
  if (d.ColorCount() < 1) return {true, Tr("塗るマスがないので書き出せません。")};
  // Hints still being typed may not describe any picture: what is written must read back.
  try {
    CheckPuzzle(d);
  } catch (const FormatError& e) {
    return {true, Tr("この問題は書き出せません。") + CR + e.what()};
  }
  if (solved && d.solution.empty()) return {true, Tr("答えがひとつに決まらないので、答えの絵は書き出せません。")};
  try {
    if (filter == kXml || filter == kNon) WriteForeignFile(path, d);
    else if (filter == kSheetSvg || filter == kSolutionSvg) ReplaceFile(path, SheetToSvg(DrawPuzzleSheet(d, solved)));
    else if (!app.ui.SaveSheetPng(DrawPuzzleSheet(d, solved), path)) return {true, Tr("書き出せませんでした。")};
  } catch (const FileError& e) {
    return {true, Tr("書き出せませんでした。") + CR + e.what()};
  }
  return {false, Fill(Tr("書き出しました: {1}"), {FileNameOf(path)})};
}

}  // namespace

std::string MappingText(const PuzzleData& p, const ColorMapping& m) {
  std::string text = Tr("色は次のように置き換えます。");
  for (int k = 1; k <= p.ColorCount(); ++k) {
    text += CR + Fill(Tr("色 {1} {2} → {3} 番"), {std::to_string(k), HexOf(p.colors[k].rgb), std::to_string(m.entry[k])});
    if (m.userSet[m.entry[k]]) text += Tr("（作った色に登録）");
    else if (m.exact[k]) text += Tr("（同じ色）");
    else text += Tr("（近い色）");
  }
  return text;
}

bool OpenPuzzleForPlay(App& app, const std::string& path, const char* title) {
  // A save the player asked for that did not write keeps the game: nothing is opened over it.
  if (!OfferProgressSave(app)) return false;
  if (IsOwnHintFile(path)) return OpenPathInMode(app, kModePlay, path);
  std::optional<PuzzleData> d = ReadForeignOrTell(app, path, title);
  if (!d || !OpenImportedPuzzle(app, *d, path, kModePlay, title)) return false;
  // The .gwp of the program's own puzzles cannot hold a large board's game; its own file can.
  // A puzzle whose records are in the library's store takes its game up from there.
  if (!ResumeGameFromLibrary(app) && IsLargeBoard(app.puzzle) && !RecordsInLibrary(app)) OfferStoredGame(app);
  NoteGameKept(app);
  return true;
}

bool OpenUnfiledPuzzle(App& app, const PuzzleData& d) {
  if (!OpenImportedPuzzle(app, d, "", kModePlay)) return false;
  app.ui.SetCaption(TitleCaption(app.puzzle.AppCaption, d.title.empty() ? Tr("無題") : d.title, ""));
  return true;
}

void ImportCommand(App& app) {
  SystemFileChoice choice = app.ui.ChooseSystemFile(false, Tr(kImportTitle), Translated(kImportFilters));
  if (choice.path.empty()) return;
  if (IsImagePath(choice.path)) {
    if (OfferProgressSave(app)) ImportImageFile(app, choice.path);
    return;
  }
  if (app.puzzle.Mode != kModeNumber) {
    OpenPuzzleForPlay(app, choice.path);
    return;
  }
  if (!OfferProgressSave(app)) return;
  if (std::optional<PuzzleData> d = ReadForeignOrTell(app, choice.path))
    OpenImportedPuzzle(app, *d, choice.path, kModeNumber);
}

// A large puzzle takes seconds to solve for its answer and to draw as a page: the busy pointer
// shows from the start, and the box with キャンセル once the work lasts.
void ExportCommand(App& app) {
  if (app.puzzle.XSize < 1 || app.puzzle.YSize < 1) {
    Warn(app, Tr("書き出す問題がありません。"), kExportTitle);
    return;
  }
  SystemFileChoice choice = app.ui.ChooseSystemFile(true, Tr(kExportTitle), Translated(kExportFilters));
  if (choice.path.empty()) return;
  int filter = choice.filter >= 0 && choice.filter < int(kExportFilters.size()) ? choice.filter : kXml;
  std::string path = choice.path;
  if (!HasExt(path, kExportExt[filter])) path += kExportExt[filter];
  app.ui.SetPointer(Pointer::Busy);
  app.ui.BeginLongWork(Tr("書き出しています。しばらくお待ちください。"));
  ExportOutcome outcome = WriteExport(app, path, filter);
  app.ui.EndLongWork();
  app.ui.SetPointer(Pointer::Normal);
  if (outcome.warn) Warn(app, outcome.text, kExportTitle);
  else Msg(app, outcome.text, Tr(kExportTitle));
}

void NewPuzzleCommand(App& app) {
  NewPuzzle dlg;
  app.ui.ShowModal(dlg);
  if (!dlg.accepted || !OfferProgressSave(app)) return;
  PuzzleData& d = dlg.result;
  ColorMapping m = MapColors(d, app.colors.ColorTable, false);
  HintsToState(d, m, app.puzzle);
  KeepOwnColors(d, app.puzzle);
  ShowOpened(app, kModePlay, "");
  app.ui.SetCaption(TitleCaption(app.puzzle.AppCaption, d.title, ""));
}

}  // namespace gw
