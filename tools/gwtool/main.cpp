// gwtool: command-line work on puzzle files, without a window. The commands and their exit
// statuses are in kUsage below and in the README; every command exits 5 on a bad command line.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "App.h"
#include "Check.h"
#include "FormatCommands.h"
#include "TellErrors.h"
#include "system/Console.h"
#include "system/Memory.h"
#include "system/FileError.h"
#include "text/Language.h"
#include "text/Utf8.h"
#include "frontends/scripted/ScriptText.h"
#include "solver/AutoSolve.h"
#include "formats/PuzzleKinds.h"
#include "frontends/quiet/QuietPlatform.h"
#include "solver/SolverState.h"

namespace gw {
namespace {

enum Exit { kSolved = 0, kBlanksLeft = 1, kContradiction = 2, kUnreadable = 3, kBadCommandLine = 5 };

constexpr const char* kUsage =
    "usage: gwtool solve FILE\n"
    "       gwtool check [--limit SECONDS] [--learn-after NODES] [--quiet] FILE...\n"
    "       gwtool convert IN OUT, gwtool convert - OUT, gwtool convert --to EXT IN -\n"
    "       gwtool generate --size WxH --colors N --difficulty line|probe|search [--seed S] [--limit SECONDS] OUT\n"
    "       gwtool --help\n"
    "FILE: .gwm .gwc .gwk .gwa .xml .non .g; SECONDS: more than 0, at most 3600.\n"
    "convert: - as IN reads standard input, its format told by its content (any FILE format, or a\n"
    "pattern game ID WxH:clues); - as OUT writes standard output in the format --to EXT names.\n"
    "Exit status: solve 0 solved, 1 cells left blank, 2 contradiction, 3 unreadable;\n"
    "check 0 unique, 1 several, 2 none, 3 unreadable, 4 unknown (the highest over the files);\n"
    "convert 0 written, 3 unreadable or refused; generate 0 written, 1 none found, 3 not written;\n"
    "every command 5 on a bad command line.\n";

int BadCommandLine() {
  std::fputs(kUsage, stderr);
  return kBadCommandLine;
}

// Reads the puzzle for play; false (with the reason on standard error) when it cannot be read. A
// name that is neither .gwc nor foreign is read as a .gwm.
bool ReadPuzzle(App& app, const std::string& path) {
  app.puzzle.Mode = kModePlay;
  if (IsForeignPuzzlePath(path)) return ReadForeignForSolve(app, path);
  const PuzzleFileKind* kind = PuzzleKindOf(path);
  if (!kind || kind->kind != PuzzleKind::Gwc) kind = &FileKind(PuzzleKind::Gwm);
  return RunTellingErrors(path, [&] {
    std::unique_ptr<PuzzleState> p = ReadOwnPuzzle(*kind, path, app.puzzle);
    app.puzzle = std::move(*p);
  });
}

char CellChar(int v) { return v == 0 ? '.' : v < 0 ? '-' : v <= 9 ? char('0' + v) : '?'; }

int Solve(const std::string& path) {
  QuietPlatform ui;
  App app(ui);
  if (!ReadPuzzle(app, path)) return kUnreadable;
  SolveOutcome outcome = RunAutoSolve(app, SolveView::Unseen);
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
  gw::UseOneHeap();
  gw::UseBinaryStandardStreams();
  gw::ChooseLanguage();
  std::vector<std::string> args = gw::CommandLineArguments(argc, argv);
  if (args.size() == 2 && (args[1] == "--help" || args[1] == "-h" || args[1] == "help")) {
    std::fputs(gw::kUsage, stdout);
    return 0;
  }
  if (args.size() < 2) return gw::BadCommandLine();
  std::vector<std::string> rest(args.begin() + 2, args.end());
  int status = -1;
  if (args[1] == "check") status = gw::CheckCommand(rest);
  else if (args[1] == "convert") status = gw::ConvertCommand(rest);
  else if (args[1] == "generate") status = gw::GenerateCommand(rest);
  else if (args[1] == "solve" && rest.size() == 1) status = gw::Solve(rest[0]);
  return status >= 0 ? status : gw::BadCommandLine();
}
