#include "settings/Options.h"

#include "App.h"
#include "commands/Commands.h"
#include "display/Draw.h"
#include "display/ErrorHints.h"
#include "display/LiveHints.h"
#include "rules/HintCheck.h"
#include "display/Highlight.h"
#include "mainwnd/StatusLine.h"
#include "settings/Settings.h"

namespace gw {
namespace {

struct OptionKey {
  const char* name;
  bool Options::*flag;
  Command command;
};

constexpr OptionKey kKeys[] = {
    {"LiveHints", &Options::liveHints, Command::LiveHints},
    {"ExactTicks", &Options::exactTicks, Command::ExactTicks},
    {"ErrorHints", &Options::errorHints, Command::ErrorHints},
    {"FilledHints", &Options::filledHints, Command::FilledHints},
    {"StatusBar", &Options::statusBar, Command::StatusBar},
};
constexpr const char* kLineTintKey = "LineTint";

}  // namespace

void ReadOptionLine(Options& options, const std::string& line) {
  size_t equals = line.find('=');
  if (equals == std::string::npos) return;
  std::string name = line.substr(0, equals), value = line.substr(equals + 1);
  for (const OptionKey& key : kKeys)
    if (name == key.name) options.*key.flag = value == "1";
  if (name == kLineTintKey) options.lineTint = value == "1" ? Options::kOn : Options::kOff;
}

std::vector<std::string> OptionLines(const Options& options) {
  std::vector<std::string> lines;
  for (const OptionKey& key : kKeys)
    if (options.*key.flag) lines.push_back(std::string(key.name) + "=1");
  if (options.lineTint != Options::kAuto)
    lines.push_back(std::string(kLineTintKey) + "=" + std::to_string(options.lineTint));
  return lines;
}

bool TintsLines(const App& app) {
  if (app.options.lineTint != Options::kAuto) return app.options.lineTint == Options::kOn;
  return app.puzzle.XSize > kMaxSize || app.puzzle.YSize > kMaxSize;
}

void ShowOptionTicks(App& app) {
  for (const OptionKey& key : kKeys)
    if (std::optional<MenuPlace> at = PlaceOf(key.command)) app.ui.CheckMenuItem(at->menu, at->index, app.options.*key.flag);
  ShowLineTintTick(app);
}

void ShowLineTintTick(App& app) {
  bool on = TintsLines(app);
  if (app.layout.LineTintTicked == int(on)) return;
  app.layout.LineTintTicked = int(on);
  if (std::optional<MenuPlace> at = PlaceOf(Command::LineTint)) app.ui.CheckMenuItem(at->menu, at->index, on);
}

void ToggleOption(App& app, Command command) {
  if (command == Command::LineTint) {
    // The choice made here holds for every board from now on, large or small.
    bool on = !TintsLines(app);
    app.options.lineTint = on ? Options::kOn : Options::kOff;
    const BoardLayout& l = app.layout;
    const PuzzleState& p = app.puzzle;
    bool shown = on && p.Mode == kModePlay && l.HoverCol >= 1 && l.HoverCol <= p.XSize && l.HoverRow >= 1 && l.HoverRow <= p.YSize;
    ShowPointerLine(app, shown ? l.HoverCol : 0, shown ? l.HoverRow : 0);
    ShowLineTintTick(app);
    SaveSettings(app);
    return;
  }
  for (const OptionKey& key : kKeys) {
    if (key.command != command) continue;
    bool& flag = app.options.*key.flag;
    flag = !flag;
    ShowOptionTicks(app);
    SaveSettings(app);
    // A play-mode board ticks by the rule now chosen: every line is checked again.
    if (key.flag == &Options::exactTicks) {
      RecheckEveryLine(app);
      Redraw(app);
    } else if (key.flag == &Options::errorHints) FollowErrorHints(app);
    else if (key.flag == &Options::filledHints) {
      if (app.puzzle.XSize > 0) PaintBoard(app);
    } else if (key.flag == &Options::statusBar) ShowStatusBar(app);
    else if (flag) FollowLiveHints(app);
    else if (app.puzzle.Mode == kModeImage && app.puzzle.XSize > 0) PaintBoard(app);
  }
}

}  // namespace gw
