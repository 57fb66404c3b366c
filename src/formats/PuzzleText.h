#pragma once
// A puzzle given as text (the clipboard, standard input) instead of a file: the format is told by
// what the text holds, since there is no extension to go by. Every format the readers take is
// recognised: webpbn XML, .non, Olšák .g, a pattern game ID, and the program's own .gwm, .gwc,
// .gwk and .gwa.
#include <optional>
#include <string>

#include "formats/PuzzleData.h"
#include "platform/Rgb.h"

namespace gw {

// The readers' own limit for foreign files: a longer text is refused unread.
inline constexpr std::size_t kMaxPuzzleTextBytes = 4u << 20;

struct TextPuzzle {
  // The format the text was taken for (".non", "ゲーム ID", …); empty when it has the shape of
  // none of them.
  std::string format;
  std::optional<PuzzleData> puzzle;
  // Why it was not read (the reader's own message), when it was not.
  std::string why;
};

// `text` is UTF-8, or the bytes of a file in code page 932. The program's own formats map their
// palette through `table`.
TextPuzzle ReadPuzzleText(const std::string& text, const Rgb table[32]);

}  // namespace gw
