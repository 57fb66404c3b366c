#include "Messages.h"

namespace gw {

void Msg(App& app, const std::string& text, const std::string& title) {
  app.ui.MsgBox(text, MsgButtons::Ok, MsgIcon::None, 1, title);
}

MsgResult Ask(App& app, const std::string& text, MsgButtons buttons, MsgIcon icon,
              int defaultButton, const std::string& title) {
  return app.ui.MsgBox(text, buttons, icon, defaultButton, title);
}

}  // namespace gw
