#include "PathFilter.h"

#include "system/FileSystem.h"

namespace gw {
namespace {

bool ContinuesName(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '_' ||
         c == '-' || static_cast<unsigned char>(c) >= 0x80;
}

}  // namespace

PathFilter::PathFilter(std::ostream& target, std::string startFolder)
    : target_(target.rdbuf()), start_(std::move(startFolder)), stream_(this) {}

int PathFilter::overflow(int c) {
  if (c == traits_type::eof()) return traits_type::not_eof(c);
  line_ += static_cast<char>(c);
  if (c == '\n') FlushLine();
  return c;
}

std::streamsize PathFilter::xsputn(const char* s, std::streamsize n) {
  for (std::streamsize i = 0; i < n; ++i) overflow(static_cast<unsigned char>(s[i]));
  return n;
}

int PathFilter::sync() {
  FlushLine();
  return target_->pubsync();
}

// The start folder as the runner prints it: as it is, and inside a quoted text, where each "\" is
// written "\\".
std::vector<std::string> PathFilter::Spellings() const {
  std::string quoted;
  for (char c : start_) quoted += c == '\\' ? std::string("\\\\") : std::string(1, c);
  if (quoted == start_) return {start_};
  return {quoted, start_};
}

// After the start folder, the rest of the path is written with "/" between its parts on every
// system ("./sub/a.gwm"), whichever separator the system printed ("\", written "\\" in quotes).
size_t PathFilter::CopyRest(const std::string& separator, size_t at, std::string& out) const {
  while (at < line_.size()) {
    if (line_.compare(at, separator.size(), separator) == 0) {
      out += '/';
      at += separator.size();
    } else if (ContinuesName(line_[at]) || line_[at] == ' ' || line_[at] == '/') {
      out += line_[at++];
    } else {
      break;
    }
  }
  return at;
}

void PathFilter::FlushLine() {
  std::string out = line_;
  if (relative_ && start_.size() > 1) {
    out.clear();
    std::vector<std::string> spellings = Spellings();
    size_t at = 0;
    while (at < line_.size()) {
      size_t hit = std::string::npos;
      const std::string* found = nullptr;
      for (const std::string& s : spellings) {
        size_t h = line_.find(s, at);
        if (h < hit) hit = h, found = &s;
      }
      if (!found) break;
      size_t end = hit + found->size();
      out += line_.substr(at, hit - at);
      if (end < line_.size() && ContinuesName(line_[end])) {
        out += *found;  // only a part of a longer name
        at = end;
        continue;
      }
      out += ".";
      std::string separator = found->size() == start_.size() ? std::string(1, kPathSeparator)
                                                             : std::string(2, kPathSeparator);
      at = CopyRest(separator, end, out);
    }
    out += line_.substr(at);
  }
  target_->sputn(out.data(), static_cast<std::streamsize>(out.size()));
  line_.clear();
}

}  // namespace gw
