#pragma once
// Paths travel through the program as UTF-8 in std::string; std::filesystem speaks char8_t.
#include <filesystem>
#include <string>

namespace gw {

inline std::filesystem::path PathOf(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string PathText(const std::filesystem::path& path) {
  std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace gw
