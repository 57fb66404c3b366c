#include <gtest/gtest.h>

#include "system/PathSyntax.h"
#include "print/Insatu.h"
#include "state/Document.h"
#include "state/WindowState.h"
#include "support/TestApp.h"

namespace gw {
namespace {

using Steps = std::vector<std::vector<std::string>>;

bool Has(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }

constexpr const char* kOffer =
    "MSG title=\"グリッドウィック\" buttons=yesno icon=warning default=1 \"印刷できませんでした。\\r";

// The print dialog on a 15 × 20 board with 10 × 8 hint slots, in an empty folder.
struct PrintDialog : ::testing::Test {
  test::TempDir dir;
  test::TestApp t;
  ScriptedPrinter& printer = static_cast<ScriptedPrinter&>(t.ui.GetPrinter());

  void SetUp() override {
    t.Start();
    test::MakeBoard(t.app, 15, 20, 10, 8);
    t.app.document.CurFileName = "cat.GWM";
    t.TakeOutput();
  }
  // Runs the dialog through the steps, which must close it.
  std::string Run(Steps steps) {
    t.Steps(DialogKind::Insatu, std::move(steps));
    RunPrintDialog(t.app);
    EXPECT_FALSE(t.ui.RequiredLeftover()) << "an answer was left unused";
    return t.TakeOutput();
  }
};

TEST_F(PrintDialog, OpensWithItsDefaultsAndTheSizeLine) {
  std::string out = Run({{"back"}});
  EXPECT_TRUE(Has(out, "OPEN Insatu Txt0=\"25\" Txt1=\"25\" Txt2=\"2.5\" color=0 "
                       "size=\" 62.5 × 70 の大きさになります。（単位mm）\"\n")) << out;
  EXPECT_TRUE(Has(out, "CLOSE Insatu\n"));
  EXPECT_FALSE(Has(out, "PRINT"));
}

TEST_F(PrintDialog, TypingTheCellSizeRewritesTheSizeLineWithoutTheUnit) {
  std::string out = Run({{"text", "2", "4"}, {"show"}, {"text", "0", "10"}, {"show"}, {"back"}});
  EXPECT_TRUE(Has(out, "SHOW Insatu Txt0=\"25\" Txt1=\"25\" Txt2=\"4\" color=0 "
                       "size=\" 100 × 112 の大きさになります。\"\n")) << out;
  EXPECT_TRUE(Has(out, "SHOW Insatu Txt0=\"10\" Txt1=\"25\" Txt2=\"4\" color=0 "
                       "size=\" 100 × 112 の大きさになります。\"\n")) << out;
}

TEST_F(PrintDialog, ColourPrinterBoxLastsForTheRun) {
  Run({{"color", "1"}, {"back"}});
  EXPECT_EQ(t.app.wnd.ColorPrinter, 1);
  std::string again = Run({{"back"}});
  EXPECT_TRUE(Has(again, "OPEN Insatu Txt0=\"25\" Txt1=\"25\" Txt2=\"2.5\" color=1")) << again;
}

TEST_F(PrintDialog, PrintsWithTheBusyPointerThenCloses) {
  std::string out = Run({{"text", "0", "12.5"}, {"print"}});
  size_t busy = out.find("POINTER busy\n"), end = out.find("PRINT end\n");
  size_t normal = out.find("POINTER normal\n"), close = out.find("CLOSE Insatu\n");
  ASSERT_NE(end, std::string::npos) << out;
  EXPECT_LT(busy, out.find("PRINT font"));
  EXPECT_LT(end, normal);
  EXPECT_LT(normal, close);
  EXPECT_TRUE(Has(out, "PRINT line 12.5 45 75 45 width=3 color=0")) << out;
}

TEST_F(PrintDialog, ACellOfNoSizeIsRefusedAndTheDialogStaysOpen) {
  t.Answer("ok");
  t.Answer("ok");
  std::string out = Run({{"text", "2", "abc"}, {"print"}, {"text", "2", "-2"}, {"print"}, {"show"}, {"back"}});
  EXPECT_TRUE(Has(out, "\"セル間隔には 0 より大きい数を入力してください。\" -> ok")) << out;
  EXPECT_FALSE(Has(out, "PRINT"));
  EXPECT_TRUE(Has(out, "SHOW Insatu")) << out;
}

TEST_F(PrintDialog, ANumberTooLongToHoldIsRefused) {
  t.Answer("ok");
  std::string out = Run({{"text", "1", std::string(400, '9')}, {"print"}, {"back"}});
  EXPECT_TRUE(Has(out, "\"数字が大きすぎます。\" -> ok")) << out;
  EXPECT_FALSE(Has(out, "PRINT"));
}

TEST_F(PrintDialog, WithoutAPrinterTheUserIsToldAndMaySaveAPdf) {
  printer.SetCondition(PrinterCondition::Missing);
  t.Answer("yes");
  t.Reply("neko");
  t.Answer("ok");
  std::string out = Run({{"print"}});
  EXPECT_TRUE(Has(out, std::string(kOffer) + "プリンタが見つかりません。\\r"
                                             "代わりにPDFファイルとして保存しますか？\" -> yes\n")) << out;
  EXPECT_TRUE(Has(out, "INPUT title=\"PDFファイルに保存\" prompt=\"保存するPDFファイルの名前を入力してください。\" "
                       "default=\"cat.pdf\" -> \"neko\"\n")) << out;
  EXPECT_TRUE(Has(out, "PRINT pdf \"neko.pdf\"\n"));
  EXPECT_TRUE(Has(out, "PRINT end\n"));
  // The name typed has no folder: the box says where the file went.
  std::string where = AbsoluteFolder(CurrentDirectory(), "neko.pdf");
  // The output escapes a Windows path's backslashes as it escapes every one.
  for (size_t at = where.find('\\'); at != std::string::npos; at = where.find('\\', at + 2)) where.insert(at, 1, '\\');
  EXPECT_TRUE(Has(out, "\"PDFファイル「neko.pdf」に保存しました。\\r保存先: " + where + "\" -> ok\n"))
      << out;
  EXPECT_TRUE(Has(out, "CLOSE Insatu\n"));
}

TEST_F(PrintDialog, DecliningThePdfKeepsTheDialogOpen) {
  printer.SetCondition(PrinterCondition::Missing);
  t.Answer("no");
  std::string out = Run({{"print"}, {"show"}, {"back"}});
  EXPECT_FALSE(Has(out, "PRINT"));
  EXPECT_FALSE(Has(out, "INPUT"));
  EXPECT_LT(out.find("SHOW Insatu"), out.find("CLOSE Insatu")) << out;
}

TEST_F(PrintDialog, AFailedSendIsToldAndACancelledNameWritesNothing) {
  printer.SetCondition(PrinterCondition::Fails);
  t.Answer("yes");
  t.ReplyCancel();
  std::string out = Run({{"print"}, {"show"}, {"back"}});
  EXPECT_TRUE(Has(out, "PRINT failed\n")) << out;
  EXPECT_TRUE(Has(out, std::string(kOffer) + "プリンタに送ることができませんでした。\\r")) << out;
  EXPECT_FALSE(Has(out, "PRINT pdf"));
  EXPECT_LT(out.find("SHOW Insatu"), out.find("CLOSE Insatu")) << out;
}

TEST_F(PrintDialog, AnExistingPdfIsReplacedOnlyWhenTheUserSaysSo) {
  printer.SetCondition(PrinterCondition::Missing);
  test::WriteFileBytes(dir.File("old.PDF"), "keep");
  t.Answer("yes");
  t.Reply("old.PDF");
  t.Answer("no");
  std::string out = Run({{"print"}, {"show"}, {"back"}});
  EXPECT_TRUE(Has(out, "buttons=yesno icon=question default=2 \"「old.PDF」は既にあります。\\r上書きしますか？\" -> no"))
      << out;
  EXPECT_FALSE(Has(out, "PRINT pdf"));
  EXPECT_EQ(test::ReadFileBytes(dir.File("old.PDF")), "keep");
}

}  // namespace
}  // namespace gw
