#include "FormatCommands.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "App.h"
#include "Arguments.h"
#include "TellErrors.h"
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

// Runs `work`; a file error or a refusal is told and gives kRefused.
template <typename Work>
int Guarded(const std::string& path, Work work) {
  return RunTellingErrors(path, work) ? kWritten : kRefused;
}

// Tells which fields the target has no place for, so a conversion never loses one unsaid.
void TellFieldsNotHeld(const PuzzleData& p, const std::string& path) {
  std::vector<std::string> lost = FieldsNotHeld(p, path);
  if (lost.empty()) return;
  std::string list;
  for (const std::string& f : lost) list += (list.empty() ? "" : "、") + f;
  std::fprintf(stderr, "gwtool: %s: この形式には次の項目を保存できないので、書きませんでした: %s\n", path.c_str(),
               list.c_str());
}

// One option of generate with its value; false for a bad value.
bool ReadGenerateOption(const std::string& name, const std::string& value, GenerateRequest& r, bool& sized,
                        bool& difficulty) {
  long long colors = 0;
  if (name == "--size") return sized = ParseSize(value, 2, kMaxFormatSize, r.width, r.height);
  if (name == "--difficulty") return difficulty = DifficultyFromName(value, r.difficulty);
  if (name == "--seed") return ParseSeed(value, r.seed);
  if (name == "--limit") return ParseSeconds(value, r.seconds);
  if (name != "--colors" || !ParseWhole(value, 1, analysis::kMaxColors, colors)) return false;
  r.colors = int(colors);
  return true;
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
  status = Guarded(args[1], [&] { WriteAnyPuzzle(*app, p, args[1]); });
  if (status == kWritten) TellFieldsNotHeld(p, args[1]);
  return status;
}

int GenerateCommand(const std::vector<std::string>& args) {
  GenerateRequest r;
  std::string out;
  bool sized = false, difficulty = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i].starts_with("--")) {
      if (i + 1 >= args.size() || !ReadGenerateOption(args[i], args[i + 1], r, sized, difficulty)) return -1;
      ++i;
    } else if (out.empty()) {
      out = args[i];
    } else {
      return -1;
    }
  }
  if (!sized || !difficulty || out.empty()) return -1;
  GenerateResult g = GeneratePuzzle(r);
  std::printf("PICTURES=%d REPAIRS=%d\n", g.pictures, g.repairs);
  if (!g.puzzle) {
    std::fprintf(stderr, "gwtool: %d × %d、%d 色、難しさ %s の問題は %g 秒のうちに見つかりませんでした。\n", r.width,
                 r.height, r.colors, DifficultyName(r.difficulty), r.seconds);
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
    std::fprintf(stderr, "gwtool: %s: 色が %d 色あります（調べられるのは %d 色までです）。\n", path.c_str(),
                 p.ColorCount(), analysis::kMaxColors);
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
