#include <windows.h>

#include "text/Cp932.h"
#include "text/WideText.h"

namespace gw {
namespace {

constexpr UINT kCodePage932 = 932;

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// The one place the Windows table and glibc's differ: Windows takes a lone byte 0x80 for U+0080 and
// back. glibc refuses both, and a file must read and write alike on every system, so both are
// refused here too.
bool HasLone80(const std::string& bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (IsLeadByte(c)) ++i;
    else if (c == 0x80) return true;
  }
  return false;
}

}  // namespace

// MB_ERR_INVALID_CHARS makes an undecodable byte, or a lead byte cut off at the end, an error
// instead of a substituted character.
std::optional<std::string> SystemDecodeCp932(const std::string& bytes) {
  if (bytes.empty()) return std::string();
  if (HasLone80(bytes)) return std::nullopt;
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
  if (!wide || wide->find(L'\x80') != std::wstring::npos) return std::nullopt;
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
