#include <windows.h>

#include "text/WideText.h"

namespace gw {
namespace {

std::optional<std::wstring> Widen(const std::string& utf8, DWORD flags) {
  if (utf8.empty()) return std::wstring();
  int n = ::MultiByteToWideChar(CP_UTF8, flags, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  if (n <= 0) return std::nullopt;
  std::wstring out(static_cast<size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_UTF8, flags, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
  return out;
}

std::optional<std::string> Narrow(const std::wstring& wide, DWORD flags) {
  if (wide.empty()) return std::string();
  int n = ::WideCharToMultiByte(CP_UTF8, flags, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  if (n <= 0) return std::nullopt;
  std::string out(static_cast<size_t>(n), '\0');
  ::WideCharToMultiByte(CP_UTF8, flags, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
  return out;
}

}  // namespace

std::optional<std::wstring> TryToWide(const std::string& utf8) { return Widen(utf8, MB_ERR_INVALID_CHARS); }
std::optional<std::string> TryFromWide(const std::wstring& wide) { return Narrow(wide, WC_ERR_INVALID_CHARS); }
std::wstring ToWide(const std::string& utf8) { return Widen(utf8, 0).value_or(std::wstring()); }
std::string FromWide(const std::wstring& wide) { return Narrow(wide, 0).value_or(std::string()); }

}  // namespace gw
