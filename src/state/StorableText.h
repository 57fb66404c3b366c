#pragma once
#include <string>

#include "App.h"

namespace gw {

// The first character of `text` that code page 932 (the code page of every file the program
// writes) cannot hold, or "" when all of them fit.
std::string FirstUnstorableChar(const std::string& text);

// An input box whose reply will be written to a file: a reply holding a character the files cannot
// hold is refused at once with a message naming that character, and the same box is shown again
// with what was typed, so nothing is written with a text that does not fit. Cancel comes back as
// it is.
InputResult InputStorableText(App& app, const std::string& prompt, const std::string& title,
                              const std::string& preset);

}  // namespace gw
