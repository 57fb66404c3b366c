#include "Check.h"
#include "FormatCommands.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "Arguments.h"
#include "TellErrors.h"
#include "analysis/Analysis.h"
#include "formats/EngineInput.h"
#include "pictures/PuzzleGenerator.h"
#include "formats/PuzzleKinds.h"
#include "system/FileError.h"

namespace gw {
namespace {

enum CheckExit { kUnique = 0, kSeveral = 1, kNone = 2, kUnreadable = 3, kUndecided = 4 };

struct CheckOptions {
  double limit = 60;
  long long learnAfter = analysis::kLearnAfterNodes;
  bool quiet = false;
  std::vector<std::string> files;
};

// The blank puzzle a file is read over, laid out by the compiler: one made on the stack for each
// file cost a check of a small puzzle seventy page faults, a third of its time as a process.
constinit const PuzzleState kBlankPuzzle{};

// The puzzle of a hint file, or the hints of a picture file; false with the reason on stderr. A
// name of no known kind is read as a .gwm.
bool ReadForCheck(const std::string& path, analysis::Puzzle& out) {
  if (IsForeignPuzzlePath(path)) return ReadForeignForCheck(path, out);
  const PuzzleFileKind* kind = PuzzleKindOf(path);
  if (!kind) kind = &FileKind(PuzzleKind::Gwm);
  return RunTellingErrors(path, [&] {
    std::unique_ptr<PuzzleState> p = ReadOwnPuzzle(*kind, path, kBlankPuzzle);
    out = kind->picture ? PicturePuzzle(*p) : HintPuzzle(*p);
  });
}

void PrintBoard(const analysis::Board& b) {
  std::string row;
  for (int y = 0; y < b.height; ++y) {
    row.clear();
    for (int x = 0; x < b.width; ++x) {
      int v = b.At(x, y);
      row += v == 0 ? '-' : char('0' + v);
    }
    std::printf("%s\n", row.c_str());
  }
}

int Report(const analysis::Analysis& a, bool quiet) {
  using analysis::kUnknown;
  if (a.solutions == kUnknown) std::printf("SOLUTIONS=unknown\n");
  else std::printf("SOLUTIONS=%d\n", a.solutions);
  if (a.solutions == 1) std::printf("DIFFICULTY=%s\n", DifficultyName(a.difficulty));
  if (!quiet) {
    for (size_t i = 0; i < a.boards.size(); ++i) {
      if (i > 0) std::printf("\n");
      PrintBoard(a.boards[i]);
    }
    std::printf("LINES=%lld PROBES=%lld NODES=%lld TIME_US=%lld CONFLICTS=%lld LEARNED=%lld\n", a.lines,
                a.probes, a.nodes, a.elapsedUs, a.conflicts, a.learned);
  }
  // The engine's "unknown" is its own value; the exit status says it as 4, never as a count.
  switch (a.solutions) {
    case 1: return kUnique;
    case 0: return kNone;
    case kUnknown: return kUndecided;
    default: return kSeveral;
  }
}

bool ParseOptions(const std::vector<std::string>& args, CheckOptions& o) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--quiet") {
      o.quiet = true;
    } else if (args[i] == "--limit" && i + 1 < args.size()) {
      if (!ParseSeconds(args[++i], o.limit)) return false;
    } else if (args[i] == "--learn-after" && i + 1 < args.size()) {
      // Negative: never; past a billion nodes the plain search would run for days anyway.
      if (!ParseWhole(args[++i], -1, 1000000000, o.learnAfter)) return false;
    } else if (args[i].starts_with("--")) {
      return false;
    } else {
      o.files.push_back(args[i]);
    }
  }
  return !o.files.empty();
}

}  // namespace

int CheckCommand(const std::vector<std::string>& args) {
  CheckOptions o;
  if (!ParseOptions(args, o)) return -1;
  int worst = kUnique;
  for (const std::string& path : o.files) {
    if (o.files.size() > 1) std::printf("FILE=%s\n", path.c_str());
    analysis::Puzzle puzzle;
    int status = kUnreadable;
    if (ReadForCheck(path, puzzle)) {
      analysis::Budget budget;
      budget.seconds = o.limit;
      budget.learnAfterNodes = o.learnAfter;
      status = Report(analysis::Analyze(puzzle, budget), o.quiet);
    }
    std::fflush(stdout);
    if (status > worst) worst = status;
  }
  return worst;
}

}  // namespace gw
