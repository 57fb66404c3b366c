#pragma once
// Colours the text formats may give by name instead of by value.
#include <string>

#include "platform/Rgb.h"

namespace gw {

// A hex value ("#RRGGBB", "RRGGBB", "#RGB") or one of the common colour names; false otherwise.
bool ColorFromText(const std::string& text, Rgb& out);
// A colour for the n-th colour of a file that names its colours without values (n from 1).
Rgb FallbackColor(int n);

}  // namespace gw
