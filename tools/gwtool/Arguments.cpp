#include "Arguments.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace gw {
namespace {

bool AllDigits(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

bool ParseSeconds(const std::string& text, double& seconds) {
  // Only plain decimals: strtod alone would also take "inf", "nan" and hexadecimal forms.
  bool point = false, digit = false;
  for (char c : text) {
    if (c == '.' && !point) point = true;
    else if (c >= '0' && c <= '9') digit = true;
    else return false;
  }
  if (!digit) return false;
  seconds = std::strtod(text.c_str(), nullptr);
  return std::isfinite(seconds) && seconds > 0 && seconds <= kMaxLimitSeconds;
}

bool ParseWhole(const std::string& text, long long low, long long high, long long& value) {
  // A sign only where the range has negatives (--learn-after -1), digits only after it.
  bool minus = low < 0 && text.starts_with('-');
  std::string digits = minus ? text.substr(1) : text;
  if (!AllDigits(digits) || digits.size() > 18) return false;
  value = std::strtoll(digits.c_str(), nullptr, 10);
  if (minus) value = -value;
  return value >= low && value <= high;
}

bool ParseSize(const std::string& text, int low, int high, int& width, int& height) {
  size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  long long w = 0, h = 0;
  if (!ParseWhole(text.substr(0, x), low, high, w) || !ParseWhole(text.substr(x + 1), low, high, h)) return false;
  width = int(w);
  height = int(h);
  return true;
}

bool ParseSeed(const std::string& text, std::uint32_t& seed) {
  long long v = 0;
  if (!ParseWhole(text, 0, 4294967295LL, v)) return false;
  seed = std::uint32_t(v);
  return true;
}

}  // namespace gw
