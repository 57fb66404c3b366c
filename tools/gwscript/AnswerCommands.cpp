// Answers for what the program will ask: they only queue, each taken by the next box or dialog
// of its kind.
#include <map>

#include "Runner.h"

namespace gw {
namespace {

ScriptStep MakeStep(const ScriptLine& line, std::vector<std::string> words) {
  ScriptStep step;
  step.words = std::move(words);
  step.line = line.number;
  step.optional = line.optional;
  return step;
}

void Answer(Runner& r, const ScriptLine& line) {
  NeedWords(line, 2);
  const std::string& w = line.words[1].text;
  if (w != "ok" && w != "cancel" && w != "yes" && w != "no") throw ScriptError("unknown word " + w);
  r.ui().QueueAnswer(MakeStep(line, {w}));
}

void Reply(Runner& r, const ScriptLine& line) {
  NeedWords(line, 2);
  const Word& w = line.words[1];
  ScriptStep step = MakeStep(line, {w.text});
  step.cancel = !w.quoted && w.text == "cancel";
  r.ui().QueueReply(std::move(step));
}

// How many words (the step's own included) each step of a dialog takes.
using Arity = std::map<std::string, int>;

const Arity& StepArity(DialogKind kind) {
  static const std::map<DialogKind, Arity> kArity = {
      {DialogKind::Modecg, {{"1", 1}, {"2", 1}, {"3", 1}, {"ok", 1}, {"close", 1}, {"show", 1}}},
      {DialogKind::FileDlg,
       {{"name", 2}, {"pick", 2}, {"double", 2}, {"folder", 2}, {"drive", 2}, {"ok", 1},
        {"cancel", 1}, {"details", 1}, {"show", 1}}},
      {DialogKind::FileSel2,
       {{"select", 2}, {"double", 2}, {"ok", 1}, {"cancel", 1}, {"details", 1}, {"show", 1}}},
      {DialogKind::Cust,
       {{"slot", 2}, {"swatch", 2}, {"double", 2}, {"bar", 3}, {"drop", 2}, {"check", 2},
        {"mark", 2}, {"ok", 1}, {"cancel", 1}, {"close", 1}, {"show", 1}}},
      {DialogKind::Insatu, {{"text", 3}, {"color", 2}, {"print", 1}, {"back", 1}, {"show", 1}}},
  };
  return kArity.at(kind);
}

void QueueSteps(Runner& r, const ScriptLine& line, DialogKind kind) {
  NeedWords(line, 2);
  const Arity& arity = StepArity(kind);
  std::vector<ScriptStep> steps;
  for (size_t i = 1; i < line.words.size();) {
    const std::string& w = line.words[i].text;
    auto it = arity.find(w);
    if (it == arity.end()) throw ScriptError("unknown word " + w);
    if (i + it->second > line.words.size()) throw ScriptError("step " + w + " needs more words");
    std::vector<std::string> words;
    for (int k = 0; k < it->second; ++k) words.push_back(line.words[i + k].text);
    steps.push_back(MakeStep(line, std::move(words)));
    i += it->second;
  }
  // "modecg N" alone means "modecg N ok".
  if (kind == DialogKind::Modecg && line.words.size() == 2 && line.words[1].text.size() == 1 &&
      line.words[1].text[0] >= '1' && line.words[1].text[0] <= '3')
    steps.push_back(MakeStep(line, {"ok"}));
  for (ScriptStep& s : steps) r.ui().QueueDialogStep(kind, std::move(s));
}

void Sizein(Runner& r, const ScriptLine& line) {
  if (line.words.size() != 5) throw ScriptError("sizein needs four texts");
  std::vector<std::string> texts;
  for (size_t i = 1; i < 5; ++i) texts.push_back(line.words[i].text);
  r.ui().QueueDialogStep(DialogKind::Sizein, MakeStep(line, std::move(texts)));
}

// `progress cancel`: キャンセル in the box of the next long piece of work.
void Progress(Runner& r, const ScriptLine& line) {
  NeedWords(line, 2);
  if (line.words[1].text != "cancel") throw ScriptError("unknown word " + line.words[1].text);
  r.ui().QueueProgressAnswer(MakeStep(line, {"cancel"}));
}

}  // namespace

void RegisterAnswerCommands(Runner& runner) {
  runner.RegisterAnswer("answer", Answer);
  runner.RegisterAnswer("reply", Reply);
  runner.RegisterAnswer("sizein", Sizein);
  runner.RegisterAnswer("progress", Progress);
  runner.RegisterAnswer("modecg", [](Runner& r, const ScriptLine& l) { QueueSteps(r, l, DialogKind::Modecg); });
  runner.RegisterAnswer("filedlg", [](Runner& r, const ScriptLine& l) { QueueSteps(r, l, DialogKind::FileDlg); });
  runner.RegisterAnswer("filesel2", [](Runner& r, const ScriptLine& l) { QueueSteps(r, l, DialogKind::FileSel2); });
  runner.RegisterAnswer("cust", [](Runner& r, const ScriptLine& l) { QueueSteps(r, l, DialogKind::Cust); });
  runner.RegisterAnswer("insatu", [](Runner& r, const ScriptLine& l) { QueueSteps(r, l, DialogKind::Insatu); });
}

}  // namespace gw
