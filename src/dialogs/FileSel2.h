#pragma once
#include <string>
#include <vector>

#include "App.h"
#include "text/Tr.h"
#include "dialogs/DialogButtons.h"

namespace gw {

inline constexpr const char* kFileSel2Caption = TrNoop("ファイルを開く２");

// The puzzle list "ファイルを開く２": every hint puzzle of the current directory.
struct FileSel2 : Dialog {
  DialogKind Kind() const override { return DialogKind::FileSel2; }

  std::string folder;                // Lbl(0): the current directory
  std::vector<std::string> entries;  // List1
  std::vector<std::string> files;    // the file name behind each entry, as it is on disk (OK and
                                     // details take it in lower case, as listed)
  int selected = -1;                 // index into entries, -1 for none
  FileDialogEnd end = FileDialogEnd::None;  // Opened or Refused by OK, or Cancelled
};

// The fixed notes Lbl(1), Lbl(2) and the button texts Cmd(0..2).
std::string FileSel2Note(int i);
std::string FileSel2Button(int i);

// One entry: lower-case name padded to 8, TAB, ☆ or U+3000, ◇ or U+3000, "(15×10／ 3色 )", title.
// A file whose head cannot be read shows name and marks and a note instead of size and title.
std::string PuzzleListEntry(const std::string& folder, const std::string& file);

void FileSel2Load(App& app, FileSel2& dlg);
// Fills the list with every .gwm, then every .gwc file, and preselects CurFileName.
void BuildPuzzleList(App& app, FileSel2& dlg);
void FileSel2Select(App& app, FileSel2& dlg, int index);
void FileSel2DoubleClick(App& app, FileSel2& dlg, int index);
// Cmd(i): 0 OK, 1 Cancel, 2 details.
void CmdClick(App& app, FileSel2& dlg, int i);
// Closing by the frame is a Cancel.
void FileSel2Close(App& app, FileSel2& dlg);

// Shows the list modally; how it ended.
FileDialogEnd RunFileSel2(App& app);

}  // namespace gw
