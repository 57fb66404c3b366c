#include "support/Unprivileged.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

namespace gw::test {
namespace {

constexpr uid_t kNobody = 65534;
constexpr int kCannotDrop = 77;

void GiveToNobody(const std::string& folder) {
  ::chown(folder.c_str(), kNobody, kNobody);
  for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
    ::lchown(e.path().c_str(), kNobody, kNobody);
}

bool DropRoot() {
  return ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 && ::geteuid() != 0;
}

}  // namespace

std::optional<bool> RunUnprivileged(const std::string& folder, const std::function<bool()>& body) {
  bool root = ::geteuid() == 0;
  if (root) GiveToNobody(folder);
  pid_t pid = ::fork();
  if (pid < 0) return std::nullopt;
  if (pid == 0) {
    if (root && !DropRoot()) ::_exit(kCannotDrop);
    ::_exit(body() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) == kCannotDrop) return std::nullopt;
  return WEXITSTATUS(status) == 0;
}

}  // namespace gw::test
