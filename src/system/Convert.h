#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace gw {

// The leading numeric part of a text: blanks skipped, an optional sign, digits, an optional
// decimal point with digits. A text without one gives 0.
double Val(const std::string& text);

// The nearest integer, halves to the even neighbour (7.5 -> 8, 6.5 -> 6). Values beyond the range
// of long long saturate.
long long RoundHalfEven(double value);

// The 16-bit integer a rounded value fits in, or nothing when it overflows.
std::optional<std::int16_t> ToInt16(double value);

// A number's text with a blank in place of the sign for values of 0 and above: " 5", "-5".
std::string NumText(long long value);
inline std::string NumText(int value) { return NumText(static_cast<long long>(value)); }
// The same for a decimal value, with no trailing zeros: " 62.5", " 100", "-0.25".
std::string NumText(double value);
// A number's decimal digits with its sign but no blank: "5", "-5".
std::string DigitsText(long long value);

// Today's date of the local calendar as mm-dd-yyyy.
std::string TodayText();

}  // namespace gw
