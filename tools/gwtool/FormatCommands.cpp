#include "FormatCommands.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "App.h"
#include "Arguments.h"
#include "TellErrors.h"
#include "display/BoardLayout.h"
#include "formats/EngineInput.h"
#include "frontends/quiet/QuietPlatform.h"
#include "formats/AnyPuzzleFile.h"
#include "formats/ForeignFiles.h"
#include "formats/PuzzleBridge.h"
#include "pictures/PuzzleGenerator.h"
#include "formats/PuzzleKinds.h"
#include "formats/PuzzleText.h"
#include "system/NativeFiles.h"
#include "system/FileError.h"
#include "text/Tr.h"
#include "settings/Settings.h"

namespace gw {
namespace {

// A number of seconds as printf's %g writes it.
std::string SecondsText(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", seconds);
  return text;
}

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
  for (const std::string& f : lost) list += (list.empty() ? "" : Tr("、")) + f;
  std::fprintf(stderr, "gwtool: %s\n",
               Fill(Tr("{1}: この形式には次の項目を保存できないので、書きませんでした: {2}"), {path, list}).c_str());
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

constexpr const char* kStdin = TrNoop("標準入力");
constexpr const char* kStdout = TrNoop("標準出力");

// A puzzle on standard input, its format told by its content as a pasted one is.
PuzzleData ReadStandardInput(App& app) {
  std::string text;
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
    text.append(buffer, n);
    if (text.size() > kMaxPuzzleTextBytes) throw FormatError(Tr("大きすぎます（読めるのは 4 MB までです）。"));
  }
  TextPuzzle t = ReadPuzzleText(text, app.colors.ColorTable);
  if (t.format.empty()) throw FormatError(Tr("読める問題の形式ではありません。"));
  if (!t.puzzle) throw FormatError(Fill(Tr("{1} として読めません。"), {t.format}) + t.why);
  return *t.puzzle;
}

// The writers write files, each with its checks: standard output gets the file one wrote in a
// folder of its own, which then goes.
void WriteStandardOutput(App& app, const PuzzleData& p, const std::string& ext) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path folder;
  for (int attempt = 0; attempt < 100 && folder.empty(); ++attempt) {
    auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path candidate = fs::temp_directory_path(ec) / ("gwtool-" + std::to_string(tick) + "-" + std::to_string(attempt));
    if (!ec && fs::create_directory(candidate, ec) && !ec) folder = candidate;
  }
  if (folder.empty()) throw FormatError(Tr("一時フォルダを作れません。"));
  std::string path = (folder / ("puzzle" + ext)).string();
  std::string bytes;
  try {
    WriteAnyPuzzle(app, p, path);
    bytes = ReadWholeFile(path);
  } catch (...) {
    fs::remove_all(folder, ec);
    throw;
  }
  fs::remove_all(folder, ec);
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0)
    throw FormatError(Tr("書き出せませんでした。"));
}

// "--to EXT" gives the format of standard output: "non" or ".non".
bool ReadConvertArguments(const std::vector<std::string>& args, std::string& in, std::string& out, std::string& ext) {
  std::vector<std::string> names;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--to") {
      names.push_back(args[i]);
    } else if (i + 1 < args.size() && ext.empty() && !args[i + 1].empty()) {
      ext = args[++i];
      if (ext[0] != '.') ext = "." + ext;
    } else {
      return false;
    }
  }
  if (names.size() != 2) return false;
  in = names[0];
  out = names[1];
  // The format goes by the name of a file, and by --to only for standard output.
  if ((out == "-") != !ext.empty()) return false;
  return ext.empty() || PuzzleKindOf("puzzle" + ext) != nullptr;
}

}  // namespace

int ConvertCommand(const std::vector<std::string>& args) {
  std::string in, out, ext;
  if (!ReadConvertArguments(args, in, out, ext)) return -1;
  QuietPlatform ui;
  auto app = std::make_unique<App>(ui);
  LoadSettings(*app);
  PuzzleData p;
  const bool toStdout = out == "-";
  int status = in == "-" ? Guarded(Tr(kStdin), [&] { p = ReadStandardInput(*app); })
                         : Guarded(in, [&] { p = ReadAnyPuzzle(*app, in); });
  if (status != kWritten) return status;
  if (toStdout) status = Guarded(Tr(kStdout), [&] { WriteStandardOutput(*app, p, ext); });
  else status = Guarded(out, [&] { WriteAnyPuzzle(*app, p, out); });
  if (status == kWritten) TellFieldsNotHeld(p, toStdout ? "puzzle" + ext : out);
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
    std::fprintf(stderr, "gwtool: %s\n",
                 Fill(Tr("{1} × {2}、{3} 色、難しさ {4} の問題は {5} 秒のうちに見つかりませんでした。"),
                      {std::to_string(r.width), std::to_string(r.height), std::to_string(r.colors),
                       DifficultyName(r.difficulty), SecondsText(r.seconds)})
                     .c_str());
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
    std::fprintf(stderr, "gwtool: %s\n",
                 Fill(Tr("{1}: 色が {2} 色あります（調べられるのは {3} 色までです）。"),
                      {path, std::to_string(p.ColorCount()), std::to_string(analysis::kMaxColors)})
                     .c_str());
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
    std::fprintf(stderr, "gwtool: %s\n", Fill(Tr("{1}: プレイできる制限を越えています。{2}"), {path, why}).c_str());
    return false;
  }
  LoadSettings(app);
  HintsToState(p, MapColors(p, app.colors.ColorTable, false), app.puzzle);
  return true;
}

}  // namespace gw
