#include "text/Tr.h"

#if defined(__has_include)
#if __has_include(<libintl.h>) && !defined(_WIN32)
#include <libintl.h>
#define GW_HAVE_GETTEXT 1
#endif
#endif

namespace gw {

std::string Tr(const char* japanese) {
#ifdef GW_HAVE_GETTEXT
  return dgettext("gridwick", japanese);
#else
  return japanese;
#endif
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string out;
  out.reserve(pattern.size());
  for (size_t i = 0; i < pattern.size(); ++i) {
    // {N} with one digit; anything else, a lone brace included, is copied as it stands.
    if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9' &&
        pattern[i + 2] == '}') {
      size_t n = static_cast<size_t>(pattern[i + 1] - '1');
      if (n < values.size()) {
        out += *(values.begin() + n);
        i += 2;
        continue;
      }
    }
    out += pattern[i];
  }
  return out;
}

}  // namespace gw
