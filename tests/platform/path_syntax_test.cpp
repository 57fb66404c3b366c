#include <gtest/gtest.h>

#include <random>
#ifndef _WIN32
#include <fnmatch.h>
#endif

#include "system/Directory.h"
#include "system/PathSyntax.h"
#include "state/Paths.h"

namespace gw {
namespace {

constexpr PathStyle kPosix = PathStyle::Posix;
constexpr PathStyle kWindows = PathStyle::Windows;

struct FolderCase {
  PathStyle style;
  const char* base;
  const char* path;
  const char* absolute;
};

TEST(PathSyntax, FoldersResolveByNameInBothStyles) {
  const FolderCase cases[] = {
      {kPosix, "/a/b", "..", "/a"},
      {kPosix, "/a", "b\\c", "/a/b\\c"},  // a backslash is part of a POSIX name
      {kWindows, "C:\\a\\b", "..", "C:\\a"},
      {kWindows, "C:\\a\\b", "../c/./d", "C:\\a\\c\\d"},
      {kWindows, "c:\\a", "b", "C:\\a\\b"},
      {kWindows, "C:\\a", "\\x\\y\\", "C:\\x\\y"},
      {kWindows, "D:\\a", "/x", "D:\\x"},
      {kWindows, "C:\\a", "d:/x//y", "D:\\x\\y"},
      {kWindows, "C:\\a", "E:", "E:\\"},
      {kWindows, "C:\\", "..\\..", "C:\\"},
      {kWindows, "\\\\srv\\share\\a", "..\\..", "\\\\srv\\share\\"},
      {kWindows, "\\\\srv\\share", "b", "\\\\srv\\share\\b"},
  };
  for (const FolderCase& c : cases)
    EXPECT_EQ(AbsoluteFolder(c.base, c.path, c.style), c.absolute) << c.base << " + " << c.path;
}

TEST(PathSyntax, ChainsRootsNamesAndDrives) {
  EXPECT_EQ(FolderChain("C:\\Users\\u", kWindows), (std::vector<std::string>{"C:\\", "C:\\Users", "C:\\Users\\u"}));
  EXPECT_EQ(FolderChain("C:\\", kWindows), std::vector<std::string>{"C:\\"});
  EXPECT_EQ(FolderChain("\\\\srv\\share\\x", kWindows),
            (std::vector<std::string>{"\\\\srv\\share\\", "\\\\srv\\share\\x"}));
  EXPECT_EQ(NameStart("a/b\\c.gwm", kWindows), 4u);
  EXPECT_EQ(NameStart("a/b\\c.gwm", kPosix), 2u);
  EXPECT_EQ(NameStart("C:cat.gwm", kWindows), 2u);
  EXPECT_EQ(NameStart("C:cat.gwm", kPosix), 0u);
  EXPECT_EQ(RootLength("\\\\srv\\share\\x", kWindows), 12u);
  EXPECT_EQ(RootLength("\\x", kWindows), 1u);
  EXPECT_EQ(RootLength("x\\y", kWindows), 0u);

  EXPECT_TRUE(Within("c:\\Games\\x", "C:\\games", kWindows));
  EXPECT_FALSE(Within("C:\\gamesx", "C:\\games", kWindows));
  EXPECT_FALSE(Within("/ab", "/a", kPosix));
  EXPECT_FALSE(Within("/A/b", "/a", kPosix));
  const std::vector<std::string> drives{"C:\\", "D:\\"};
  EXPECT_EQ(DriveOf("c:\\games\\x", drives, kWindows), "C:\\") << "spelled as the drive list spells it";
  EXPECT_EQ(DriveOf("E:\\x", drives, kWindows), "E:\\") << "a drive the list lacks is still the folder's";
  EXPECT_EQ(DriveOf("/usr/x", {"/", "/usr"}, kPosix), "/usr");
}

// The program's own path helpers take either separator where the system does.
TEST(PathSyntax, JoinAndChangeExtUnderstandTheSystemsSeparators) {
  EXPECT_EQ(ChangeExt("my.dir/cat", "GWB"), "my.dir/cat.GWB");
  EXPECT_EQ(JoinPath("a/", "b"), "a/b");
  if (kNativePathStyle == PathStyle::Windows) {
    EXPECT_EQ(ChangeExt("my.dir\\cat", "GWB"), "my.dir\\cat.GWB");
    EXPECT_EQ(JoinPath("C:\\", "b"), "C:\\b");
    EXPECT_EQ(JoinPath("C:\\a", "b"), "C:\\a\\b");
  } else {
    EXPECT_EQ(ChangeExt("my\\dir.x", "GWB"), "my\\dir.GWB");
    EXPECT_EQ(JoinPath("/a", "b"), "/a/b");
  }
}

// The split the dialogs and the library use: at the last separator of either kind, on every system.
TEST(PathSyntax, SplitsANameFromItsFolderAtTheLastSeparatorOfEitherKind) {
  struct Case {
    const char* path;
    const char* folder;
    const char* name;
  };
  for (const Case& c : std::initializer_list<Case>{{"cat.non", "", "cat.non"},
                                                  {"/home/u/cat.non", "/home/u", "cat.non"},
                                                  {"C:\\puz\\cat.non", "C:\\puz", "cat.non"},
                                                  {"a\\b/c.d", "a\\b", "c.d"},
                                                  {"/cat", "", "cat"},
                                                  {"dir/", "dir", ""}}) {
    EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
    EXPECT_EQ(FileNameOf(c.path), c.name) << c.path;
  }
}

// Random paths of parts, dots and separators: a resolved folder resolves to itself, is the last of
// its own chain, and every link of the chain contains it.
TEST(PathSyntax, ResolvedFoldersAreFixedPointsOfResolution) {
  std::mt19937 random(7);
  const char* parts[] = {"a", "Bc", ".", "..", "", "x.y"};
  for (PathStyle style : {kPosix, kWindows}) {
    const char* roots[] = {style == kPosix ? "/" : "C:\\", style == kPosix ? "/" : "d:/", ""};
    const char* seps[] = {"/", style == kPosix ? "/" : "\\"};
    for (int n = 0; n < 2000; ++n) {
      std::string path = roots[random() % 3];
      for (int k = random() % 6; k > 0; --k) path += std::string(parts[random() % 6]) + seps[random() % 2];
      std::string base = style == kPosix ? "/base/dir" : "C:\\base\\dir";
      std::string folder = AbsoluteFolder(base, path, style);
      EXPECT_EQ(AbsoluteFolder("/elsewhere", folder, style), folder) << path;
      std::vector<std::string> chain = FolderChain(folder, style);
      EXPECT_EQ(chain.back(), folder) << path;
      for (const std::string& link : chain) EXPECT_TRUE(Within(folder, link, style)) << folder << " in " << link;
      EXPECT_EQ(folder.find(style == kPosix ? "//" : "\\\\", 1), std::string::npos) << folder;  // a share starts with two
    }
  }
}

struct PatternCase {
  const char* name;
  const char* pattern;
  bool matches;
};

TEST(Patterns, WildcardsSetsAndCase) {
  const PatternCase cases[] = {
      {"cat.GWM", "*.gwm", true},   {"cat.gwmx", "*.gwm", false}, {".hidden.gwm", "*.gwm", true},
      {"a.gwc", "?.gwc", true},     {"ab.gwc", "?.gwc", false},   {"猫.gwc", "?.gwc", true},
      {"my cat", "*[*;> ,+|/]*", true}, {"cat", "*[*;> ,+|/]*", false}, {"a/b", "*[*;> ,+|/]*", true},
      {"b", "[a-c]", true},         {"B", "[a-c]", true},         {"d", "[a-c]", false},
      {"d", "[!a-c]", true},        {"]", "[]]", true},           {"[", "[", true},
      {"", "*", true},              {"", "?", false},             {"abc", "a*c*", true},
  };
  for (const PatternCase& c : cases) EXPECT_EQ(MatchesPattern(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
}

#ifndef _WIN32
// The matcher stands in for the C library's fnmatch, which Windows lacks: on ASCII names they agree
// (backslash left out: fnmatch takes it as an escape, the program's patterns never hold one).
TEST(Patterns, AgreeWithFnmatchOnRandomAsciiNamesAndPatterns) {
  std::mt19937 random(11);
  const std::string nameChars = "aBc.-]";
  const std::string patternChars = "aBc.-*?[]!";
  auto make = [&](const std::string& from, int most) {
    std::string s;
    for (int k = random() % (most + 1); k > 0; --k) s += from[random() % from.size()];
    return s;
  };
  for (int n = 0; n < 20000; ++n) {
    std::string name = make(nameChars, 5);
    std::string pattern = make(patternChars, 6);
    bool expected = ::fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD) == 0;
    ASSERT_EQ(MatchesPattern(name, pattern), expected) << name << " ~ " << pattern;
  }
}
#endif

}  // namespace
}  // namespace gw
