#pragma once
#include <functional>
#include <optional>
#include <string>

namespace gw::test {

// Runs `body` in a child process as a user whom file modes bind. Root (as in CI) would write
// through any mode, so its child gives `folder` (recursively) to the user "nobody" (65534) and takes
// that user's ids; any other user runs it as itself. The child's verdict, or nothing when the user
// cannot be changed (the test should skip then).
std::optional<bool> RunUnprivileged(const std::string& folder, const std::function<bool()>& body);

}  // namespace gw::test
