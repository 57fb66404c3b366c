#include "settings/Options.h"

#include "App.h"
#include "commands/Commands.h"
#include "display/Draw.h"
#include "display/ErrorHints.h"
#include "display/LiveHints.h"
#include "display/HintCheck.h"
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
};

}  // namespace

void ReadOptionLine(Options& options, const std::string& line) {
  size_t equals = line.find('=');
  if (equals == std::string::npos) return;
  std::string name = line.substr(0, equals), value = line.substr(equals + 1);
  for (const OptionKey& key : kKeys)
    if (name == key.name) options.*key.flag = value == "1";
}

std::vector<std::string> OptionLines(const Options& options) {
  std::vector<std::string> lines;
  for (const OptionKey& key : kKeys)
    if (options.*key.flag) lines.push_back(std::string(key.name) + "=1");
  return lines;
}

void ShowOptionTicks(App& app) {
  for (const OptionKey& key : kKeys)
    if (std::optional<MenuPlace> at = PlaceOf(key.command)) app.ui.CheckMenuItem(at->menu, at->index, app.options.*key.flag);
}

void ToggleOption(App& app, Command command) {
  for (const OptionKey& key : kKeys) {
    if (key.command != command) continue;
    bool& flag = app.options.*key.flag;
    flag = !flag;
    ShowOptionTicks(app);
    SaveSettings(app);
    // A play-mode board ticks by the rule now chosen: every line is checked again.
    if (key.flag == &Options::exactTicks) RecheckEveryLine(app);
    else if (key.flag == &Options::errorHints) FollowErrorHints(app);
    else if (flag) FollowLiveHints(app);
    else if (app.puzzle.Mode == kModeImage && app.puzzle.XSize > 0) PaintBoard(app);
  }
}

}  // namespace gw
