// gwtool: command-line work on puzzle files, without a window.
//
//   gwtool solve FILE   runs the automatic solve on a .gwm, .gwc, .xml, .non or .g puzzle from a blank board and
//                       prints each message box as MSG "TEXT", the final board one row a line
//                       (. blank, - empty, 1..9 colours), PROBES=n and PICKS=n (lines solved).
//                       Exit status: 0 solved, 1 cells left blank, 2 contradiction, 3 the file
//                       cannot be read, 4 a bad command line.
//   gwtool check [--limit SECONDS] [--learn-after NODES] [--quiet] FILE...
//                       counts the solutions of each puzzle (a picture through its hints) and
//                       rates a unique one; see Check.h. Exit status: 0 unique, 1 several, 2 none,
//                       3 unreadable, 4 unknown (5 a bad command line); with several files the
//                       highest.
#include <cstdio>
#include <string>
#include <vector>

#include "App.h"
#include "Check.h"
#include "FormatCommands.h"
#include "platform/Console.h"
#include "platform/FileError.h"
#include "platform/Utf8.h"
#include "platform/scripted/ScriptText.h"
#include "solver/AutoSolve.h"
#include "state/PuzzleFiles.h"
#include "QuietPlatform.h"

namespace gw {
namespace {

enum Exit { kSolved = 0, kBlanksLeft = 1, kContradiction = 2, kUnreadable = 3, kUsage = 4 };

bool EndsWithNoCase(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && EqualsIgnoringCase(s.substr(s.size() - tail.size()), tail);
}

// Reads the puzzle for play; false (with the reason on standard error) when it cannot be read.
bool ReadPuzzle(App& app, QuietPlatform& ui, const std::string& path) {
  app.puzzle.Mode = kModePlay;
  if (IsForeignPuzzlePath(path)) return ReadForeignForSolve(app, path);
  try {
    if (EndsWithNoCase(path, ".gwc")) ReadMonoHintPuzzle(app, path);
    else ReadHintPuzzle(app, path);
  } catch (const FileError& e) {
    std::fprintf(stderr, "gwtool: %s: %s (line %d)\n", path.c_str(), e.what(), e.line());
    return false;
  }
  if (app.puzzle.LoadRefused) {
    for (const std::string& text : ui.messages) std::fprintf(stderr, "gwtool: %s: %s\n", path.c_str(), text.c_str());
    return false;
  }
  ui.messages.clear();
  return true;
}

char CellChar(int v) { return v == 0 ? '.' : v < 0 ? '-' : v <= 9 ? char('0' + v) : '?'; }

int Solve(const std::string& path) {
  QuietPlatform ui;
  App app(ui);
  if (!ReadPuzzle(app, ui, path)) return kUnreadable;
  SolveOutcome outcome = RunAutoSolve(app);
  for (const std::string& text : ui.messages) std::printf("MSG %s\n", Quote(text).c_str());
  const PuzzleState& p = app.puzzle;
  bool blank = false;
  std::string row;
  for (int y = 1; y <= p.YSize; ++y) {
    row.clear();
    for (int x = 1; x <= p.XSize; ++x) {
      row += CellChar(p.Grid[x][y]);
      blank = blank || p.Grid[x][y] == 0;
    }
    std::printf("%s\n", row.c_str());
  }
  std::printf("PROBES=%d\nPICKS=%ld\n", outcome.probes, app.solver.LinePicks);
  if (outcome.contradiction) return kContradiction;
  return blank ? kBlanksLeft : kSolved;
}

}  // namespace
}  // namespace gw

int main(int argc, char** argv) {
  gw::UseBinaryStandardStreams();
  std::vector<std::string> args = gw::CommandLineArguments(argc, argv);
  if (args.size() >= 3 && args[1] == "check") {
    int status = gw::CheckCommand(std::vector<std::string>(args.begin() + 2, args.end()));
    if (status >= 0) return status;
    std::fprintf(stderr, "usage: gwtool check [--limit SECONDS] [--learn-after NODES] [--quiet] FILE...\n");
    return 5;
  }
  if (args.size() >= 2 && args[1] == "convert") {
    int status = gw::ConvertCommand(std::vector<std::string>(args.begin() + 2, args.end()));
    if (status >= 0) return status;
    std::fprintf(stderr, "usage: gwtool convert IN OUT\n");
    return gw::kUsage;
  }
  if (args.size() >= 2 && args[1] == "generate") {
    int status = gw::GenerateCommand(std::vector<std::string>(args.begin() + 2, args.end()));
    if (status >= 0) return status;
    std::fprintf(stderr, "usage: gwtool generate --size WxH --colors N --difficulty line|probe|search "
                         "[--seed S] [--limit SECONDS] OUT\n");
    return gw::kUsage;
  }
  if (args.size() != 3 || args[1] != "solve") {
    std::fprintf(stderr, "usage: gwtool solve FILE\n       gwtool check [--limit SECONDS] [--learn-after NODES] [--quiet] FILE...\n"
                         "       gwtool convert IN OUT\n       gwtool generate --size WxH --colors N "
                         "--difficulty line|probe|search [--seed S] OUT\n");
    return gw::kUsage;
  }
  return gw::Solve(args[2]);
}
