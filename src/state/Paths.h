#pragma once
#include <string>

#include "App.h"

namespace gw {

// name with its extension replaced: everything before the first "." of the file-name part, ".",
// ext; a "." in a folder name never counts.
std::string ChangeExt(const std::string& name, const std::string& ext);
// folder & name, with one folder separator between them.
std::string JoinPath(const std::string& folder, const std::string& name);
// The warning box for a file error: " 53ファイルが見つかりません。" CR "Line: 0", titled
// "エラー" & place.
void ShowFileError(App& app, int number, int location, const std::string& place);

}  // namespace gw
