#include "system/Convert.h"

#include "system/NativeFiles.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace gw {

double Val(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digitsStart = i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
  bool intDigits = i > digitsStart;
  bool fracDigits = false;
  if (i < text.size() && text[i] == '.') {
    size_t f = i + 1;
    while (f < text.size() && text[f] >= '0' && text[f] <= '9') ++f;
    fracDigits = f > i + 1;
    if (fracDigits || intDigits) i = f;
  }
  if (!intDigits && !fracDigits) return 0;
  return std::strtod(text.substr(start, i - start).c_str(), nullptr);
}

long long RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kLimit = 9.2e18;
  if (value >= kLimit) return std::numeric_limits<long long>::max();
  if (value <= -kLimit) return std::numeric_limits<long long>::min();
  double r = std::nearbyint(value);  // the default rounding mode rounds halves to even
  return static_cast<long long>(r);
}

std::optional<std::int16_t> ToInt16(double value) {
  long long r = RoundHalfEven(value);
  if (r < std::numeric_limits<std::int16_t>::min() || r > std::numeric_limits<std::int16_t>::max())
    return std::nullopt;
  return static_cast<std::int16_t>(r);
}

std::string NumText(long long value) {
  return (value >= 0 ? " " : "") + std::to_string(value);
}

std::string NumText(double value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.10g", value);
  std::string t = buf;
  if (t == "-0") t = "0";
  return (value >= 0 || t == "0" ? " " : "") + t;
}

std::string DigitsText(long long value) { return std::to_string(value); }

std::string TodayText() {
  std::tm local = LocalTimeNow();
  char buf[40];
  std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", local.tm_mon + 1, local.tm_mday,
                local.tm_year + 1900);
  return buf;
}

}  // namespace gw
