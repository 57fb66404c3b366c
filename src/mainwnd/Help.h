#pragma once
#include <string>

namespace gw {

struct HelpText {
  std::string title;
  std::string text;
};

// The usage help of a mode; its title is also the message box title.
HelpText BuildHelp(int mode);

}  // namespace gw
