// The file the program is started with opens by its kind, through the ways in the menus have; a
// file that cannot be opened is told and leaves the window as start-up left it.
#include "files/StartFile.h"

#include <gtest/gtest.h>

#include "state/Document.h"
#include "state/PuzzleState.h"
#include "support/TestApp.h"

namespace gw {
namespace {

using test::ReadFileBytes;
using test::TempDir;
using test::TestApp;
using test::WriteFileBytes;

std::string Sample(const std::string& name) { return ReadFileBytes(std::string(GW_SOURCE_DIR) + "/samples/" + name); }
std::string FormatFile(const std::string& name) {
  return ReadFileBytes(std::string(GW_SOURCE_DIR) + "/tests/formats/files/" + name);
}

struct Started {
  TempDir dir;
  TestApp t;
  Started() {
    t.Start();
    t.TakeOutput();
  }
  const PuzzleState& p() const { return t.app.puzzle; }
  bool Menu(MenuId menu, int index) const { return t.ui.MenuEnabled(menu, index); }
};

// 4 x 2 pixels, black on white.
ImageLoad TwoRowImage(const std::string&, ImagePixels& out) {
  out.width = 4;
  out.height = 2;
  out.rgb = {0x000000, 0xFFFFFF, 0x000000, 0x000000, 0xFFFFFF, 0x000000, 0xFFFFFF, 0x000000};
  return ImageLoad::Read;
}

TEST(OpenStartFile, EachKindOpensWhereItsMenuWouldOpenIt) {
  struct Case {
    const char* file;
    std::string bytes;
    int mode;
    int xSize, ySize;
    const char* caption;  // the window caption after the open
  };
  const std::vector<Case> cases = {
      {"cat.gwm", Sample("cat.gwm"), kModePlay, 10, 10, "グリッドウィック「ひなたぼっこ」cat.gwm"},
      {"heart.gwc", Sample("heart.gwc"), kModePlay, 5, 5, "グリッドウィック「はじめの一問」heart.gwc"},
      {"arrow.non", FormatFile("arrow-mono.non"), kModePlay, 5, 4, "グリッドウィック「Arrow & box」arrow.non"},
      {"stairs.g", FormatFile("stairs-mono.g"), kModePlay, 0, 0, "stairs.g"},
      {"TULIP.GWK", Sample("tulip.gwk"), kModeImage, 12, 0, "グリッドウィック : TULIP.GWK"},
  };
  for (const Case& c : cases) {
    Started s;
    std::string path = s.dir.File(c.file);
    WriteFileBytes(path, c.bytes);
    ASSERT_TRUE(OpenStartFile(s.t.app, path)) << c.file << "\n" << s.t.TakeOutput();
    std::string out = s.t.TakeOutput();
    EXPECT_EQ(s.p().Mode, c.mode) << c.file;
    if (c.xSize) {
      EXPECT_EQ(s.p().XSize, c.xSize) << c.file;
    }
    EXPECT_GT(s.p().YSize, 0) << c.file;
    EXPECT_EQ(s.t.app.document.CurPath, path) << c.file;
    EXPECT_NE(out.find(c.caption), std::string::npos) << c.file << "\n" << out;
    // The menus follow the mode the file opened in.
    EXPECT_EQ(s.Menu(MenuId::Option, 5), c.mode == kModePlay) << c.file << ": 正解かどうか判定";
    EXPECT_EQ(s.Menu(MenuId::Option, 1), c.mode == kModeImage) << c.file << ": 画像の反転";
  }
}

TEST(OpenStartFile, APictureTakesItsTitleFromTheHintFileBesideIt) {
  Started s;
  WriteFileBytes(s.dir.File("tulip.gwk"), Sample("tulip.gwk"));
  WriteFileBytes(s.dir.File("tulip.gwm"), Sample("tulip.gwm"));
  ASSERT_TRUE(OpenStartFile(s.t.app, s.dir.File("tulip.gwk")));
  EXPECT_EQ(s.p().Title, "春の花だん");
  EXPECT_EQ(s.p().Answer, "チューリップ");
}

TEST(OpenStartFile, AStoredGameOpensItsPuzzleWhichOffersIt) {
  Started s;
  WriteFileBytes(s.dir.File("cat.gwm"), Sample("cat.gwm"));
  WriteFileBytes(s.dir.File("cat.GWP"), "");
  s.t.Answer("no");  // go on with the stored game?
  s.t.Answer("no");  // delete it?
  ASSERT_TRUE(OpenStartFile(s.t.app, s.dir.File("cat.GWP")));
  std::string out = s.t.TakeOutput();
  EXPECT_NE(out.find("ディスク上に途中のデータがあります。"), std::string::npos) << out;
  EXPECT_EQ(s.t.app.document.CurFileName, "cat.gwm");
  EXPECT_EQ(s.p().Mode, kModePlay);
}

TEST(OpenStartFile, AnImageGoesToTheDialogThatMakesAPuzzleOfIt) {
  Started s;
  s.t.ui.SetImageDecoder(TwoRowImage);
  std::string path = s.dir.File("stripes.png");
  WriteFileBytes(path, "not decoded here");
  s.t.Steps(DialogKind::ImportImage, {{"size", "10"}, {"ok"}});
  s.t.Answer("ok");  // where the colours go
  ASSERT_TRUE(OpenStartFile(s.t.app, path)) << s.t.TakeOutput();
  std::string out = s.t.TakeOutput();
  EXPECT_NE(out.find("OPEN ImportImage file=\"stripes.png\""), std::string::npos) << out;
  EXPECT_EQ(s.p().Mode, kModeImage);
  EXPECT_EQ(s.p().XSize, 10);
  EXPECT_EQ(s.p().YSize, 5);
  EXPECT_EQ(s.t.app.document.CurFileName, "stripes.gwk");
}

// Whatever the reason, the message names the file and the window stays as start-up left it: play
// mode, no board, the mode's caption and menus.
TEST(OpenStartFile, AFileThatCannotBeOpenedIsToldAndChangesNothing) {
  struct Case {
    const char* file;
    const char* bytes;  // null: no such file
    const char* told;
    const char* answer = "ok";
  };
  const std::vector<Case> cases = {
      {"missing.gwm", nullptr, "ファイルが存在しません"},
      {"notes.txt", "a note", "グリッドウィックでは開けない種類のファイルです。"},
      {"lost.gwp", "", "この途中データの問題ファイル（.gwm か .gwc）が同じフォルダにありません。"},
      {"broken.gwm", "title\r\nanswer\r\nno sizes here\r\n", "エラーOpenForPlay"},
      {"broken.gwk", "99 99\r\n", "プレイできる制限を越えています。"},
      {"short.gwk", "3 2\r\n", "エラーOpenPicture"},
      {"broken.non", "width 3\nheight two\n", "このファイルは読めません。"},
      {"broken.png", "not an image", "画像を読み込めません。"},
  };
  for (const Case& c : cases) {
    Started s;
    std::string path = s.dir.File(c.file);
    if (c.bytes) WriteFileBytes(path, c.bytes);
    s.t.Answer(c.answer);
    EXPECT_FALSE(OpenStartFile(s.t.app, path)) << c.file;
    std::string out = s.t.TakeOutput();
    EXPECT_NE(out.find(c.told), std::string::npos) << c.file << "\n" << out;
    EXPECT_EQ(out.find("CAPTION"), std::string::npos) << c.file << "\n" << out;
    EXPECT_EQ(s.p().Mode, kModePlay) << c.file;
    EXPECT_EQ(s.p().XSize, 0) << c.file;
    EXPECT_TRUE(s.Menu(MenuId::Option, 5)) << c.file;
    EXPECT_FALSE(s.Menu(MenuId::Option, 1)) << c.file;
  }
}

}  // namespace
}  // namespace gw
