#include <windows.h>

#include "platform/Cp932.h"
#include "platform/WideText.h"

namespace gw {
namespace {

constexpr UINT kCodePage932 = 932;

}  // namespace

// MB_ERR_INVALID_CHARS makes an undecodable byte, or a lead byte cut off at the end, an error
// instead of a substituted character.
std::optional<std::string> SystemDecodeCp932(const std::string& bytes) {
  if (bytes.empty()) return std::string();
  int size = static_cast<int>(bytes.size());
  int n = ::MultiByteToWideChar(kCodePage932, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (n <= 0) return std::nullopt;
  std::wstring wide(static_cast<size_t>(n), L'\0');
  ::MultiByteToWideChar(kCodePage932, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), n);
  return TryFromWide(wide);
}

// WC_NO_BEST_FIT_CHARS keeps the API from writing a look-alike for a character the code page
// lacks; such a character comes out as the default character instead, which `usedDefault` reports.
std::optional<std::string> SystemEncodeCp932(const std::string& utf8) {
  std::optional<std::wstring> wide = TryToWide(utf8);
  if (!wide) return std::nullopt;
  if (wide->empty()) return std::string();
  int size = static_cast<int>(wide->size());
  BOOL usedDefault = FALSE;
  int n = ::WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, wide->data(), size, nullptr, 0, nullptr,
                                &usedDefault);
  if (n <= 0 || usedDefault) return std::nullopt;
  std::string out(static_cast<size_t>(n), '\0');
  ::WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, wide->data(), size, out.data(), n, nullptr, &usedDefault);
  if (usedDefault) return std::nullopt;
  return out;
}

}  // namespace gw
