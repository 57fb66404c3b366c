#include "state/Paths.h"

#include "Messages.h"
#include "system/Convert.h"
#include "system/FileError.h"
#include "system/FileSystem.h"
#include "text/Tr.h"

namespace gw {

std::string ChangeExt(const std::string& name, const std::string& ext) {
  size_t dot = name.find('.', NameStart(name));
  if (dot == std::string::npos) return name + "." + ext;
  return name.substr(0, dot) + "." + ext;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  // No folder means the current directory: an empty folder must never turn into the root.
  if (folder.empty()) return name;
  if (IsSeparator(folder.back())) return folder + name;
  return folder + kPathSeparator + name;
}

void ShowFileError(App& app, int number, int location, const std::string& place) {
  std::string text = NumText(static_cast<long long>(number)) + FileErrorText(number) + CR + "Line:" +
                     NumText(static_cast<long long>(location));
  app.ui.MsgBox(text, MsgButtons::Ok, MsgIcon::Warning, 1, Tr("エラー") + place);
}

}  // namespace gw
