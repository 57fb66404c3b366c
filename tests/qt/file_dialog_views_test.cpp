// The real views of the file dialog and the puzzle list.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "DialogDriver.h"
#include "dialogs/FileDlg.h"
#include "dialogs/FileSel2.h"
#include "mainwnd/MainWnd.h"
#include "frontends/qt/views/DialogView.h"
#include "frontends/qt/QtPlatform.h"
#include "files/FileCommands.h"
#include "support/TestApp.h"

namespace gw {
namespace {

using test::Find;

struct FileViews : ::testing::Test {
  test::TempDir dir;
  QtPlatform ui;
  App app{ui};

  void SetUp() override {
    MainWndLoad(app);
    test::WriteFileBytes(dir.File("cat.gwm"), "cat\r\n\r\n 1  1  1  1 \r\n9 1515151515151515\r\n 11\r\n 11\r\n");
    test::WriteFileBytes(dir.File("dog.gwm"), "dog\r\n\r\n 1  2  1  1 \r\n9 1515151515151515\r\n 11\r\n 11\r\n 01\r\n");
    std::filesystem::create_directory(dir.File("sub"));
  }
};

QListWidgetItem* Item(QListWidget* list, const QString& text) {
  auto found = list->findItems(text, Qt::MatchEndsWith);
  return found.isEmpty() ? nullptr : found.front();
}

TEST_F(FileViews, TheFileDialogShowsItsStateAndForwardsClicks) {
  app.document.CurFileName = "cat.gwm";
  test::WhenModal<DialogView>([&](DialogView& v) {
    EXPECT_EQ(v.windowTitle(), "ファイルを開く");
    QLineEdit* name = Find<QLineEdit>(v, "txtFileDlg");
    EXPECT_EQ(name->text(), "cat.GWM");
    EXPECT_EQ(name->selectedText(), "cat");
    EXPECT_EQ(Find<QLabel>(v, "lblPathName")->text().toStdString(), dir.path());
    EXPECT_EQ(Find<QPushButton>(v, "cmdFileDlg1")->text(), "ｷｬﾝｾﾙ");
    EXPECT_EQ(Find<QComboBox>(v, "drvFileDlg")->currentText(), "/");
    QListWidget* files = Find<QListWidget>(v, "filFileDlg");
    ASSERT_EQ(files->count(), 2);
    QListWidget* folders = Find<QListWidget>(v, "dirFileDlg");
    QListWidgetItem* sub = Item(folders, "sub");
    ASSERT_NE(sub, nullptr);
    emit folders->itemActivated(sub);
    EXPECT_EQ(Find<QLabel>(v, "lblPathName")->text().toStdString(), dir.File("sub"));
    EXPECT_EQ(name->text(), "*.gwm;*.gwc");
    EXPECT_EQ(files->count(), 0);
    emit folders->itemActivated(Item(folders, "sub")->listWidget()->item(folders->count() - 2));
    ASSERT_EQ(files->count(), 2);
    QRect dog = files->visualItemRect(Item(files, "dog.gwm"));
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, dog.center());
    EXPECT_EQ(name->text(), "dog.gwm");
    QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, dog.center());
  });
  OpenForPlay(app, 1);
  EXPECT_EQ(app.puzzle.Title, "dog");
  EXPECT_EQ(app.fileReport.DialogCancelled, 0);
}

// A name in another encoding is shown with U+FFFD but handed to the core as it is on disk, so a
// click puts the real name into the name box and a double click opens the file.
TEST_F(FileViews, ANameThatIsNotUtf8OpensFromTheList) {
  test::WriteFileBytes(dir.File("caf\xE9.gwm"), "cafe\r\n\r\n 1  1  1  1 \r\n9 1515151515151515\r\n 11\r\n 11\r\n");
  test::WhenModal<DialogView>([&](DialogView& v) {
    QListWidget* files = Find<QListWidget>(v, "filFileDlg");
    QListWidgetItem* cafe = Item(files, QString::fromUtf8("caf\xEF\xBF\xBD.gwm"));
    ASSERT_NE(cafe, nullptr);
    QPoint at = files->visualItemRect(cafe).center();
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(Find<QLineEdit>(v, "txtFileDlg")->text(), QString::fromUtf8("caf\xEF\xBF\xBD.gwm"));
    QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, at);
  });
  OpenForPlay(app, 1);
  EXPECT_EQ(app.puzzle.Title, "cafe");
  EXPECT_EQ(app.document.CurFileName, "caf\xE9.gwm");
}

TEST_F(FileViews, ClosingTheFileDialogByItsFrameIsACancel) {
  app.fileReport.DialogCancelled = 0;
  test::WhenModal<DialogView>([&](DialogView& v) { v.close(); });
  OpenForPlay(app, 1);
  EXPECT_EQ(app.fileReport.DialogCancelled, 1);
  EXPECT_EQ(app.puzzle.XSize, 0);
}

TEST_F(FileViews, ThePuzzleListPreselectsTheCurrentFileAndOkOpensTheSelection) {
  test::WriteFileBytes(dir.File("cat.GWB"), "x\r\n");
  app.document.CurFileName = "CAT.GWM";
  test::WhenModal<DialogView>([&](DialogView& v) {
    EXPECT_EQ(v.windowTitle(), "ファイルを開く２");
    EXPECT_EQ(Find<QLabel>(v, "Lbl0")->text().toStdString(), dir.path());
    QTreeWidget* list = Find<QTreeWidget>(v, "List1");
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "cat.gwm ");
    EXPECT_EQ(list->topLevelItem(0)->text(1), "☆\u3000(1×1／ 1色 )cat");
    EXPECT_TRUE(list->topLevelItem(0)->isSelected());
    list->setCurrentItem(list->topLevelItem(1));
    QTest::mouseClick(Find<QPushButton>(v, "Cmd0"), Qt::LeftButton);
  });
  OpenForPlay(app, 2);
  EXPECT_EQ(app.puzzle.Title, "dog");
  EXPECT_EQ(app.puzzle.XSize, 2);
}

}  // namespace
}  // namespace gw
