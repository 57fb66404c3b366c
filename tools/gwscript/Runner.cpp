#include "Runner.h"

#include <charconv>
#include <cstdlib>

#include "Mirror.h"
#include "mainwnd/MainWnd.h"
#include "state/WindowState.h"

namespace gw {

Runner::Runner(std::ostream& out, std::vector<std::string> lines)
    : out_(out), lines_(std::move(lines)), ui_(out), mirror_(MakeMirror(ui_)) {
  RegisterFileCommands(*this);
  RegisterActionCommands(*this);
  RegisterAnswerCommands(*this);
  RegisterDumpCommands(*this);
  RegisterLibraryCommands(*this);
}

Runner::~Runner() = default;

App& Runner::app() {
  if (!Running()) throw ScriptError("the program is not running");
  return *app_;
}

bool Runner::Running() const { return app_ && app_->wnd.running; }

void Runner::StartProgram() {
  app_.reset();
  ui_.ResetWindow();
  app_ = std::make_unique<App>(ui_);
  MainWndLoad(*app_);
  // The real window is painted when it is first shown: the palette column gets its height then.
  MainWndPaint(*app_);
}

void Runner::EndProgram() {
  if (Running()) MainWndClosed(*app_);
}

Mirror* Runner::mirror() { return mirror_.get(); }

std::vector<std::string> Runner::TakeBlock() {
  std::vector<std::string> block;
  while (next_ < lines_.size()) {
    std::string line = lines_[next_++];
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line == ".") return block;
    block.push_back(line);
  }
  throw ScriptError("put without a closing line \".\"");
}

void Runner::RegisterAnswer(const std::string& command, Handler handler) {
  commands_[command] = handler;
  answers_[command] = std::move(handler);
}

void Runner::Execute(const ScriptLine& line) {
  const std::string& name = line.words[0].text;
  if (name.size() > 1 && name[0] == '?') {
    auto it = answers_.find(name.substr(1));
    if (it == answers_.end()) throw ScriptError("unknown command " + name);
    ScriptLine optional = line;
    optional.optional = true;
    optional.words[0].text = name.substr(1);
    it->second(*this, optional);
    return;
  }
  auto it = commands_.find(name);
  if (it == commands_.end()) throw ScriptError("unknown command " + name);
  it->second(*this, line);
}

int Runner::Run() {
  int current = 0;
  try {
    StartProgram();
    while (next_ < lines_.size()) {
      current = static_cast<int>(next_) + 1;
      std::string text = lines_[next_++];
      if (!text.empty() && text.back() == '\r') text.pop_back();
      ScriptLine line;
      line.number = current;
      std::string why;
      if (!SplitWords(text, line.words, why)) throw ScriptError(why);
      if (line.words.empty() || (!line.words[0].quoted && line.words[0].text[0] == '#')) continue;
      Execute(line);
      out_.flush();
    }
    if (auto left = ui_.RequiredLeftover()) {
      current = *left;
      throw ScriptError("an answer queued here was never used");
    }
  } catch (const ScriptError& e) {
    out_ << "ERROR line " << current << ": " << e.what() << "\n";
    out_.flush();
    return 1;
  } catch (const std::exception& e) {
    out_ << "ERROR line " << current << ": internal error: " << e.what() << "\n";
    out_.flush();
    return 1;
  }
  out_.flush();
  return 0;
}

void NeedWords(const ScriptLine& line, size_t count) {
  if (line.words.size() < count)
    throw ScriptError(line.words[0].text + " needs " + std::to_string(count - 1) + " more words");
}

int WordNumber(const ScriptLine& line, size_t index) {
  NeedWords(line, index + 1);
  const std::string& w = line.words[index].text;
  int value = 0;
  auto [ptr, ec] = std::from_chars(w.data(), w.data() + w.size(), value);
  if (ec != std::errc() || ptr != w.data() + w.size()) throw ScriptError("unknown word " + w);
  return value;
}

double WordPosition(const ScriptLine& line, size_t index) {
  NeedWords(line, index + 1);
  const std::string& w = line.words[index].text;
  char* end = nullptr;
  double value = std::strtod(w.c_str(), &end);
  if (w.empty() || *end != '\0') throw ScriptError("unknown word " + w);
  return value;
}

}  // namespace gw
