#pragma once
#include <sstream>
#include <string>

#include "App.h"
#include "system/FileSystem.h"
#include "frontends/scripted/ScriptedPlatform.h"

namespace gw::test {

// A program on the scripted platform: what it shows goes to `out`, answers are queued with
// Answer / Reply / Steps.
struct TestApp {
  TestApp();
  // Runs the main window's load, as the program's start does.
  void Start();
  std::string TakeOutput();
  void Answer(const std::string& word);
  void Reply(const std::string& text);
  void ReplyCancel();
  void Steps(DialogKind kind, std::vector<std::vector<std::string>> steps);

  std::ostringstream out;
  ScriptedPlatform ui;
  App app;
};

// Puts a board of the given sizes into the state with every hint slot empty.
void MakeBoard(App& app, int xSize, int ySize, int xHints, int yHints);
// Sets row y's hints (reading order) aligned to the board, all of colour `color`.
void SetRowHints(App& app, int y, std::vector<int> numbers, int color = 1);
void SetColHints(App& app, int x, std::vector<int> numbers, int color = 1);

// A fresh empty folder that becomes the current directory for the lifetime of the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + kPathSeparator + name; }

 private:
  std::string path_;
  std::string previous_;
};

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace gw::test
