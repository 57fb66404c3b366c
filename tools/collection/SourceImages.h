#pragma once
// The collection's images, taken from the Debian packages that hold them: a Tango icon as it is
// drawn at one of its sizes, or a Noto emoji drawn from the font's own bitmaps. Each is cut to
// the box of its opaque pixels, so that the board frames the picture and not its margins.
#include <string>

#include "Catalog.h"

namespace gw::collection {

struct SourceFolders {
  std::string tango = "/usr/share/icons/Tango";
  std::string emojiFont = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf";
};

// Writes the entry's image as a PNG; false with the reason in `error`.
bool FetchImage(const Entry& e, const SourceFolders& from, const std::string& pngPath, std::string& error);

}  // namespace gw::collection
