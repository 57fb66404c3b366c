#include "support/TestApp.h"

#include <filesystem>
#include <random>

#include "mainwnd/MainWnd.h"
#include "system/FileError.h"
#include "system/FileSystem.h"
#include "system/NativeFiles.h"
#include "state/PuzzleState.h"

namespace gw::test {

TestApp::TestApp() : ui(out), app(ui) {}

void TestApp::Start() { MainWndLoad(app); }

std::string TestApp::TakeOutput() {
  std::string s = out.str();
  out.str("");
  return s;
}

void TestApp::Answer(const std::string& word) { ui.QueueAnswer(ScriptStep{{word}, 0, false, false}); }
void TestApp::Reply(const std::string& text) { ui.QueueReply(ScriptStep{{text}, 0, false, false}); }
void TestApp::ReplyCancel() { ui.QueueReply(ScriptStep{{""}, 0, false, true}); }

void TestApp::Steps(DialogKind kind, std::vector<std::vector<std::string>> steps) {
  int line = 1;
  for (auto& words : steps) ui.QueueDialogStep(kind, ScriptStep{std::move(words), line++, false, false});
}

void MakeBoard(App& app, int xSize, int ySize, int xHints, int yHints) {
  PuzzleState& p = app.puzzle;
  FullReset(p);
  p.XSize = xSize;
  p.YSize = ySize;
  p.XHintCount = xHints;
  p.YHintCount = yHints;
}

void SetRowHints(App& app, int y, std::vector<int> numbers, int color) {
  PuzzleState& p = app.puzzle;
  int first = p.XHintCount - static_cast<int>(numbers.size()) + 1;
  for (int s = 1; s <= p.XHintCount; ++s) {
    p.RowHints[s][y][kHintNumber] = s >= first ? numbers[s - first] : 0;
    p.RowHints[s][y][kHintColor] = color;
  }
}

void SetColHints(App& app, int x, std::vector<int> numbers, int color) {
  PuzzleState& p = app.puzzle;
  int first = p.YHintCount - static_cast<int>(numbers.size()) + 1;
  for (int s = 1; s <= p.YHintCount; ++s) {
    p.ColHints[x][s][kHintNumber] = s >= first ? numbers[s - first] : 0;
    p.ColHints[x][s][kHintColor] = color;
  }
}

// A new folder of a random name in the system's temporary folder, made current; its path is the
// one the program itself sees (CurrentDirectory), so tests compare like with like.
TempDir::TempDir() {
  previous_ = CurrentDirectory();
  std::random_device seed;
  std::mt19937_64 random(seed());
  std::filesystem::path base = std::filesystem::temp_directory_path();
  std::filesystem::path dir;
  do dir = base / ("gwtest." + std::to_string(random() % 1000000000));
  while (!std::filesystem::create_directory(dir));
  std::u8string name = dir.u8string();
  ChangeDirectory(std::string(name.begin(), name.end()));
  path_ = CurrentDirectory();
}

TempDir::~TempDir() {
  std::error_code ec;
  try {
    ChangeDirectory(previous_);
  } catch (const FileError&) {
  }
  std::filesystem::remove_all(std::filesystem::u8path(path_), ec);
}

std::string ReadFileBytes(const std::string& path) {
  try {
    return ReadWholeFile(path);
  } catch (const FileError&) {
    return "";
  }
}

void WriteFileBytes(const std::string& path, const std::string& bytes) { WriteWholeFile(path, bytes); }

}  // namespace gw::test
