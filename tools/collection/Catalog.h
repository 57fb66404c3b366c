#pragma once
// The list the collection is made from: one puzzle a line, with the image it comes from, the size
// and number of colours the conversion is asked for, and its Japanese title.
#include <string>
#include <vector>

namespace gw::collection {

struct Entry {
  std::string name;    // the file names: images/NAME.png, NAME.xml
  std::string source;  // "tango:PATH" under the Tango theme, or "emoji:HEX[-HEX...]" code points
  int longSide = 0;    // cells along the image's longer side
  int colors = 0;      // 1 (monochrome) .. 6
  std::string title;
  int line = 0;        // where it stands in the list, for messages
};

// Lines of tab-separated fields "name source size colours title"; '#' starts a comment line.
// Throws std::runtime_error naming the line of the first bad entry.
std::vector<Entry> ReadCatalog(const std::string& path);

// Where the image came from, as the puzzle's author line and the collection's README credit it.
std::string SourceCredit(const Entry& e);

}  // namespace gw::collection
