#pragma once
#include <string>

#include "App.h"
#include "text/Tr.h"

namespace gw {

// The application's title: a message box's title when it is given none, and on printed pages
// (translated where it is shown).
inline constexpr const char* kAppCaption = TrNoop("グリッドウィック");

// The line break inside a message box text.
inline constexpr const char* CR = "\r";

// A message box with the OK button and no icon; an empty title is the application's title.
void Msg(App& app, const std::string& text, const std::string& title = "");
MsgResult Ask(App& app, const std::string& text, MsgButtons buttons, MsgIcon icon = MsgIcon::None,
              int defaultButton = 1, const std::string& title = "");

}  // namespace gw
