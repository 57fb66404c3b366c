#pragma once
#include <string>
#include <vector>

namespace gw {

// What a command-line tool needs to behave alike on every system: standard input, output and
// error carry bytes as they are (no CR added before LF on Windows), and the arguments are UTF-8
// (on Windows read from the wide command line, so a name outside the ANSI code page arrives intact).
void UseBinaryStandardStreams();
std::vector<std::string> CommandLineArguments(int argc, char** argv);

}  // namespace gw
