#pragma once
#include <string>

namespace gw {

// Text in double quotes with the escapes of scenario scripts: \r, \t, \n, \" and \\.
std::string Quote(const std::string& text);
// A number with at most 3 decimals and no trailing zeros.
std::string FormatNum(double value);

}  // namespace gw
