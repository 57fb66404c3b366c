#pragma once
#include <string>
#include <vector>

namespace gw {

// gwtool check [--limit SECONDS] [--quiet] FILE...: the verdict of the complete solver on each
// file. Returns the exit status (the highest over the files), or -1 for a bad command line.
int CheckCommand(const std::vector<std::string>& args);

}  // namespace gw
