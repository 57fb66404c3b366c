#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "system/UserFolder.h"
#include "state/FileTestSupport.h"
#include "support/TestApp.h"

namespace gw {
namespace {

using test::ErrorOf;
using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

// Sets an environment variable for the life of the object (unset when `value` is null).
struct EnvVar {
  EnvVar(const char* name, const char* value) : name(name) {
    const char* old = std::getenv(name);
    had = old != nullptr;
    if (had) saved = old;
    Set(value);
  }
  ~EnvVar() { Set(had ? saved.c_str() : nullptr); }
  void Set(const char* value) {
#ifdef _WIN32
    _putenv_s(name, value ? value : "");  // an empty value removes it
#else
    if (value) setenv(name, value, 1);
    else unsetenv(name);
#endif
  }
  const char* name;
  bool had = false;
  std::string saved;
};

#ifdef _WIN32
TEST(UserFolder, LiesInTheApplicationData) {
  {
    EnvVar data("APPDATA", "C:\\Users\\u\\AppData\\Roaming");
    EXPECT_EQ(UserPuzzleFolder(), "C:\\Users\\u\\AppData\\Roaming\\Gridwick\\puzzles");
  }
  EnvVar none("APPDATA", nullptr);
  EXPECT_EQ(UserPuzzleFolder(), "");
}
#else
TEST(UserFolder, LiesUnderTheDataHomeOrTheHomeFolder) {
  struct Case {
    const char* dataHome;
    const char* home;
    const char* folder;
  } cases[] = {
      {"/data", "/home/u", "/data/gridwick/puzzles"},
      {nullptr, "/home/u", "/home/u/.local/share/gridwick/puzzles"},
      {"", "/home/u", "/home/u/.local/share/gridwick/puzzles"},
      {"relative/data", "/home/u", "/home/u/.local/share/gridwick/puzzles"},  // only absolute paths count
      {nullptr, nullptr, ""},
  };
  for (const Case& c : cases) {
    EnvVar data("XDG_DATA_HOME", c.dataHome);
    EnvVar home("HOME", c.home);
    EXPECT_EQ(UserPuzzleFolder(), c.folder) << (c.dataHome ? c.dataHome : "(unset)");
  }
}
#endif

TEST(UserFolder, IsMadeAndSeededOnceAndThenLeftAsThePlayerLeftIt) {
  TempDir dir;
  std::filesystem::create_directories(dir.File("share/samples"));
  WriteFileBytes(dir.File("share/samples/cat.gwm"), "cat");
  WriteFileBytes(dir.File("share/samples/Gridwick.txt"), "help");
  std::string folder = dir.File("home/.local/share/gridwick/puzzles");
  PrepareUserFolder(folder, dir.File("share/samples"));
  EXPECT_EQ(ReadFileBytes(folder + "/cat.gwm"), "cat");
  EXPECT_EQ(ReadFileBytes(folder + "/Gridwick.txt"), "help");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.File("home/.local/share/gridwick")),
                          std::filesystem::directory_iterator()),
            1) << "nothing but the folder is left beside it";

  std::filesystem::remove(folder + "/cat.gwm");
  WriteFileBytes(folder + "/cat.GWP", "progress");
  PrepareUserFolder(folder, dir.File("share/samples"));
  EXPECT_FALSE(std::filesystem::exists(folder + "/cat.gwm"));
  EXPECT_EQ(ReadFileBytes(folder + "/cat.GWP"), "progress");
}

TEST(UserFolder, WithoutItsSamplesItIsNotMade) {
  TempDir dir;
  std::string folder = dir.File("puzzles");
  EXPECT_NE(ErrorOf([&] { PrepareUserFolder(folder, dir.File("no-samples")); }), 0);
  EXPECT_FALSE(std::filesystem::exists(folder));
}

}  // namespace
}  // namespace gw
