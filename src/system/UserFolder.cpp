#include "system/UserFolder.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "system/FileError.h"
#ifdef _WIN32
#include "text/WideText.h"
#endif

namespace gw {
namespace {

namespace fs = std::filesystem;

[[maybe_unused]] std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

[[noreturn]] void Fail(const std::error_code& ec) { throw FileError(FileErrorFromErrno(ec.value())); }

}  // namespace

std::string UserPuzzleFolder() {
#ifdef _WIN32
  // The user's application data (%APPDATA%), read as UTF-16 so that any user name works.
  const wchar_t* appData = _wgetenv(L"APPDATA");
  return appData && *appData ? FromWide(appData) + "\\Gridwick\\puzzles" : "";
#else
  std::string data = Env("XDG_DATA_HOME");
  if (data.empty() || data[0] != '/') {
    std::string home = Env("HOME");
    if (home.empty()) return "";
    data = home + "/.local/share";
  }
  return data + "/gridwick/puzzles";
#endif
}

void PrepareUserFolder(const std::string& folder, const std::string& samples) {
  std::error_code ec;
  if (fs::is_directory(fs::u8path(folder), ec)) return;
  // Filled aside and then renamed into place, so that a start interrupted half-way is not taken
  // for a folder the player emptied.
  fs::path target = fs::u8path(folder);
  fs::create_directories(target.parent_path(), ec);
  if (ec) Fail(ec);
  fs::path filling = target.parent_path() / (".filling-" + target.filename().string());
  fs::remove_all(filling, ec);
  fs::create_directory(filling, ec);
  if (ec) Fail(ec);
  for (const fs::directory_entry& e : fs::directory_iterator(fs::u8path(samples), ec)) {
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
