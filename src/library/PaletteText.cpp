#include "library/PaletteText.h"

#include <sstream>

#include "formats/PuzzleData.h"

namespace gw {

std::string PaletteText(const std::vector<Rgb>& palette) {
  std::string out;
  for (Rgb c : palette) out += (out.empty() ? "" : " ") + HexOf(c);
  return out;
}

std::vector<Rgb> PaletteFromText(const std::string& text) {
  std::vector<Rgb> out;
  std::istringstream in(text);
  std::string word;
  Rgb c = 0;
  while (in >> word)
    if (ParseHex(word, c)) out.push_back(c);
  return out;
}

}  // namespace gw
