#include "dialogs/FileDlg.h"

#include <algorithm>

#include "dialogs/DialogButtons.h"
#include "Messages.h"
#include "system/Directory.h"
#include "system/FileError.h"
#include "system/FileSystem.h"
#include "text/Utf8.h"
#include "state/Paths.h"
#include "state/ProgressFiles.h"
#include "state/PuzzleFiles.h"
#include "text/Tr.h"

namespace gw {
namespace {

void ListFolder(FileDlg& dlg) {
  dlg.drive = DriveOf(dlg.folder, dlg.drives);
  dlg.folders = ListFolders(dlg.folder);
  dlg.files = ListFiles(dlg.folder, dlg.pattern);
}

void SetName(FileDlg& dlg, const std::string& text) {
  dlg.name = text;
  dlg.selStart = dlg.selEnd = 0;
}

bool AcceptedExtension(int mode, const std::string& name) {
  std::string ext = LowerAscii(RightChars(name, 3));
  if (mode == kModeImage) return ext == "gwk" || ext == "gwa";
  return ext == "gwm" || ext == "gwc";
}

// A name the dialog will not take: wildcards, separators and blanks.
bool RefusedName(const std::string& name) {
  return MatchesPattern(name, "*[*;> ,+|/]*") ||
         std::any_of(name.begin(), name.end(), [](char c) { return IsSeparator(c); });
}

void PressOk(App& app, FileDlg& dlg, const std::string& folder, const std::string& name) {
  if (!AcceptedExtension(app.puzzle.Mode, name)) {
    Msg(app, Tr("拡張子がちがいます。"));
    return;
  }
  if (dlg.caption != kOpenCaption) {
    dlg.end = SaveFile(app, folder, name) ? FileDialogEnd::Saved : FileDialogEnd::NotSaved;
    app.ui.CloseDialog(dlg);
    return;
  }
  // A name that is not there keeps the dialog open, so that it can be corrected.
  if (!FileExists(JoinPath(folder, name))) {
    Msg(app, Tr("ファイルが存在しません"));
    return;
  }
  dlg.end = OpenedEnd(OpenPuzzleFile(app, folder, name));
  app.ui.CloseDialog(dlg);
}

}  // namespace

std::string FileDlgLabel(int i) {
  switch (i) {
    case 0: return Tr("ファイル名(&N):");
    case 1: return Tr("フォルダ(&D)");
    case 2: return Tr("ドライブ(&V):");
    default:
      return Tr("　ファイルを開く２ではフォルダの変更はできません。フォルダの移動は，ここ（ファイルを開く）でしてください。");
  }
}

std::string FileDlgButton(int i) {
  switch (i) {
    case 0: return "OK";
    case 1: return Tr("ｷｬﾝｾﾙ");
    default: return Tr("詳しい情報");
  }
}

std::vector<FolderEntry> FolderEntries(const FileDlg& dlg) {
  std::vector<FolderEntry> entries;
  std::vector<std::string> chain = FolderChain(dlg.folder);
  for (size_t i = 0; i < chain.size(); ++i) {
    std::string label = i == 0 ? chain[i] : chain[i].substr(NameStart(chain[i]));
    entries.push_back({chain[i], label, static_cast<int>(i), i + 1 == chain.size()});
  }
  for (const std::string& sub : dlg.folders)
    entries.push_back({JoinPath(dlg.folder, sub), sub, static_cast<int>(chain.size()), false});
  return entries;
}

void FileDlgLoad(App&, FileDlg& dlg) {
  dlg.folder = CurrentDirectory();
  dlg.drives = ListDrives();
  ListFolder(dlg);
}

void FileDlgDriveChange(App& app, FileDlg& dlg, const std::string& drive) {
  if (drive == dlg.drive) return;
  try {
    ChangeDirectory(drive);
  } catch (const FileError& e) {
    app.ui.MsgBox(FileErrorText(e.number()), MsgButtons::Ok, MsgIcon::Warning, 1, Tr("ドライブエラー"));
    dlg.drive = DriveOf(dlg.folder, dlg.drives);
    return;
  }
  FileDlgFolderChange(app, dlg, drive);
}

void FileDlgFolderChange(App& app, FileDlg& dlg, const std::string& path) {
  std::string target = AbsoluteFolder(dlg.folder, path);
  if (target == dlg.folder) return;
  try {
    ChangeDirectory(target);
  } catch (const FileError& e) {
    ShowFileError(app, e.number(), 0, "dirFileDlg" + target);
    return;
  }
  dlg.folder = CurrentDirectory();
  ListFolder(dlg);
  SetName(dlg, dlg.pattern);
}

void FileDlgNameChange(App&, FileDlg& dlg, const std::string& text) { SetName(dlg, text); }

void FileDlgFileClick(App&, FileDlg& dlg, const std::string& file) { SetName(dlg, file); }

void FileDlgFileDoubleClick(App& app, FileDlg& dlg, const std::string& file) {
  SetName(dlg, file);
  CmdClick(app, dlg, 0);
}

void CmdClick(App& app, FileDlg& dlg, int i) {
  if (PressCancel(app, dlg, i)) return;
  std::string folder = dlg.folder;
  std::string name = dlg.name;
  if (RefusedName(name)) return;
  try {
    if (i == 2) ShowFileInfo(app, folder, name);
    else PressOk(app, dlg, folder, name);
  } catch (const FileError& e) {
    ShowFileError(app, e.number(), e.line(), "cmdFileDlg" + name + folder);
  }
}

void FileDlgClose(App& app, FileDlg& dlg) { CmdClick(app, dlg, 1); }

FileDlg RunFileDlg(App& app, const std::string& caption, const std::string& ext, const std::string& pattern) {
  FileDlg dlg;
  dlg.caption = caption;
  std::string name = app.document.CurFileName;
  if (name.empty() && caption == kOpenCaption) name = "*.gwm";
  dlg.name = ChangeExt(name, ext);
  // The base name is selected, so that typing replaces it and keeps the extension.
  std::u32string chars = ToU32(dlg.name);
  size_t dot = chars.find(U'.');
  dlg.selEnd = dot == std::u32string::npos ? 0 : static_cast<int>(dot);
  dlg.pattern = pattern;
  FileDlgLoad(app, dlg);
  app.ui.ShowModal(dlg);
  return dlg;
}

}  // namespace gw
