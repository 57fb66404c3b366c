#pragma once
#include <string>
#include <vector>

#include "analysis/Analysis.h"

namespace gw {

struct App;

// gwtool convert IN OUT: between .xml, .non, .g (read only), .gwm, .gwc, .gwk (and .gwa read)
// by extension. 0 written (the fields the target has no place for named on standard error),
// 3 unreadable or the target cannot hold it; -1 a bad command line.
int ConvertCommand(const std::vector<std::string>& args);

// gwtool generate --size WxH --colors N --difficulty line|probe|search [--seed S] [--limit SECONDS] OUT.
// 0 written, 1 nothing found in time, 3 cannot be written; -1 a bad command line.
int GenerateCommand(const std::vector<std::string>& args);

// A .xml, .non or .g file for gwtool check and solve; false (the reason on standard error)
// when it cannot be read or has more colours than the engine takes.
bool IsForeignPuzzlePath(const std::string& path);
bool ReadForeignForCheck(const std::string& path, analysis::Puzzle& out);
// The same file as the puzzle in memory, for gwtool solve (the window's limits apply).
bool ReadForeignForSolve(App& app, const std::string& path);

}  // namespace gw
