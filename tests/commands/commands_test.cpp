// The one table of commands: every item of the menu bar stands where the window and the scripts
// have always found it, and each command has exactly one item.
#include <gtest/gtest.h>

#include <map>

#include "commands/Commands.h"

namespace gw::test {
namespace {

struct Placed {
  Command command;
  MenuId menu;
  int index;
};

const Placed kPlaces[] = {
    {Command::New, MenuId::File, 0},          {Command::Open, MenuId::File, 1},
    {Command::Open2, MenuId::File, 2},        {Command::Save, MenuId::File, 3},
    {Command::ChangeMode, MenuId::File, 5},   {Command::Print, MenuId::File, 7},
    {Command::Quit, MenuId::File, 9},         {Command::Undo, MenuId::Edit, 0},
    {Command::Redo, MenuId::Edit, 1},         {Command::StartOver, MenuId::Option, 0},
    {Command::InvertImage, MenuId::Option, 1}, {Command::ScrollImage, MenuId::Option, 2},
    {Command::Redraw, MenuId::Option, 3},     {Command::Judge, MenuId::Option, 5},
    {Command::AutoSolve, MenuId::Option, 7},  {Command::CustomiseColours, MenuId::Cust, 0},
    {Command::EraseColour, MenuId::Cust, 1},  {Command::UniquenessCheck, MenuId::Tools, 0},
    {Command::MistakeCheck, MenuId::Tools, 1}, {Command::Hint, MenuId::Tools, 2},
    {Command::Import, MenuId::Tools, 3},      {Command::Export, MenuId::Tools, 4},
    {Command::NewPuzzle, MenuId::Tools, 5},   {Command::LiveHints, MenuId::Tools, 7},
    {Command::ExactTicks, MenuId::Tools, 8},  {Command::About, MenuId::About, 0},
    {Command::ZoomIn, MenuId::View, 0},      {Command::ZoomOut, MenuId::View, 1},
    {Command::ZoomToFit, MenuId::View, 2},    {Command::Library, MenuId::Tools, 9},
    {Command::CopyPuzzle, MenuId::Edit, 3},   {Command::PastePuzzle, MenuId::Edit, 4},
    {Command::GuessStart, MenuId::Tools, 11}, {Command::GuessKeep, MenuId::Tools, 12},
    {Command::GuessDrop, MenuId::Tools, 13},  {Command::ErrorHints, MenuId::Tools, 15},
    {Command::FilledHints, MenuId::View, 4},  {Command::LineTint, MenuId::View, 5},
    {Command::StatusBar, MenuId::View, 6},
};

TEST(Commands, EachItemStandsWhereItAlwaysStood) {
  for (const Placed& p : kPlaces) {
    std::optional<MenuPlace> place = PlaceOf(p.command);
    ASSERT_TRUE(place.has_value()) << static_cast<int>(p.command);
    EXPECT_EQ(place->menu, p.menu) << static_cast<int>(p.command);
    EXPECT_EQ(place->index, p.index) << static_cast<int>(p.command);
    EXPECT_EQ(CommandAt(p.menu, p.index), p.command);
  }
}

TEST(Commands, SeparatorsAndPositionsPastTheEndNameNoCommand) {
  std::map<Command, int> seen;
  for (const MenuDef& menu : MenuBar()) {
    for (int i = 0; i < static_cast<int>(menu.items.size()); ++i) {
      const MenuItem& item = menu.items[i];
      EXPECT_EQ(item.caption == "-", item.command == Command::None) << menu.script << " " << i;
      EXPECT_EQ(CommandAt(menu.id, i), item.command);
      if (item.command != Command::None) ++seen[item.command];
    }
    EXPECT_EQ(CommandAt(menu.id, static_cast<int>(menu.items.size())), Command::None);
    EXPECT_EQ(CommandAt(menu.id, -1), Command::None);
  }
  EXPECT_EQ(seen.size(), std::size(kPlaces));
  for (const auto& [command, count] : seen) EXPECT_EQ(count, 1) << static_cast<int>(command);
  EXPECT_FALSE(PlaceOf(Command::Help).has_value());
  EXPECT_FALSE(PlaceOf(Command::None).has_value());
}

}  // namespace
}  // namespace gw::test
