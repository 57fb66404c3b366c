#pragma once
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "App.h"
#include "Script.h"
#include "frontends/scripted/ScriptedPlatform.h"

namespace gw {

struct ScriptLine {
  int number = 0;
  std::vector<Word> words;
  bool optional = false;  // written with a leading "?": an answer that may stay unused
};

class Mirror;

// Runs a scenario script against the program's own logic on the scripted platform.
class Runner {
 public:
  using Handler = std::function<void(Runner&, const ScriptLine&)>;

  Runner(std::ostream& out, std::vector<std::string> lines);
  ~Runner();
  // 0 when the script ran to its end, 1 after an ERROR line.
  int Run();

  void Register(const std::string& command, Handler handler) { commands_[command] = std::move(handler); }
  // An answer command, which may also be written with a leading "?".
  void RegisterAnswer(const std::string& command, Handler handler);
  ScriptedPlatform& ui() { return ui_; }
  std::ostream& out() { return out_; }
  // The running program; a ScriptError when it has ended.
  App& app();
  bool Running() const;
  void StartProgram();
  void EndProgram();
  // The lines after the current one up to a line holding only "." (consumed).
  std::vector<std::string> TakeBlock();
  // Real images behind the scripted surfaces, for snapshots; null in a build without Qt.
  Mirror* mirror();

 private:
  void Execute(const ScriptLine& line);

  std::ostream& out_;
  std::vector<std::string> lines_;
  size_t next_ = 0;
  ScriptedPlatform ui_;
  std::unique_ptr<App> app_;
  std::unique_ptr<Mirror> mirror_;
  std::map<std::string, Handler> commands_;
  std::map<std::string, Handler> answers_;
};

void RegisterFileCommands(Runner& runner);
void RegisterActionCommands(Runner& runner);
void RegisterAnswerCommands(Runner& runner);
void RegisterDumpCommands(Runner& runner);
void RegisterLibraryCommands(Runner& runner);

// Helpers for the command files.
int WordNumber(const ScriptLine& line, size_t index);
double WordPosition(const ScriptLine& line, size_t index);
void NeedWords(const ScriptLine& line, size_t count);

}  // namespace gw
