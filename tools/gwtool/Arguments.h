#pragma once
// Numbers on gwtool's command line. Each is read whole and strictly: a value that is not a number,
// has anything after it or lies outside its range makes the command line bad (exit 5), so a typing
// slip is never taken for another value.
#include <cstdint>
#include <string>

namespace gw {

// The longest time limit any command takes: a script that asks for "inf" or 1e308 gets a bad
// command line instead of a run that never ends.
constexpr double kMaxLimitSeconds = 3600;

// A time limit in seconds: more than 0, at most kMaxLimitSeconds, finite.
bool ParseSeconds(const std::string& text, double& seconds);
// A whole decimal number from `low` to `high`.
bool ParseWhole(const std::string& text, long long low, long long high, long long& value);
// WxH with both sides from `low` to `high`.
bool ParseSize(const std::string& text, int low, int high, int& width, int& height);
// A seed from 0 to 4294967295.
bool ParseSeed(const std::string& text, std::uint32_t& seed);

}  // namespace gw
