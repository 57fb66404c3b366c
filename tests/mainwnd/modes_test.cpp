#include <gtest/gtest.h>

#include "display/BoardLayout.h"
#include "mainwnd/Help.h"
#include "mainwnd/MainWnd.h"
#include "mainwnd/Menus.h"
#include "dialogs/Modecg.h"
#include "state/PuzzleState.h"
#include "support/TestApp.h"

namespace gw {
namespace {

TEST(StartUp, PlayModeWithItsMenusAndTheWindowOverTheTopOfTheScreen) {
  test::TestApp t;
  t.Start();
  EXPECT_EQ(t.app.puzzle.Mode, kModePlay);
  EXPECT_EQ(t.ui.Caption(), "グリッドウィック : プレイモード");
  EXPECT_FALSE(t.ui.MenuEnabled(MenuId::File, 0));
  EXPECT_TRUE(t.ui.MenuEnabled(MenuId::Option, 5));
  EXPECT_TRUE(t.ui.MenuEnabled(MenuId::Option, 7));
  EXPECT_FALSE(t.ui.KeyPreview());
  TwipsRect w = t.ui.WindowGeometry();
  EXPECT_EQ(w.left, 0);
  EXPECT_EQ(w.width, t.ui.ScreenSize().width);
  EXPECT_DOUBLE_EQ(w.height, 0.95 * t.ui.ScreenSize().height);
  EXPECT_EQ(t.app.puzzle.Palette[1], 9);
  EXPECT_EQ(t.app.puzzle.CurColor, 1);
}

TEST(StartUp, ASecondLoadKeepsModeAndSettings) {
  test::TestApp t;
  t.Start();
  t.app.puzzle.Mode = kModeImage;
  t.app.puzzle.CurColor = 4;
  MainWndLoad(t.app);
  EXPECT_EQ(t.app.puzzle.Mode, kModeImage);
  EXPECT_EQ(t.app.puzzle.CurColor, 4);
}

TEST(ModeDialog, OptionsSetModeAtOnceAndOkEmptiesThePuzzle) {
  test::TestApp t;
  t.Start();
  PuzzleState& p = t.app.puzzle;
  p.XSize = p.YSize = 5;
  p.XHintCount = p.YHintCount = 2;
  p.Grid[3][3] = 2;
  p.RowHints[2][1][kHintNumber] = 4;
  p.Title = "kept";
  Modecg dlg;
  ModecgLoad(t.app, dlg);
  EXPECT_EQ(dlg.option, 1);
  dlg.open = true;
  ModecgOptionClick(t.app, dlg, 2);
  EXPECT_EQ(p.Mode, kModeNumber);
  EXPECT_EQ(t.ui.Caption(), "グリッドウィック : プレイモード");  // only OK sets the caption
  ModecgOk(t.app, dlg);
  EXPECT_FALSE(dlg.open);
  EXPECT_EQ(t.ui.Caption(), "グリッドウィック : 数字入力モード");
  EXPECT_TRUE(t.ui.KeyPreview());
  EXPECT_EQ(p.XSize + p.YSize + p.XHintCount + p.YHintCount, 0);
  EXPECT_EQ(p.Grid[3][3], 0);
  EXPECT_EQ(p.RowHints[2][1][kHintNumber], 0);
  EXPECT_EQ(p.Title, "kept");
}

TEST(Routing, KeysReachNumberInputOnlyInThatMode) {
  // With no puzzle every handler must be harmless; routing itself must not crash in any mode.
  test::TestApp t;
  t.Start();
  for (int mode : {kModePlay, kModeNumber, kModeImage}) {
    t.app.puzzle.Mode = mode;
    MainWndKeyDown(t.app, kKeyDown);
    MainWndKeyPress(t.app, '5');
    MainWndKeyPress(t.app, 'x');
    MainWndMouseDown(t.app, kLeftButton, 0, 3.5, 3.5);
    MainWndMouseMove(t.app, kLeftButton, 0, 4.5, 3.5);
  }
  EXPECT_EQ(t.app.layout.DigitBuffer, "");
}

TEST(Help, EachModeHasItsTitleAndText) {
  HelpText play = BuildHelp(kModePlay);
  EXPECT_EQ(play.title, "「１：プレイモード編」");
  EXPECT_EQ(play.text.rfind("グリッドウィック（カラー対応版）「１：プレイモード編」\r\r", 0), 0u);
  EXPECT_EQ(play.text.back(), '\r');
  HelpText number = BuildHelp(kModeNumber);
  EXPECT_EQ(number.title, "「２：数字入力（問題入力）編」");
  const std::string tail = "※数字は２桁で自動リターンします。１桁のときは自分でリターンしてください。";
  EXPECT_EQ(number.text.substr(number.text.size() - tail.size()), tail);
  HelpText image = BuildHelp(kModeImage);
  EXPECT_NE(image.text.find("\r\r「雑誌」などに応募するときは、でき上がったら、必ず自動で解かせましょう。別解"),
            std::string::npos);
}

TEST(Menus, CaptionsAndSeparatorsAsTheMenuBarShowsThem) {
  const auto& bar = MenuBar();
  // The added menus stand between the original four, which keep their order and items.
  std::vector<std::string> captions;
  for (const MenuDef& m : bar) captions.push_back(m.caption);
  // 表示 comes after all of them, so that every menu's place stays.
  EXPECT_EQ(captions, (std::vector<std::string>{"ﾌｧｲﾙ(&F)", "編集(&E)", "ｵﾌﾟｼｮﾝ(&O)", "色変更(&C)",
                                                "ツール(&T)", "About(&A)", "表示(&V)"}));
  ASSERT_EQ(bar.size(), 7u);
  EXPECT_EQ(bar[0].items.size(), 10u);
  EXPECT_EQ(bar[0].items[9].caption, "終了(&X)");
  EXPECT_EQ(bar[2].items[7].caption, "自動で解く(&A)");
  EXPECT_EQ(bar[5].items[0].caption, "バージョン情報");
  std::vector<std::string> view;
  for (const MenuItem& item : bar[6].items) view.push_back(item.caption);
  EXPECT_EQ(view, (std::vector<std::string>{"拡大(&I)", "縮小(&O)", "ウィンドウに合わせる(&F)", "-",
                                            "ヒントをすべて色のマスで表示(&H)", "ポインターの行と列に色を付ける(&L)",
                                            "ステータスバー(&S)"}));
}

}  // namespace
}  // namespace gw
