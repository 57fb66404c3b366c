#pragma once
// Options beyond the customise dialog, each an item of the tools menu with a tick, off by
// default and kept in gridwick.ini after its 18 numbers (a line "Name=1" for each one that is on,
// so a file written with every option off is the file the program always wrote).
#include <string>
#include <vector>

namespace gw {

struct App;

struct Options {
  // Image input: the hint areas show the hints of the picture as it is drawn, and saving a
  // picture whose hints do not settle it asks first.
  bool liveHints = false;
  // Play: a hint is ticked only when its line's cells fix that run in every placement.
  bool exactTicks = false;
  // Play: the hints of a line that can no longer be completed are drawn in the error colour.
  bool errorHints = false;
};

enum class Command;

// Reads one "Name=value" line of the settings file into the options; other lines are ignored.
void ReadOptionLine(Options& options, const std::string& line);
// The lines the settings file carries after its numbers.
std::vector<std::string> OptionLines(const Options& options);

// Shows each option's tick in the menu.
void ShowOptionTicks(App& app);
// The menu item: turns the option over, shows it, keeps it in the settings file and redraws
// what it changes.
void ToggleOption(App& app, Command command);

}  // namespace gw
