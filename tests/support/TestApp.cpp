#include "support/TestApp.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "mainwnd/MainWnd.h"

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

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "gwtest.XXXXXX").string();
  path_ = ::mkdtemp(pattern.data());
  previous_ = std::filesystem::current_path().string();
  std::filesystem::current_path(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::current_path(previous_, ec);
  std::filesystem::remove_all(path_, ec);
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

}  // namespace gw::test
