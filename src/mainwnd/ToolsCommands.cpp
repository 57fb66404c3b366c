#include "mainwnd/ToolsCommands.h"

#include <optional>

#include "analysis/Analysis.h"
#include "dialogs/Modecg.h"
#include "display/Draw.h"
#include "formats/EngineInput.h"
#include "formats/ForeignFiles.h"
#include "formats/PuzzleBridge.h"
#include "formats/PuzzleSheet.h"
#include "dialogs/ImportImage.h"
#include "mainwnd/MainWnd.h"
#include "Messages.h"
#include "dialogs/NewPuzzle.h"
#include "platform/FileError.h"
#include "platform/PathSyntax.h"
#include "settings/Settings.h"
#include "mainwnd/FileCommands.h"
#include "state/LargeProgress.h"
#include "state/Paths.h"

namespace gw {
namespace {

const std::vector<std::string> kImportFilters = {
    "パズル・画像 (*.xml *.non *.g *.png *.jpg *.jpeg *.bmp *.gif)",
    "パズル (*.xml *.non *.g)",
    "画像 (*.png *.jpg *.jpeg *.bmp *.gif)",
};

enum ExportFilter { kXml, kNon, kSheetPng, kSheetSvg, kSolutionPng, kSolutionSvg };
const std::vector<std::string> kExportFilters = {
    "XML パズル (*.xml)",       "NON パズル (*.non)",    "問題用紙の絵 PNG (*.png)",
    "問題用紙の絵 SVG (*.svg)", "答えの絵 PNG (*.png)", "答えの絵 SVG (*.svg)",
};
const char* const kExportExt[] = {".xml", ".non", ".png", ".svg", ".png", ".svg"};

bool IsImagePath(const std::string& path) {
  for (const char* ext : {".png", ".jpg", ".jpeg", ".bmp", ".gif"})
    if (HasExt(path, ext)) return true;
  return false;
}

void Warn(App& app, const std::string& text, const char* title) {
  Ask(app, text, MsgButtons::Ok, MsgIcon::Warning, 1, title);
}

// Shows where the colours go and lets the user stop; true to go on. The user-made colours filled
// are kept in the settings file, so that hints typed or a picture drawn from them look the same in
// the program's own files the next time.
bool ConfirmAndApplyColors(App& app, const PuzzleData& d, const ColorMapping& m) {
  if (Ask(app, MappingText(d, m), MsgButtons::OkCancel, MsgIcon::None, 1, kImportTitle) != MsgResult::Ok)
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
  p.CurFolder = FolderOf(path);
  p.CurFileName = FileNameOf(path);
  p.CurPath = path;
  p.CurColor = 1;
  p.SolveState = 0;
  p.Dirty = mode == kModePlay ? 0 : 1;
  if (mode == kModeImage) app.ui.SetCaption(p.AppCaption + " : " + p.CurFileName);
  else app.ui.SetCaption(p.AppCaption + "「" + p.Title + "」" + p.CurFileName);
  PaintBoard(app);
}

// A puzzle opens for play (any size the board holds) in its own colours, the colour table left
// as it is; or as hints in number input mode (the size its files hold), whose colours go into the
// table as the program's own files need. True when it opened.
bool OpenImportedPuzzle(App& app, const PuzzleData& d, const std::string& path, int mode) {
  std::string why = mode == kModeNumber ? WhyNotHeld(d) : WhyNotPlayable(d);
  if (!why.empty()) {
    Warn(app, std::string("プレイできる制限を越えています。") + CR + why, kImportTitle);
    return false;
  }
  bool play = mode == kModePlay;
  ColorMapping m = MapColors(d, app.colors.ColorTable, !play);
  if (!play && !ConfirmAndApplyColors(app, d, m)) return false;
  HintsToState(d, m, app.puzzle);
  if (play) KeepOwnColors(d, app.puzzle);
  ShowOpened(app, mode, path);
  return true;
}

// A foreign puzzle file read whole, or its refusal told; nothing else changes.
std::optional<PuzzleData> ReadForeignOrTell(App& app, const std::string& path) {
  try {
    return ReadForeignFile(path);
  } catch (const FormatError& e) {
    Warn(app, std::string("このファイルは読めません。") + CR + e.what(), kImportTitle);
  } catch (const FileError& e) {
    Warn(app, std::string("このファイルは読めません。") + CR + e.what(), kImportTitle);
  }
  return std::nullopt;
}

bool IsOwnHintPath(const std::string& path) { return HasExt(path, ".gwm") || HasExt(path, ".gwc"); }

// The program's own hint puzzle, opened as ファイルを開く opens it, stored game offered.
bool OpenOwnPuzzle(App& app, const std::string& path) {
  // The reader goes by the mode: play mode reads hints. A refusal leaves the mode as it was.
  int mode = app.puzzle.Mode;
  app.puzzle.Mode = kModePlay;
  bool opened = OpenPathForPlay(app, FolderOf(path), FileNameOf(path));
  if (!opened) app.puzzle.Mode = mode;
  else if (mode != kModePlay) ApplyModeMenus(app);
  return opened;
}

void ImportImageFile(App& app, const std::string& path) {
  ImportImage dlg;
  dlg.fileName = FileNameOf(path);
  ImageLoad read = app.ui.LoadImage(path, dlg.image);
  if (read == ImageLoad::Cancelled) return;
  if (read == ImageLoad::TooLarge) {
    Warn(app, std::string("画像が大きすぎます。") + CR + "読めるのは 1 辺 16384 ピクセル、全体で 4096 × 4096 ピクセルまでです。",
         kImportTitle);
    return;
  }
  if (read != ImageLoad::Read || dlg.image.width < 1 || dlg.image.height < 1) {
    Warn(app, "画像を読み込めません。", kImportTitle);
    return;
  }
  ImportImageLoad(app, dlg);
  app.ui.ShowModal(dlg);
  if (!dlg.accepted || dlg.preview.ColorCount() < 1) return;
  PuzzleData d = dlg.preview;
  ColorMapping m = MapColors(d, app.colors.ColorTable);
  if (!ConfirmAndApplyColors(app, d, m)) return;
  std::string title = dlg.fileName.substr(0, dlg.fileName.find('.'));
  // The picture files hold 20 x 20: a larger picture's puzzle opens for play instead, its game
  // kept beside the image.
  if (!WhyNotHeld(d).empty()) {
    d.title = title;
    HintsToState(d, m, app.puzzle);
    ShowOpened(app, kModePlay, path);
    return;
  }
  PictureToState(d, m, app.puzzle);
  app.puzzle.Title = title;
  app.puzzle.Answer.clear();
  ShowOpened(app, kModeImage, ChangeExt(path, "gwk"));
}

// The puzzle in memory with a solution where one is known: the picture in image input mode, else
// the engine's when it is unique.
PuzzleData PuzzleOfWindow(App& app) {
  const PuzzleState& p = app.puzzle;
  if (p.Mode == kModeImage) return DataFromPicture(p, app.colors.ColorTable);
  PuzzleData d = DataFromHints(p, app.colors.ColorTable);
  analysis::Budget budget;
  budget.seconds = 5;
  analysis::Analysis a = analysis::Analyze(EnginePuzzle(d), budget);
  if (a.solutions == 1) {
    d.solution.assign(d.height, std::vector<int>(d.width, 0));
    for (int y = 0; y < d.height; ++y)
      for (int x = 0; x < d.width; ++x) d.solution[y][x] = a.boards[0].At(x, y);
  }
  return d;
}

void WriteExport(App& app, const PuzzleData& d, const std::string& path, int filter) {
  bool solved = filter == kSolutionPng || filter == kSolutionSvg;
  if (solved && d.solution.empty()) {
    Warn(app, "答えがひとつに決まらないので、答えの絵は書き出せません。", kExportTitle);
    return;
  }
  app.ui.SetPointer(Pointer::Busy);
  bool done = true;
  std::string reason;
  try {
    if (filter == kXml || filter == kNon) WriteForeignFile(path, d);
    else if (filter == kSheetSvg || filter == kSolutionSvg) ReplaceFile(path, SheetToSvg(DrawPuzzleSheet(d, solved)));
    else done = app.ui.SaveSheetPng(DrawPuzzleSheet(d, solved), path);
  } catch (const FileError& e) {
    done = false;
    reason = e.what();
  }
  app.ui.SetPointer(Pointer::Normal);
  if (!done) Warn(app, "書き出せませんでした。" + (reason.empty() ? "" : std::string(CR) + reason), kExportTitle);
  else Msg(app, "書き出しました: " + FileNameOf(path), kExportTitle);
}

}  // namespace

std::string MappingText(const PuzzleData& p, const ColorMapping& m) {
  std::string text = "色は次のように置き換えます。";
  for (int k = 1; k <= p.ColorCount(); ++k) {
    text += std::string(CR) + "色 " + std::to_string(k) + " " + HexOf(p.colors[k].rgb) + " → " +
            std::to_string(m.entry[k]) + " 番";
    if (m.userSet[m.entry[k]]) text += "（作った色に登録）";
    else if (m.exact[k]) text += "（同じ色）";
    else text += "（近い色）";
  }
  return text;
}

bool OpenPuzzleForPlay(App& app, const std::string& path) {
  // A save the player asked for that did not write keeps the game: nothing is opened over it.
  if (!OfferProgressSave(app)) return false;
  if (IsOwnHintPath(path)) return OpenOwnPuzzle(app, path);
  std::optional<PuzzleData> d = ReadForeignOrTell(app, path);
  if (!d || !OpenImportedPuzzle(app, *d, path, kModePlay)) return false;
  // The .gwp of the program's own puzzles cannot hold a large board's game; its own file can.
  if (IsLargeBoard(app.puzzle)) OfferStoredGame(app);
  return true;
}

void ImportCommand(App& app) {
  SystemFileChoice choice = app.ui.ChooseSystemFile(false, kImportTitle, kImportFilters);
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

void ExportCommand(App& app) {
  if (app.puzzle.XSize < 1 || app.puzzle.YSize < 1) {
    Warn(app, "書き出す問題がありません。", kExportTitle);
    return;
  }
  SystemFileChoice choice = app.ui.ChooseSystemFile(true, kExportTitle, kExportFilters);
  if (choice.path.empty()) return;
  int filter = choice.filter >= 0 && choice.filter < int(kExportFilters.size()) ? choice.filter : kXml;
  std::string path = choice.path;
  if (!HasExt(path, kExportExt[filter])) path += kExportExt[filter];
  PuzzleData d = PuzzleOfWindow(app);
  if (d.ColorCount() < 1) {
    Warn(app, "塗るマスがないので書き出せません。", kExportTitle);
    return;
  }
  // Hints still being typed may not describe any picture: what is written must read back.
  try {
    CheckPuzzle(d);
  } catch (const FormatError& e) {
    Warn(app, std::string("この問題は書き出せません。") + CR + e.what(), kExportTitle);
    return;
  }
  WriteExport(app, d, path, filter);
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
  app.ui.SetCaption(app.puzzle.AppCaption + "「" + d.title + "」");
}

}  // namespace gw
