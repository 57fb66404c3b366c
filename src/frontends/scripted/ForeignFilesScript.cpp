// The scripted side of import and export: the desktop file dialog answered from the script, the
// image dialog and the new-puzzle dialog described and stepped like the program's own dialogs.
#include "pictures/PuzzleGenerator.h"
#include "dialogs/ImportImage.h"
#include "dialogs/NewPuzzle.h"
#include "frontends/scripted/DialogScripts.h"
#include "frontends/scripted/ScriptText.h"

namespace gw {

SystemFileChoice ScriptedPlatform::ChooseSystemFile(bool save, const std::string& title,
                                                    const std::vector<std::string>& filters) {
  std::string head = std::string("SYSFILE ") + (save ? "save" : "open") + " title=" + Quote(title);
  for (size_t i = 0; i < filters.size(); ++i) head += " filter" + std::to_string(i) + "=" + Quote(filters[i]);
  auto step = Take(files_);
  if (!step) {
    out_ << head << "\n";
    throw ScriptError("the desktop file dialog appeared with no sysfile answer queued");
  }
  if (step->cancel) {
    out_ << head << " -> cancel\n";
    return {};
  }
  SystemFileChoice choice{step->words.at(0), step->words.size() > 1 ? StepNumber(*step, 1) : 0};
  out_ << head << " -> " << Quote(choice.path) << " filter=" << choice.filter << "\n";
  return choice;
}

ImageLoad ScriptedPlatform::LoadImage(const std::string& path, ImagePixels& out) {
  ImageLoad read = decode_ ? decode_(path, out) : ImageLoad::Unreadable;
  out_ << "IMAGE " << Quote(path);
  if (read == ImageLoad::Read) out_ << " " << out.width << "x" << out.height << "\n";
  else if (read == ImageLoad::TooLarge) out_ << " too-large\n";
  else out_ << (read == ImageLoad::Truncated ? " truncated\n" : " unreadable\n");
  return read;
}

bool ScriptedPlatform::SaveSheetPng(const SheetDrawing& sheet, const std::string& path) {
  bool written = !writePng_ || writePng_(sheet, path);
  out_ << "PNG " << Quote(path) << " " << sheet.width << "x" << sheet.height << " shapes=" << sheet.shapes.size()
       << (written ? "" : " failed") << "\n";
  return written;
}

std::string DescribeImportImage(const Dialog& dialog) {
  const auto& dlg = static_cast<const ImportImage&>(dialog);
  const PuzzleData& p = dlg.preview;
  std::string text = "ImportImage file=" + Quote(dlg.fileName) + " size=" + std::to_string(dlg.longSide) +
                     " colors=" + std::to_string(dlg.colors) + " board=" + std::to_string(p.width) + "x" +
                     std::to_string(p.height) + " verdict=" + Quote(dlg.verdict);
  for (int k = 0; k <= p.ColorCount(); ++k) text += " c" + std::to_string(k) + "=" + HexOf(p.colors[k].rgb);
  for (const auto& row : p.solution) {
    text += "\n  ";
    for (int c : row) text += c == 0 ? '.' : char('0' + c);
  }
  return text;
}

void ApplyImportImageStep(App& app, Dialog& dialog, const ScriptStep& step) {
  auto& dlg = static_cast<ImportImage&>(dialog);
  const std::string& w = step.words.at(0);
  if (w == "size") ImportImageSetSize(app, dlg, StepNumber(step, 1));
  else if (w == "colors") ImportImageSetColors(app, dlg, StepNumber(step, 1));
  else if (w == "ok") ImportImageOk(app, dlg);
  else if (w == "cancel") ImportImageCancel(app, dlg);
  else throw ScriptError("unknown importimage step " + w);
}

std::string DescribeNewPuzzle(const Dialog& dialog) {
  const auto& dlg = static_cast<const NewPuzzle&>(dialog);
  return "NewPuzzle size=" + std::to_string(dlg.width) + "x" + std::to_string(dlg.height) + " colors=" +
         std::to_string(dlg.colors) + " difficulty=" + DifficultyName(dlg.difficulty) + " seed=" + Quote(dlg.seed);
}

void ApplyNewPuzzleStep(App& app, Dialog& dialog, const ScriptStep& step) {
  auto& dlg = static_cast<NewPuzzle&>(dialog);
  const std::string& w = step.words.at(0);
  if (w == "size") {
    dlg.width = StepNumber(step, 1);
    dlg.height = StepNumber(step, 2);
  } else if (w == "colors") {
    dlg.colors = StepNumber(step, 1);
  } else if (w == "difficulty") {
    if (!DifficultyFromName(step.words.at(1), dlg.difficulty))
      throw ScriptError("difficulty is line, probe or search, not " + step.words.at(1));
  } else if (w == "seed") {
    dlg.seed = step.words.at(1);
  } else if (w == "ok") {
    NewPuzzleOk(app, dlg);
  } else if (w == "cancel") {
    NewPuzzleCancel(app, dlg);
  } else {
    throw ScriptError("unknown newpuzzle step " + w);
  }
}

}  // namespace gw
