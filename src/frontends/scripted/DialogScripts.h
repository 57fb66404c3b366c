#pragma once
#include <string>

#include "App.h"
#include "frontends/scripted/ScriptedPlatform.h"

namespace gw {

// What OPEN and SHOW print for a dialog (after the word OPEN or SHOW): its name and fields, then,
// for the dialogs with lists, one more line per entry.
std::string DescribeDialog(const Dialog& dialog);
// Applies one queued step to the open dialog; throws ScriptError for a step it does not know.
void ApplyDialogStep(App& app, ScriptedPlatform& ui, Dialog& dialog, const ScriptStep& step);

// One pair per dialog, each in the file of its dialog.
std::string DescribeModecg(const Dialog& dialog);
void ApplyModecgStep(App& app, Dialog& dialog, const ScriptStep& step);
std::string DescribeSizein(const Dialog& dialog);
void ApplySizeinStep(App& app, Dialog& dialog, const ScriptStep& step);
std::string DescribeFileDlg(const Dialog& dialog);
void ApplyFileDlgStep(App& app, Dialog& dialog, const ScriptStep& step);
std::string DescribeFileSel2(const Dialog& dialog);
void ApplyFileSel2Step(App& app, Dialog& dialog, const ScriptStep& step);
std::string DescribeCust(const Dialog& dialog);
void ApplyCustStep(App& app, Dialog& dialog, const ScriptStep& step);
std::string DescribeInsatu(const Dialog& dialog);
void ApplyInsatuStep(App& app, Dialog& dialog, const ScriptStep& step);
std::string DescribeImportImage(const Dialog& dialog);
void ApplyImportImageStep(App& app, Dialog& dialog, const ScriptStep& step);
std::string DescribeNewPuzzle(const Dialog& dialog);
void ApplyNewPuzzleStep(App& app, Dialog& dialog, const ScriptStep& step);

// A step word that needs a number: its value, or a ScriptError naming the step.
int StepNumber(const ScriptStep& step, size_t index);

}  // namespace gw
