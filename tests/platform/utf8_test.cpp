#include <gtest/gtest.h>
#ifdef _WIN32
#include "text/WideText.h"
#else
#include <iconv.h>
#endif

#include <random>

#include "text/Utf8.h"

namespace gw {
namespace {

// A byte that starts no well-formed sequence is one character, and never swallows the bytes
// after it: the extension of a name in another encoding is read as it is.
TEST(Utf8, EachByteOfABadSequenceIsOneCharacter) {
  struct Case {
    const char* bytes;
    int chars;
    const char* lastThree;
  } cases[] = {
      {"\xE9.gwm", 5, "gwm"},           // Latin-1 é: a lead byte followed by no continuation
      {"caf\xE9.gwc", 8, "gwc"},
      {"\xC0\xAF.gwm", 6, "gwm"},       // overlong "/"
      {"\xED\xA0\x80.gwm", 7, "gwm"},   // a surrogate
      {"\xF4\x90\x80\x80x", 5, "\xEF\xBF\xBD\xEF\xBF\xBDx"},  // beyond U+10FFFF
      {"a\xE3\x81", 3, "a\xE3\x81"},  // cut off at the end: a short text comes back as it is
      {"ねこ.gwm", 6, "gwm"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CharCount(c.bytes), c.chars) << c.bytes;
    EXPECT_EQ(RightChars(c.bytes, 3), c.lastThree) << c.bytes;
  }
  EXPECT_EQ(ValidUtf8("\xE9.gwm"), "\xEF\xBF\xBD.gwm");
}

// The system's own UTF-8 decoder: glibc's iconv, or the Windows API's (the one file names pass).
bool IconvAccepts(const std::string& bytes) {
#ifdef _WIN32
  return TryToWide(bytes).has_value();
#else
  iconv_t cd = iconv_open("UTF-32LE", "UTF-8");
  std::string in = bytes;
  std::string out(bytes.size() * 4 + 4, '\0');
  char* inp = in.data();
  char* outp = out.data();
  size_t inLeft = in.size(), outLeft = out.size();
  size_t r = iconv(cd, &inp, &inLeft, &outp, &outLeft);
  iconv_close(cd);
  return r != static_cast<size_t>(-1) && inLeft == 0;
#endif
}

// Against glibc's decoder on random short byte strings biased towards UTF-8 lead and
// continuation bytes: a string is left as it is exactly when it is well-formed, and what comes
// out is always well-formed.
TEST(Utf8, AgreesWithIconvOnWhatIsWellFormed) {
  std::mt19937 rng(11);
  const unsigned char pool[] = {'a', '.', 0x80, 0x8F, 0xA0, 0xBF, 0xC2, 0xC0, 0xDF, 0xE0,
                                0xE3, 0xED, 0xEF, 0xF0, 0xF4, 0xF5, 0xFF, 0x90};
  for (int round = 0; round < 20000; ++round) {
    std::string s;
    int length = static_cast<int>(rng() % 6);
    for (int i = 0; i < length; ++i) s += static_cast<char>(pool[rng() % sizeof pool]);
    std::string valid = ValidUtf8(s);
    ASSERT_EQ(valid == s, IconvAccepts(s)) << "bytes of length " << s.size() << " in round " << round;
    ASSERT_TRUE(IconvAccepts(valid));
  }
}

}  // namespace
}  // namespace gw
