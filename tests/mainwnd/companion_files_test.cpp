// The files the program names itself beside a puzzle: a saved game of a large board is held to
// the size of the program's own files, and no saved game or completer list is written through a
// symbolic link that leads out of the puzzle's folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>

#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>
#endif

#include "formats/ForeignFiles.h"
#include "files/FileCommands.h"
#include "files/ToolsCommands.h"
#include "system/FileReplace.h"
#include "state/LargeProgress.h"
#include "state/Paths.h"
#include "state/ProgressFiles.h"
#include "support/TestApp.h"

namespace gw {
namespace {

namespace fs = std::filesystem;

// A w x h picture of stripes, written as a .non in `folder` and opened for play.
struct PlayedPuzzle : test::TestApp {
  test::TempDir dir;
  fs::path folder{dir.path() + "/puzzles"};
  std::string puzzle;

  PlayedPuzzle(int w, int h) {
    Start();
    fs::create_directory(folder);
    PuzzleData d;
    d.width = w;
    d.height = h;
    d.colors = {{"white", 0xFFFFFF, '.'}, {"black", 0x000000, '#'}};
    d.solution.assign(h, std::vector<int>(w, 0));
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) d.solution[y][x] = (x + 2 * y) % 3 == 0;
    DeriveClues(d);
    puzzle = (folder / "p.non").string();
    WriteForeignFile(puzzle, d);
    if (!OpenPuzzleForPlay(app, puzzle)) ADD_FAILURE() << TakeOutput();
    TakeOutput();
    app.puzzle.Grid[1][1] = 1;
    app.document.Dirty = 1;
  }
};

#ifndef _WIN32

// A sparse file of `size` bytes beside a large board's puzzle, offered in a process of at most
// 512 MB: true when it was told as a saved game that does not fit and the board kept.
bool GiantGameRefused(long long size) {
  PlayedPuzzle t(25, 22);
  std::string game = LargeProgressPath(t.puzzle);
  test::WriteFileBytes(game, "");
  fs::resize_file(game, static_cast<std::uintmax_t>(size));
  auto before = std::make_unique<PuzzleState>(t.app.puzzle);
  rlimit limit{512u << 20, 512u << 20};
  setrlimit(RLIMIT_AS, &limit);
  t.Answer("yes");  // go on with the stored game
  t.Answer("ok");   // it does not fit
  t.Answer("no");   // keep the file
  OfferStoredGame(t.app);
  bool told = t.TakeOutput().find("このロジックに合わないので") != std::string::npos;
  return told && std::memcmp(t.app.puzzle.Grid, before->Grid, sizeof before->Grid) == 0;
}

// Its size on the disk refuses it, so it never takes the memory its size claims.
TEST(LargeGameFiles, AFileLargerThanTheProgramsOwnIsRefusedUnread) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer needs more address space than the limit leaves";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  GTEST_SKIP() << "the address sanitizer needs more address space than the limit leaves";
#endif
#endif
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  for (long long size : {(16ll << 20) + 1, 2ll << 30})
    EXPECT_EXIT(std::exit(GiantGameRefused(size) ? 0 : 3), ::testing::ExitedWithCode(0), "") << size << " bytes";
}

// Each companion the program names, reached through a link planted in the puzzle's folder.
struct Companion {
  const char* name;
  int width, height;  // of the puzzle
  std::string (*file)(const PlayedPuzzle&);
  // Writes it as the program does: true when it was written, false when it was refused.
  bool (*save)(PlayedPuzzle&);
};

bool SaveGame(PlayedPuzzle& t) { return SaveProgress(t.app); }

bool SaveCompleterList(PlayedPuzzle& t) {
  CompleterList list;
  try {
    SaveCompleters(t.app, ChangeExt(t.puzzle, "GWB"), "2026/12/09 名前", list);
    return true;
  } catch (const LinkLeadsOut& e) {
    t.app.ui.MsgBox(e.what(), MsgButtons::Ok, MsgIcon::Warning, 1, "");
    return false;
  }
}

const Companion kCompanions[] = {
    {"large game", 25, 22, [](const PlayedPuzzle& t) { return LargeProgressPath(t.puzzle); }, SaveGame},
    {"game", 12, 10, [](const PlayedPuzzle& t) { return ChangeExt(t.puzzle, "gwp"); }, SaveGame},
    {"completers", 12, 10, [](const PlayedPuzzle& t) { return ChangeExt(t.puzzle, "gwb"); }, SaveCompleterList},
};

TEST(CompanionLinks, ALinkOutOfThePuzzlesFolderIsRefusedAndNamed) {
  for (const Companion& c : kCompanions) {
    PlayedPuzzle t(c.width, c.height);
    std::string notes = t.dir.File("notes.txt");
    test::WriteFileBytes(notes, "my notes");
    fs::create_symlink("../notes.txt", c.file(t));
    t.Answer("ok");  // the refusal
    EXPECT_FALSE(c.save(t)) << c.name;
    std::string shown = t.TakeOutput();
    EXPECT_NE(shown.find("フォルダの外の " + notes + " を指すリンクです。"), std::string::npos) << c.name << shown;
    EXPECT_EQ(shown.find("上書きしてもいいですか"), std::string::npos) << c.name << shown;
    EXPECT_EQ(test::ReadFileBytes(notes), "my notes") << c.name;
    EXPECT_TRUE(fs::is_symlink(c.file(t))) << c.name;
  }
}

// A link that stays in the folder, and a folder reached through a link, are written through as
// before: the file the link names gets the content.
TEST(CompanionLinks, LinksThatStayInTheFolderAreWrittenThrough) {
  for (const Companion& c : kCompanions) {
    PlayedPuzzle t(c.width, c.height);
    std::string kept = (t.folder / "kept.txt").string();
    test::WriteFileBytes(kept, "");
    fs::create_symlink("../puzzles/kept.txt", c.file(t));
    t.ui.QueueAnswer(ScriptStep{{"ok"}, 0, true, false});  // the overwrite question, where there is one
    EXPECT_TRUE(c.save(t)) << c.name << t.TakeOutput();
    EXPECT_NE(test::ReadFileBytes(kept), "") << c.name;
    EXPECT_TRUE(fs::is_symlink(c.file(t))) << c.name;
  }
  PlayedPuzzle t(25, 22);
  fs::create_directory_symlink(t.folder, t.dir.File("through"));
  t.app.document.CurPath = t.dir.File("through/p.non");
  EXPECT_TRUE(SaveProgress(t.app)) << t.TakeOutput();
  EXPECT_TRUE(fs::exists(LargeProgressPath(t.puzzle)));
}

#endif

}  // namespace
}  // namespace gw
