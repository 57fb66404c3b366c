#pragma once
#include <string>
#include <vector>

namespace gw {

struct Word {
  std::string text;
  bool quoted = false;
};

// Splits a script line into words: blanks separate them, double quotes hold blanks, and inside
// quotes \r, \t, \" and \\ are escapes. Returns false (with `why`) for an unterminated quote.
bool SplitWords(const std::string& line, std::vector<Word>& words, std::string& why);

}  // namespace gw
