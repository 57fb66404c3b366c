#include "PathFilter.h"

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

void PathFilter::FlushLine() {
  std::string out = line_;
  if (relative_ && start_.size() > 1) {
    out.clear();
    size_t at = 0;
    for (size_t hit; (hit = line_.find(start_, at)) != std::string::npos;) {
      size_t end = hit + start_.size();
      bool whole = end >= line_.size() || !ContinuesName(line_[end]);
      out += line_.substr(at, hit - at) + (whole ? "." : start_);
      at = end;
    }
    out += line_.substr(at);
  }
  target_->sputn(out.data(), static_cast<std::streamsize>(out.size()));
  line_.clear();
}

}  // namespace gw
