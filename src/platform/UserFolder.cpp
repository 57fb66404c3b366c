#include "platform/UserFolder.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/FileError.h"

namespace gw {
namespace {

namespace fs = std::filesystem;

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

[[noreturn]] void Fail(const std::error_code& ec) { throw FileError(FileErrorFromErrno(ec.value())); }

}  // namespace

std::string UserPuzzleFolder() {
  std::string data = Env("XDG_DATA_HOME");
  if (data.empty() || data[0] != '/') {
    std::string home = Env("HOME");
    if (home.empty()) return "";
    data = home + "/.local/share";
  }
  return data + "/gridwick/puzzles";
}

void PrepareUserFolder(const std::string& folder, const std::string& samples) {
  std::error_code ec;
  if (fs::is_directory(folder, ec)) return;
  // Filled aside and then renamed into place, so that a start interrupted half-way is not taken
  // for a folder the player emptied.
  fs::path target(folder);
  fs::create_directories(target.parent_path(), ec);
  if (ec) Fail(ec);
  fs::path filling = target.parent_path() / (".filling-" + target.filename().string());
  fs::remove_all(filling, ec);
  fs::create_directory(filling, ec);
  if (ec) Fail(ec);
  for (const fs::directory_entry& e : fs::directory_iterator(samples, ec)) {
    if (!e.is_regular_file()) continue;
    fs::copy_file(e.path(), filling / e.path().filename(), ec);
    if (ec) break;
  }
  if (!ec) fs::rename(filling, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove_all(filling, ignored);
    Fail(ec);
  }
}

}  // namespace gw
