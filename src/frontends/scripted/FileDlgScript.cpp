#include <algorithm>

#include "dialogs/FileDlg.h"
#include "frontends/scripted/DialogScripts.h"
#include "frontends/scripted/ScriptText.h"

namespace gw {

std::string DescribeFileDlg(const Dialog& dialog) {
  const auto& dlg = static_cast<const FileDlg&>(dialog);
  std::string text = "FileDlg caption=" + Quote(dlg.caption) + " name=" + Quote(dlg.name) +
                     " selected=" + std::to_string(dlg.selStart) + "-" + std::to_string(dlg.selEnd) +
                     " pattern=" + Quote(dlg.pattern) + " folder=" + Quote(dlg.folder);
  for (const std::string& f : dlg.files) text += "\nENTRY " + Quote(f);
  return text;
}

namespace {

const std::string& ListedFile(const FileDlg& dlg, const std::string& name) {
  auto it = std::find(dlg.files.begin(), dlg.files.end(), name);
  if (it == dlg.files.end()) throw ScriptError("no file " + name + " in the file list");
  return *it;
}

}  // namespace

void ApplyFileDlgStep(App& app, Dialog& dialog, const ScriptStep& step) {
  auto& dlg = static_cast<FileDlg&>(dialog);
  const std::string& w = step.words.at(0);
  if (w == "name") FileDlgNameChange(app, dlg, step.words.at(1));
  else if (w == "pick") FileDlgFileClick(app, dlg, ListedFile(dlg, step.words.at(1)));
  else if (w == "double") FileDlgFileDoubleClick(app, dlg, ListedFile(dlg, step.words.at(1)));
  else if (w == "folder") FileDlgFolderChange(app, dlg, step.words.at(1));
  else if (w == "drive") FileDlgDriveChange(app, dlg, step.words.at(1));
  else if (w == "ok") CmdClick(app, dlg, 0);
  else if (w == "cancel") CmdClick(app, dlg, 1);
  else if (w == "details") CmdClick(app, dlg, 2);
  else throw ScriptError("unknown filedlg step " + w);
}

}  // namespace gw
