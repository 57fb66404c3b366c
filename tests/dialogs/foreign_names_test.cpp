// A file named in another encoding (the Latin-1 byte 0xE9 for é) is the same file to both
// dialogs: the file dialog's extension check sees "gwm" as the puzzle list does, and both open it.
#include <gtest/gtest.h>

#include "dialogs/FileDlg.h"
#include "dialogs/FileSel2.h"
#include "support/TestApp.h"

namespace gw {
namespace {

using test::TempDir;
using test::TestApp;
using test::WriteFileBytes;

const std::string kPuzzle = "t\r\n\r\n 1  1  1  1 \r\n9 1515151515151515\r\n 11\r\n 11\r\n";

// Windows keeps names in UTF-16, which the program reads as UTF-8: there such a name cannot arise.
#ifndef _WIN32
TEST(ForeignNames, BothDialogsOpenANameThatIsNotUtf8) {
  for (const std::string name : {"\xE9.gwm", "caf\xE9.gwm", "\xC3.gwm", "\xE3\x81.gwm"}) {
    TempDir dir;
    WriteFileBytes(dir.File(name), kPuzzle);

    TestApp byDialog;
    byDialog.Start();
    byDialog.TakeOutput();
    FileDlg dlg;
    dlg.caption = kOpenCaption;
    dlg.pattern = "*.gwm;*.gwc";
    dlg.open = true;
    FileDlgLoad(byDialog.app, dlg);
    ASSERT_EQ(dlg.files, std::vector<std::string>{name});
    FileDlgFileDoubleClick(byDialog.app, dlg, dlg.files[0]);
    std::string out = byDialog.TakeOutput();
    EXPECT_EQ(out.find("拡張子がちがいます。"), std::string::npos) << out;
    EXPECT_EQ(byDialog.app.document.CurFileName, name);

    TestApp byList;
    byList.Start();
    FileSel2 list;
    list.open = true;
    FileSel2Load(byList.app, list);
    FileSel2DoubleClick(byList.app, list, 0);
    EXPECT_EQ(byList.app.document.CurFileName, name);
    EXPECT_EQ(byList.app.puzzle.Title, byDialog.app.puzzle.Title);
  }
}
#endif

}  // namespace
}  // namespace gw
