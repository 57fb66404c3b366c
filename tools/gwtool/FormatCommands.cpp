#include "FormatCommands.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "App.h"
#include "formats/EngineInput.h"
#include "frontends/quiet/QuietPlatform.h"
#include "formats/AnyPuzzleFile.h"
#include "formats/ForeignFiles.h"
#include "formats/PuzzleBridge.h"
#include "formats/PuzzleGenerator.h"
#include "platform/FileError.h"
#include "settings/Settings.h"

namespace gw {
namespace {

enum { kWritten = 0, kNotFound = 1, kRefused = 3 };

// Runs `work`; a file error or a refusal is told on standard error and gives kRefused.
template <typename Work>
int Guarded(const std::string& path, Work work) {
  try {
    work();
  } catch (const FileError& e) {
    std::fprintf(stderr, "gwtool: %s: %s (line %d)\n", path.c_str(), e.what(), e.line());
    return kRefused;
  } catch (const FormatError& e) {
    std::fprintf(stderr, "gwtool: %s: %s\n", path.c_str(), e.what());
    return kRefused;
  }
  return kWritten;
}

bool ParseSize(const std::string& text, int& w, int& h) {
  char* end = nullptr;
  w = int(std::strtol(text.c_str(), &end, 10));
  if (*end != 'x' && *end != 'X') return false;
  h = int(std::strtol(end + 1, &end, 10));
  return *end == '\0';
}

}  // namespace

int ConvertCommand(const std::vector<std::string>& args) {
  if (args.size() != 2) return -1;
  QuietPlatform ui;
  auto app = std::make_unique<App>(ui);
  LoadSettings(*app);
  PuzzleData p;
  int status = Guarded(args[0], [&] { p = ReadAnyPuzzle(*app, args[0]); });
  if (status != kWritten) return status;
  return Guarded(args[1], [&] { WriteAnyPuzzle(*app, p, args[1]); });
}

int GenerateCommand(const std::vector<std::string>& args) {
  GenerateRequest r;
  std::string out;
  bool sized = false, difficulty = false;
  for (size_t i = 0; i < args.size(); ++i) {
    bool more = i + 1 < args.size();
    if (args[i] == "--size" && more) sized = ParseSize(args[++i], r.width, r.height);
    else if (args[i] == "--colors" && more) r.colors = std::atoi(args[++i].c_str());
    else if (args[i] == "--difficulty" && more) difficulty = DifficultyFromName(args[++i], r.difficulty);
    else if (args[i] == "--seed" && more) r.seed = std::uint32_t(std::strtoul(args[++i].c_str(), nullptr, 10));
    else if (args[i] == "--limit" && more) r.seconds = std::atof(args[++i].c_str());
    else if (!args[i].starts_with("--") && out.empty()) out = args[i];
    else return -1;
  }
  if (!sized || !difficulty || out.empty() || r.width < 2 || r.height < 2 || r.width > kMaxFormatSize ||
      r.height > kMaxFormatSize || r.colors < 1 || r.colors > analysis::kMaxColors || !(r.seconds > 0))
    return -1;
  GenerateResult g = GeneratePuzzle(r);
  std::printf("PICTURES=%d REPAIRS=%d\n", g.pictures, g.repairs);
  if (!g.puzzle) {
    std::fprintf(stderr, "gwtool: no %s puzzle of %dx%d in %d colours found in %g s\n",
                 DifficultyName(r.difficulty), r.width, r.height, r.colors, r.seconds);
    return kNotFound;
  }
  QuietPlatform ui;
  auto app = std::make_unique<App>(ui);
  LoadSettings(*app);
  return Guarded(out, [&] { WriteAnyPuzzle(*app, *g.puzzle, out); });
}

bool IsForeignPuzzlePath(const std::string& path) { return ForeignFormatOf(path) != ForeignFormat::None; }

bool ReadForeignForCheck(const std::string& path, analysis::Puzzle& out) {
  PuzzleData p;
  if (Guarded(path, [&] { p = ReadForeignFile(path); }) != kWritten) return false;
  if (p.ColorCount() > analysis::kMaxColors) {
    std::fprintf(stderr, "gwtool: %s: %d colours (the engine takes %d)\n", path.c_str(), p.ColorCount(),
                 analysis::kMaxColors);
    return false;
  }
  out = EnginePuzzle(p);
  return true;
}

bool ReadForeignForSolve(App& app, const std::string& path) {
  PuzzleData p;
  if (Guarded(path, [&] { p = ReadForeignFile(path); }) != kWritten) return false;
  std::string why = WhyNotHeld(p);
  if (!why.empty()) {
    std::fprintf(stderr, "gwtool: %s: プレイできる制限を越えています。%s\n", path.c_str(), why.c_str());
    return false;
  }
  LoadSettings(app);
  HintsToState(p, MapColors(p, app.colors.ColorTable, false), app.puzzle);
  return true;
}

}  // namespace gw
