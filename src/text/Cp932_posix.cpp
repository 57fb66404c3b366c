#include <iconv.h>

#include "text/Cp932.h"

namespace gw {
namespace {

std::optional<std::string> Convert(const char* to, const char* from, const std::string& in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(in.size() * 4 + 8, '\0');
  char* inPtr = const_cast<char*>(in.data());
  size_t inLeft = in.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  bool ok = r != static_cast<size_t>(-1) && inLeft == 0;
  // glibc counts irreversible conversions in r; those are substitutions, which strict reading
  // must not accept either.
  if (ok && r != 0) ok = false;
  if (ok) ok = iconv(cd, nullptr, nullptr, &outPtr, &outLeft) != static_cast<size_t>(-1);
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace

std::optional<std::string> SystemDecodeCp932(const std::string& bytes) { return Convert("UTF-8", "CP932", bytes); }

std::optional<std::string> SystemEncodeCp932(const std::string& utf8) { return Convert("CP932", "UTF-8", utf8); }

}  // namespace gw
