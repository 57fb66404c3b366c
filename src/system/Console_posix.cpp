#include "system/Console.h"

namespace gw {

void UseBinaryStandardStreams() {}

std::vector<std::string> CommandLineArguments(int argc, char** argv) { return {argv, argv + argc}; }

}  // namespace gw
