#pragma once
// The commands of gwcollect; each returns the exit status and throws std::runtime_error on a bad
// command line or an unreadable list.
#include <string>
#include <vector>

namespace gw::collection {

int FetchCommand(const std::vector<std::string>& args);
int MakeCommand(const std::vector<std::string>& args);
int TryCommand(const std::vector<std::string>& args);

}  // namespace gw::collection
