#include "dialogs/FileSel2.h"

#include "dialogs/DialogButtons.h"
#include "system/Convert.h"
#include "system/Directory.h"
#include "system/FileError.h"
#include "system/FileSystem.h"
#include "text/Utf8.h"
#include "state/FileFormat.h"
#include "state/Paths.h"
#include "state/ProgressFiles.h"
#include "state/PuzzleFiles.h"
#include "text/Tr.h"

namespace gw {
namespace {

const char* const kIdeographicSpace = "\u3000";

std::string Mark(const std::string& folder, const std::string& base, const char* ext, const char* mark) {
  return FileExists(JoinPath(folder, base + ext)) ? mark : kIdeographicSpace;
}

// The summary part of an entry: "(15×10／ 3色 )" and the title.
std::string SummaryText(const std::string& path, bool mono) {
  try {
    PuzzleSummary s = ReadPuzzleSummary(path, mono);
    return Fill(Tr("({1}×{2}／{3}色 ){4}"), {DigitsText(s.XSize), DigitsText(s.YSize), NumText(s.Colours), s.Title});
  } catch (const FileError&) {
    return Tr("（読み込めません）");
  }
}

}  // namespace

std::string FileSel2Note(int i) {
  return i == 1 ? Tr("フォルダの移動は「ファイルを開く」でしてください。")
                : Tr("完成者がいれば☆，途中データ有りは◇のマークが付いてます。");
}

std::string FileSel2Button(int i) {
  switch (i) {
    case 0: return "OK";
    case 1: return Tr("ｷｬﾝｾﾙ");
    default: return Tr("詳しい情報");
  }
}

std::string PuzzleListEntry(const std::string& folder, const std::string& file) {
  std::string name = LowerAscii(file);
  int pad = 8 - CharCount(name);
  if (pad > 0) name += std::string(pad, ' ');
  std::string base = file.substr(0, file.find('.'));
  bool mono = LowerAscii(RightChars(file, 3)) == "gwc";
  return name + "\t" + Mark(folder, base, ".gwb", "☆") + Mark(folder, base, ".gwp", "◇") +
         SummaryText(JoinPath(folder, file), mono);
}

void FileSel2Load(App& app, FileSel2& dlg) {
  dlg.folder = CurrentDirectory();
  BuildPuzzleList(app, dlg);
}

void BuildPuzzleList(App& app, FileSel2& dlg) {
  app.ui.SetPointer(Pointer::Busy);
  dlg.entries.clear();
  dlg.files = ListFiles(dlg.folder, "*.gwm");
  for (const std::string& f : ListFiles(dlg.folder, "*.gwc")) dlg.files.push_back(f);
  dlg.selected = -1;
  std::string current = LowerAscii(app.document.CurFileName);
  for (size_t i = 0; i < dlg.files.size(); ++i) {
    dlg.entries.push_back(PuzzleListEntry(dlg.folder, dlg.files[i]));
    if (dlg.selected < 0 && !current.empty() && LowerAscii(dlg.files[i]) == current) dlg.selected = static_cast<int>(i);
  }
  app.ui.SetPointer(Pointer::Normal);
}

void FileSel2Select(App&, FileSel2& dlg, int index) {
  if (index >= 0 && index < static_cast<int>(dlg.entries.size())) dlg.selected = index;
}

void FileSel2DoubleClick(App& app, FileSel2& dlg, int index) {
  FileSel2Select(app, dlg, index);
  CmdClick(app, dlg, 0);
}

void CmdClick(App& app, FileSel2& dlg, int i) {
  if (PressCancel(app, dlg, i)) return;
  if (dlg.selected < 0 || dlg.selected >= static_cast<int>(dlg.files.size())) return;
  // The name the entry shows, in lower case: the file is found whatever the case on disk, and the
  // caption and the names of its progress and completer files follow what the list showed. The
  // whole name is taken, so a name with several dots opens too.
  std::string name = LowerAscii(dlg.files[dlg.selected]);
  std::string folder = dlg.folder;
  try {
    if (i == 2) {
      ShowFileInfo(app, folder, name);
      return;
    }
    dlg.end = OpenedEnd(OpenPuzzleFile(app, folder, name));
    app.ui.CloseDialog(dlg);
  } catch (const FileError& e) {
    ShowFileError(app, e.number(), e.line(), "Cmd" + name + folder);
  }
}

void FileSel2Close(App& app, FileSel2& dlg) { CmdClick(app, dlg, 1); }

FileDialogEnd RunFileSel2(App& app) {
  FileSel2 dlg;
  FileSel2Load(app, dlg);
  app.ui.ShowModal(dlg);
  return dlg.end;
}

}  // namespace gw
