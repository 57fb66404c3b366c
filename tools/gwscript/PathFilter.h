#pragma once
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

namespace gw {

// An addition to the runner: the command `paths relative` prints every path under the folder the
// run started in relative to it ("." for the folder itself, "./sub/a.gwm" below it), so that
// expected outputs do not hold the temporary folder a scenario runs in. `paths absolute` ends it.
// The part after the folder is written with "/" on every system, so one expected output serves
// Windows too.
class PathFilter : public std::streambuf {
 public:
  PathFilter(std::ostream& target, std::string startFolder);
  std::ostream& stream() { return stream_; }
  void SetRelative(bool on) { relative_ = on; }

 protected:
  int overflow(int c) override;
  std::streamsize xsputn(const char* s, std::streamsize n) override;
  int sync() override;

 private:
  void FlushLine();
  std::vector<std::string> Spellings() const;
  size_t CopyRest(const std::string& separator, size_t at, std::string& out) const;

  std::streambuf* target_;
  std::string start_;
  std::string line_;
  bool relative_ = false;
  std::ostream stream_;
};

}  // namespace gw
