// The settings file: its exact format, field-oriented reading, and files that are short,
// garbled or cannot be written.
#include "display/BoardLayout.h"
#include "settings/Options.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "state/PuzzleState.h"
#include "support/TestApp.h"

namespace gw {
namespace {

const char* const kDefaultFile =
    " 0 \r\n 1 \r\n 8421631 \r\n 33023 \r\n 8388863 \r\n"
    " 16777215 \r\n 16777215 \r\n 16777215 \r\n 16777215 \r\n 16777215 \r\n 16777215 \r\n"
    " 16777215 \r\n 16777215 \r\n 16777215 \r\n 16777215 \r\n 16777215 \r\n 16777215 \r\n"
    " 16777215 \r\n";

struct Loaded : test::TestApp {
  Loaded() { LoadSettings(app); }
  int Mark() const { return app.puzzle.MarkStyle; }
  int Check() const { return app.puzzle.AutoCheck; }
  Rgb Color(int i) const { return app.colors.ColorTable[i]; }
};

void ExpectDefaultsFrom(const Loaded& s, int firstColour) {
  const Rgb defaults[3] = {8421631, 33023, 8388863};
  for (int i = firstColour; i < 32; ++i)
    EXPECT_EQ(s.Color(i), i < 19 ? defaults[i - 16] : 16777215) << "ColorTable " << i;
}

TEST(LoadSettings, WithoutAFileTheDefaultsAndTheStartPalette) {
  test::TempDir dir;
  Loaded s;
  EXPECT_EQ(s.Mark(), 0);
  EXPECT_EQ(s.Check(), 1);
  EXPECT_EQ(s.Color(0), 0);
  EXPECT_EQ(s.Color(4), MakeRgb(128, 0, 0));
  EXPECT_EQ(s.Color(9), MakeRgb(0, 0, 255));
  EXPECT_EQ(s.Color(14), MakeRgb(255, 255, 0));
  EXPECT_EQ(s.Color(15), 16777215);
  ExpectDefaultsFrom(s, 16);
  EXPECT_EQ(s.app.puzzle.Palette[1], 9);
  for (int k = 2; k <= 9; ++k) EXPECT_EQ(s.app.puzzle.Palette[k], 15);
  EXPECT_EQ(s.app.puzzle.CurColor, 1);
}

TEST(SaveSettings, TheDefaultsAreEighteenLinesByteForByteAndReadBackTheSame) {
  test::TempDir dir;
  Loaded s;
  EXPECT_TRUE(SaveSettings(s.app));
  EXPECT_EQ(test::ReadFileBytes(dir.File("gridwick.ini")), kDefaultFile);
  Loaded again;
  EXPECT_EQ(again.Mark(), 0);
  EXPECT_EQ(again.Check(), 1);
  ExpectDefaultsFrom(again, 16);
}

TEST(SaveSettings, ChangedValuesRoundTrip) {
  test::TempDir dir;
  Loaded s;
  s.app.puzzle.MarkStyle = 2;
  s.app.puzzle.AutoCheck = 0;
  s.app.colors.ColorTable[20] = 123456;
  s.app.colors.ColorTable[31] = -7;
  ASSERT_TRUE(SaveSettings(s.app));
  std::string bytes = test::ReadFileBytes(dir.File("gridwick.ini"));
  EXPECT_EQ(bytes.substr(0, 12), " 2 \r\n 0 \r\n 8");
  EXPECT_NE(bytes.find("\r\n 123456 \r\n"), std::string::npos);
  EXPECT_EQ(bytes.substr(bytes.size() - 5), "-7 \r\n");
  Loaded again;
  EXPECT_EQ(again.Mark(), 2);
  EXPECT_EQ(again.Check(), 0);
  EXPECT_EQ(again.Color(20), 123456);
  EXPECT_EQ(again.Color(31), -7);
}

TEST(LoadSettings, CommasAndBlanksSeparateAsWellAsLines) {
  test::TempDir dir;
  std::string colours;
  for (int i = 0; i < 16; ++i) colours += (i ? "," : "") + std::to_string(100 + i);
  test::WriteFileBytes(dir.File("gridwick.ini"), "2,0\r\n" + colours + "\r\n");
  Loaded s;
  EXPECT_EQ(s.Mark(), 2);
  EXPECT_EQ(s.Check(), 0);
  for (int i = 16; i < 32; ++i) EXPECT_EQ(s.Color(i), 100 + i - 16);
  test::WriteFileBytes(dir.File("gridwick.ini"), "1 0 5   6\t7\n8");
  Loaded blanks;
  EXPECT_EQ(blanks.Mark(), 1);
  EXPECT_EQ(blanks.Check(), 0);
  EXPECT_EQ(blanks.Color(16), 5);
  EXPECT_EQ(blanks.Color(19), 8);
  ExpectDefaultsFrom(blanks, 20);
}

TEST(LoadSettings, AShortFileKeepsTheDefaultsForWhatItLacks) {
  test::TempDir dir;
  test::WriteFileBytes(dir.File("gridwick.ini"), " 1 \r\n 0 \r\n 255 \r\n");
  Loaded s;
  EXPECT_EQ(s.Mark(), 1);
  EXPECT_EQ(s.Check(), 0);
  EXPECT_EQ(s.Color(16), 255);
  ExpectDefaultsFrom(s, 17);
  test::WriteFileBytes(dir.File("gridwick.ini"), "");
  Loaded empty;
  EXPECT_EQ(empty.Mark(), 0);
  EXPECT_EQ(empty.Check(), 1);
  ExpectDefaultsFrom(empty, 16);
}

TEST(LoadSettings, ANumberThatCannotBeReadKeepsItsDefaultAndTheRestIsRead) {
  test::TempDir dir;
  // A number too big for the mark style, text, digits run into a letter.
  test::WriteFileBytes(dir.File("gridwick.ini"), "99999\r\nabc\r\n12x\r\n 7.5 \r\n");
  Loaded s;
  EXPECT_EQ(s.Mark(), 0);
  EXPECT_EQ(s.Check(), 1);
  EXPECT_EQ(s.Color(16), 8421631);
  EXPECT_EQ(s.Color(17), 8);  // halves round to even
  ExpectDefaultsFrom(s, 18);
}

TEST(LoadSettings, BinaryGarbageGivesTheDefaults) {
  test::TempDir dir;
  std::string junk;
  for (int i = 0; i < 600; ++i) {
    char c = static_cast<char>((i * 37 + 11) % 256);
    junk += c >= '0' && c <= '9' ? '\x81'
                                 : c;  // every byte but the digits, NUL and lone lead bytes too
  }
  test::WriteFileBytes(dir.File("gridwick.ini"), junk);
  Loaded s;
  EXPECT_EQ(s.Mark(), 0);
  EXPECT_EQ(s.Check(), 1);
  ExpectDefaultsFrom(s, 16);
  EXPECT_EQ(s.Color(9), MakeRgb(0, 0, 255));
}

TEST(LoadSettings, TheNameIsFoundWhateverItsCase) {
  test::TempDir dir;
  test::WriteFileBytes(dir.File("GRIDWICK.INI"), "1\r\n");
  Loaded s;
  EXPECT_EQ(s.Mark(), 1);
}

TEST(SaveSettings, AFileThatCannotBeWrittenIsToldAndTheOldOneStays) {
  test::TempDir dir;
  // A folder in the file's place cannot be replaced by a file, not even by root.
  std::filesystem::create_directory(dir.File("gridwick.ini"));
  test::WriteFileBytes(dir.File("gridwick.ini/keep"), "kept");
  Loaded s;
  s.Answer("ok");
  EXPECT_FALSE(SaveSettings(s.app));
  std::string shown = s.TakeOutput();
  EXPECT_EQ(shown.rfind("MSG title=\"グリッドウィック\" buttons=ok icon=warning default=1 \"", 0),
            0u)
      << shown;
  EXPECT_NE(shown.find("gridwick.ini"), std::string::npos);
  EXPECT_EQ(test::ReadFileBytes(dir.File("gridwick.ini/keep")), "kept");
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("gridwick.ini")));
}

}  // namespace
}  // namespace gw

namespace gw {
namespace {

// The 表示 options after the numbers: nothing for the defaults, "Name=1" for one turned on, and
// the line tint's choice once made, either way.
TEST(SaveSettings, TheDisplayOptionsFollowTheNumbersOnlyWhenChosen) {
  struct Case {
    bool filled, status;
    int tint;
    const char* tail;
  } cases[] = {
      {false, false, Options::kAuto, " 16777215 \r\n"},
      {true, false, Options::kAuto, " 16777215 \r\nFilledHints=1\r\n"},
      {false, true, Options::kOff, " 16777215 \r\nStatusBar=1\r\nLineTint=0\r\n"},
      {true, true, Options::kOn, " 16777215 \r\nFilledHints=1\r\nStatusBar=1\r\nLineTint=1\r\n"},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    Loaded s;
    s.app.options.filledHints = c.filled;
    s.app.options.statusBar = c.status;
    s.app.options.lineTint = c.tint;
    ASSERT_TRUE(SaveSettings(s.app));
    std::string bytes = test::ReadFileBytes(dir.File("gridwick.ini"));
    std::string tail = c.tail;
    ASSERT_GE(bytes.size(), tail.size());
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail) << c.tint;
    EXPECT_EQ(bytes.substr(0, std::string(kDefaultFile).size()), kDefaultFile);
    Loaded again;
    EXPECT_EQ(again.app.options.filledHints, c.filled);
    EXPECT_EQ(again.app.options.statusBar, c.status);
    EXPECT_EQ(again.app.options.lineTint, c.tint);
  }
}

}  // namespace
}  // namespace gw
