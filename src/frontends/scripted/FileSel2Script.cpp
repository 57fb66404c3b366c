#include "dialogs/FileSel2.h"
#include "frontends/scripted/DialogScripts.h"
#include "frontends/scripted/ScriptText.h"
#include "text/Utf8.h"

namespace gw {

std::string DescribeFileSel2(const Dialog& dialog) {
  const auto& dlg = static_cast<const FileSel2&>(dialog);
  std::string text = "FileSel2 folder=" + Quote(dlg.folder);
  for (size_t i = 0; i < dlg.entries.size(); ++i)
    text += std::string("\nENTRY") + (static_cast<int>(i) == dlg.selected ? "* " : " ") + Quote(dlg.entries[i]);
  return text;
}

namespace {

// The entry of a file, found by its name ignoring case as the list shows it in lower case.
int EntryOf(const FileSel2& dlg, const std::string& name) {
  for (size_t i = 0; i < dlg.files.size(); ++i)
    if (EqualsIgnoringCase(dlg.files[i], name)) return static_cast<int>(i);
  throw ScriptError("no entry " + name + " in the puzzle list");
}

}  // namespace

void ApplyFileSel2Step(App& app, Dialog& dialog, const ScriptStep& step) {
  auto& dlg = static_cast<FileSel2&>(dialog);
  const std::string& w = step.words.at(0);
  if (w == "select") FileSel2Select(app, dlg, EntryOf(dlg, step.words.at(1)));
  else if (w == "double") FileSel2DoubleClick(app, dlg, EntryOf(dlg, step.words.at(1)));
  else if (w == "ok") CmdClick(app, dlg, 0);
  else if (w == "cancel") CmdClick(app, dlg, 1);
  else if (w == "details") CmdClick(app, dlg, 2);
  else throw ScriptError("unknown filesel2 step " + w);
}

}  // namespace gw
