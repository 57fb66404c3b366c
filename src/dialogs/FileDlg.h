#pragma once
#include <string>
#include <vector>

#include "App.h"
#include "text/Tr.h"
#include "dialogs/DialogButtons.h"

namespace gw {

inline constexpr const char* kOpenCaption = TrNoop("ファイルを開く");
inline constexpr const char* kSaveCaption = TrNoop("ファイル保存");

// The program's own open and save dialog. Open or save is told by the caption alone.
struct FileDlg : Dialog {
  DialogKind Kind() const override { return DialogKind::FileDlg; }

  std::string caption;
  std::string name;          // txtFileDlg
  int selStart = 0;          // the selection in the name box, characters from 0, end excluded
  int selEnd = 0;
  std::string pattern;       // filFileDlg pattern, ";"-separated
  std::string folder;        // dirFileDlg path, shown by lblPathName; the current directory
  std::string drive;         // drvFileDlg
  std::vector<std::string> drives;
  std::vector<std::string> folders;  // subfolders of `folder`
  std::vector<std::string> files;    // files of `folder` matching `pattern`
  // Opened or Refused by OK on a puzzle read; Saved when OK wrote the file, NotSaved after a
  // declined overwrite or a failed write.
  FileDialogEnd end = FileDialogEnd::None;
};

// One line of the folder list: the folders from the root down to the current one, then its
// subfolders one level deeper.
struct FolderEntry {
  std::string path;
  std::string label;
  int depth = 0;
  bool current = false;
};
std::vector<FolderEntry> FolderEntries(const FileDlg& dlg);

// The fixed texts of the dialog.
std::string FileDlgLabel(int i);  // 0 name, 1 folder, 2 drive, 3 the note
std::string FileDlgButton(int i);  // 0 OK, 1 Cancel, 2 details

// Shows the folder of the current directory; the name box keeps what the caller put there.
void FileDlgLoad(App& app, FileDlg& dlg);
void FileDlgDriveChange(App& app, FileDlg& dlg, const std::string& drive);
// Moves the folder list to `path` (absolute, or relative to the folder shown) and makes it the
// current directory; the name box then shows the pattern.
void FileDlgFolderChange(App& app, FileDlg& dlg, const std::string& path);
void FileDlgNameChange(App& app, FileDlg& dlg, const std::string& text);
void FileDlgFileClick(App& app, FileDlg& dlg, const std::string& file);
void FileDlgFileDoubleClick(App& app, FileDlg& dlg, const std::string& file);
// cmdFileDlg(i): 0 OK, 1 Cancel, 2 details.
void CmdClick(App& app, FileDlg& dlg, int i);
// Closing by the frame is a Cancel: the caller must not go on as after OK.
void FileDlgClose(App& app, FileDlg& dlg);

// Prepares the dialog as every open and save command does (caption, name from the current file
// name with the extension, the base name selected, pattern) and shows it modally.
FileDlg RunFileDlg(App& app, const std::string& caption, const std::string& ext, const std::string& pattern);

}  // namespace gw
