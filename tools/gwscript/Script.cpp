#include "Script.h"

namespace gw {

bool SplitWords(const std::string& line, std::vector<Word>& words, std::string& why) {
  words.clear();
  size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t') {
      ++i;
      continue;
    }
    Word w;
    if (line[i] != '"') {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t') w.text += line[i++];
      words.push_back(std::move(w));
      continue;
    }
    w.quoted = true;
    ++i;
    bool closed = false;
    while (i < line.size()) {
      char c = line[i++];
      if (c == '"') {
        closed = true;
        break;
      }
      if (c != '\\' || i >= line.size()) {
        w.text += c;
        continue;
      }
      char e = line[i++];
      switch (e) {
        case 'r': w.text += '\r'; break;
        case 't': w.text += '\t'; break;
        case 'n': w.text += '\n'; break;
        case '"': w.text += '"'; break;
        case '\\': w.text += '\\'; break;
        default: w.text += '\\'; w.text += e; break;
      }
    }
    if (!closed) {
      why = "unterminated quote";
      return false;
    }
    words.push_back(std::move(w));
  }
  return true;
}

}  // namespace gw
