// The real printer class: a PDF file page, the missing printer, and (run by
// tests/print/cups_print_test.sh) the system's default printer through CUPS.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QThread>

#include "PrintedPage.h"
#include "platform/qt/QtPrinter.h"
#include "print/PrintPage.h"
#include "support/TestApp.h"

namespace gw {
namespace {

struct QtPrinterPage : ::testing::Test {
  test::TestApp t;
  QtPrinter printer;

  void SetUp() override {
    t.Start();
    test::MakePrintablePuzzle(t.app);
  }
  void Print() { PrintPuzzle(t.app, printer, {25, 25, test::kTestCellMm}); }
};

TEST_F(QtPrinterPage, APdfFileHoldsThePuzzleAndItsTitleLines) {
  QTemporaryDir dir;
  QString pdf = dir.filePath("neko.pdf");
  ASSERT_TRUE(printer.BeginPdf(pdf.toStdString())) << printer.LastError();
  Print();
  ASSERT_TRUE(printer.End()) << printer.LastError();
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5).startsWith("%PDF"));
  if (!test::HavePdfTools()) GTEST_SKIP() << "pdftoppm and pdftotext are not installed";
  test::ExpectPrintedPuzzle(test::RenderPdf(pdf));
  QString text = test::PdfText(pdf);
  EXPECT_TRUE(text.contains("「ねこのしっぽ」 ( neko.GWM )")) << text.toStdString();
  EXPECT_TRUE(text.contains("グリッドウィック")) << text.toStdString();
}

TEST_F(QtPrinterPage, APdfInAMissingFolderFailsWithItsReason) {
  EXPECT_FALSE(printer.BeginPdf("/nonexistent-folder/x.pdf"));
  EXPECT_EQ(printer.LastError(), kPdfFailedText);
  EXPECT_FALSE(printer.End());
}

TEST_F(QtPrinterPage, AbsurdSizesStillMakeAPage) {
  QTemporaryDir dir;
  ASSERT_TRUE(printer.BeginPdf(dir.filePath("big.pdf").toStdString()));
  PrintPuzzle(t.app, printer, {-1e12, 1e15, 1e300});
  EXPECT_TRUE(printer.End());
}

TEST_F(QtPrinterPage, WithoutADefaultPrinterBeginSaysSo) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a default printer";
  EXPECT_FALSE(printer.Begin());
  EXPECT_EQ(printer.LastError(), kNoPrinterText);
}

// The newest PDF in the folder written after `since`, waiting up to a minute for it.
QString AwaitPdf(const QString& folder, const QDateTime& since) {
  for (int i = 0; i < 600; ++i) {
    for (const QFileInfo& f : QDir(folder).entryInfoList({"*.pdf"}, QDir::Files, QDir::Time))
      if (f.lastModified() >= since && f.size() > 0) {
        QThread::msleep(500);  // let the writer finish
        return f.absoluteFilePath();
      }
    QThread::msleep(100);
  }
  return {};
}

TEST_F(QtPrinterPage, TheDefaultPrinterPrintsThePage) {
  QString folder = qEnvironmentVariable("GW_CUPS_PDF_DIR");
  if (folder.isEmpty()) GTEST_SKIP() << "run by tests/print/cups_print_test.sh with a CUPS test printer";
  QDateTime since = QDateTime::currentDateTime().addSecs(-1);
  ASSERT_TRUE(printer.Begin()) << printer.LastError();
  Print();
  ASSERT_TRUE(printer.End()) << printer.LastError();
  QString pdf = AwaitPdf(folder, since);
  ASSERT_FALSE(pdf.isEmpty()) << "the printer wrote no PDF into " << folder.toStdString();
  // The print filters turn the fonts into outlines without text, so only the picture is checked.
  QImage page = test::RenderPdf(pdf);
  test::ExpectPrintedPuzzle(page);
  QString shots = qEnvironmentVariable("GW_SHOT_DIR");
  if (!shots.isEmpty()) {
    QFile::remove(shots + "/cups-printed.pdf");
    QFile::copy(pdf, shots + "/cups-printed.pdf");
    page.save(shots + "/cups-printed-page.png");
  }
  QFile::remove(pdf);
}

}  // namespace
}  // namespace gw
