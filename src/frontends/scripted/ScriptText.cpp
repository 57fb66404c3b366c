#include "frontends/scripted/ScriptText.h"

#include <cmath>
#include <cstdio>

namespace gw {

std::string Quote(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      default: out += c;
    }
  }
  return out + "\"";
}

std::string FormatNum(double value) {
  double rounded = std::round(value * 1000.0) / 1000.0;
  if (rounded == 0) rounded = 0;  // no "-0"
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.3f", rounded);
  std::string t = buf;
  while (!t.empty() && t.back() == '0') t.pop_back();
  if (!t.empty() && t.back() == '.') t.pop_back();
  return t;
}

}  // namespace gw
