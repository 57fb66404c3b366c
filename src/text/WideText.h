#pragma once
#include <optional>
#include <string>

namespace gw {

// UTF-8 and UTF-16 (the Windows API's wide strings). Strict: invalid UTF-8 or a lone surrogate gives
// nothing from the Try forms; ToWide and FromWide put U+FFFD in place of what does not convert, for
// names that are only shown or looked up.
std::optional<std::wstring> TryToWide(const std::string& utf8);
std::optional<std::string> TryFromWide(const std::wstring& wide);
std::wstring ToWide(const std::string& utf8);
std::string FromWide(const std::wstring& wide);

}  // namespace gw
