#include "state/StorableText.h"

#include "Messages.h"
#include "text/Cp932.h"
#include "text/Utf8.h"
#include "text/Tr.h"

namespace gw {

std::string FirstUnstorableChar(const std::string& text) {
  if (EncodeCp932(text)) return "";
  for (char32_t c : ToU32(text)) {
    std::string one = FromCodePoint(c);
    if (!EncodeCp932(one)) return one;
  }
  return "";
}

InputResult InputStorableText(App& app, const std::string& prompt, const std::string& title,
                              const std::string& preset) {
  std::string shown = preset;
  while (true) {
    InputResult r = app.ui.InputBox(prompt, title, shown);
    if (r.cancelled) return r;
    std::string bad = FirstUnstorableChar(r.text);
    if (bad.empty()) return r;
    app.ui.MsgBox(Fill(Tr("「{1}」はファイルに保存できない文字です。"), {bad}) + CR + Tr("別の文字で入力してください。"),
                  MsgButtons::Ok, MsgIcon::Warning, 1, title);
    shown = r.text;
  }
}

}  // namespace gw
