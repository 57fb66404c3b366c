#include "frontends/qt/QtPlatform.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <cmath>

#include "Messages.h"
#include "App.h"
#include "mainwnd/MainWnd.h"
#include "system/Convert.h"
#include "frontends/qt/views/LibraryView.h"
#include "frontends/qt/MainWindow.h"
#include "frontends/qt/QtPrinter.h"
#include "frontends/qt/QtTr.h"
#include "frontends/qt/views/Views.h"

namespace gw {

QString ShownText(const std::string& text) {
  QString t = QString::fromStdString(text);
  t.replace("\r\n", "\n");
  t.replace('\r', '\n');
  return t;
}

QtPlatform::QtPlatform() : printer_(std::make_unique<QtPrinter>()) {
  // The board prints only hint numbers, each at the top-left corner of its slot.
  images_[int(SurfaceId::Main)] =
      std::make_unique<ImageSurface>(QColor(0xF0, 0xF0, 0xF0), ImageSurface::TextBox::UnitSquare);
  images_[int(SurfaceId::Pic0)] = std::make_unique<ImageSurface>(QColor(Qt::white));
  images_[int(SurfaceId::Pic1)] = std::make_unique<ImageSurface>(QColor(Qt::white));
  images_[int(SurfaceId::CustPic)] = std::make_unique<ImageSurface>(QColor(Qt::white));
  sinceShown_.start();
}

QtPlatform::~QtPlatform() = default;

ImageSurface& QtPlatform::Image(SurfaceId id) { return *images_[static_cast<int>(id)]; }

MsgResult QtPlatform::MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                             int defaultButton, const std::string& title) {
  if (window_) window_->board()->update();  // the box must not stand over a stale picture
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(QString::fromStdString(title.empty() ? Tr(kAppCaption) : title));
  box.setText(ShownText(text));
  box.setIcon(icon == MsgIcon::Warning ? QMessageBox::Warning
              : icon == MsgIcon::Question ? QMessageBox::Question
                                          : QMessageBox::NoIcon);
  QList<QMessageBox::StandardButton> order;
  switch (buttons) {
    case MsgButtons::Ok: order = {QMessageBox::Ok}; break;
    case MsgButtons::OkCancel: order = {QMessageBox::Ok, QMessageBox::Cancel}; break;
    case MsgButtons::YesNo: order = {QMessageBox::Yes, QMessageBox::No}; break;
    case MsgButtons::YesNoCancel: order = {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}; break;
  }
  for (auto b : order) box.addButton(b);
  int d = std::clamp(defaultButton, 1, static_cast<int>(order.size())) - 1;
  box.setDefaultButton(order[d]);
  if (order.contains(QMessageBox::Cancel)) box.setEscapeButton(QMessageBox::Cancel);
  else if (order.size() == 1) box.setEscapeButton(QMessageBox::Ok);
  auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
  switch (answer) {
    case QMessageBox::Ok: return MsgResult::Ok;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    default: return order.contains(QMessageBox::Cancel) ? MsgResult::Cancel : MsgResult::No;
  }
}

InputResult QtPlatform::InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& preset) {
  QInputDialog dlg(QApplication::activeWindow());
  dlg.setWindowTitle(QString::fromStdString(title.empty() ? Tr(kAppCaption) : title));
  dlg.setLabelText(ShownText(prompt));
  dlg.setTextValue(QString::fromStdString(preset));
  if (dlg.exec() != QDialog::Accepted) return InputResult{true, ""};
  return InputResult{false, dlg.textValue().toStdString()};
}

void QtPlatform::ShowModal(Dialog& dialog) {
  dialog.open = true;
  switch (dialog.Kind()) {
    case DialogKind::Modecg: RunModecgView(*this, app(), dialog); break;
    case DialogKind::Sizein: RunSizeinView(*this, app(), dialog); break;
    case DialogKind::FileDlg: RunFileDlgView(*this, app(), dialog); break;
    case DialogKind::FileSel2: RunFileSel2View(*this, app(), dialog); break;
    case DialogKind::Cust: RunCustView(*this, app(), dialog); break;
    case DialogKind::Insatu: RunInsatuView(*this, app(), dialog); break;
    case DialogKind::ImportImage: RunImportImageView(*this, app(), dialog); break;
    case DialogKind::NewPuzzle: RunNewPuzzleView(*this, app(), dialog); break;
  }
  dialog.open = false;
}

void QtPlatform::CloseDialog(Dialog& dialog) {
  dialog.open = false;
  if (QDialog* view = views_.value(&dialog)) view->done(QDialog::Accepted);
}

TwipsSize QtPlatform::ScreenSize() {
  QRect r = QGuiApplication::primaryScreen()->geometry();
  return {r.width() * kTwipsPerPixel, r.height() * kTwipsPerPixel};
}

void QtPlatform::SetWindowGeometry(const TwipsRect& rect) {
  if (window_) window_->SetOuterGeometry(rect);
}

void QtPlatform::SetCaption(const std::string& caption) {
  if (window_) window_->setWindowTitle(QString::fromStdString(caption));
}

void QtPlatform::EnableMenuItem(MenuId menu, int index, bool enabled) {
  if (window_) window_->EnableItem(menu, index, enabled);
}

void QtPlatform::CheckMenuItem(MenuId menu, int index, bool checked) {
  if (window_) window_->CheckItem(menu, index, checked);
}

void QtPlatform::ShowStatusBar(bool shown) {
  if (window_) window_->ShowStatus(shown);
}

void QtPlatform::SetPointer(Pointer pointer) {
  bool busy = pointer == Pointer::Busy;
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
  else QApplication::restoreOverrideCursor();
}

void QtPlatform::PicGeometryChanged(int i, const TwipsRect&) {
  TwipsRect rect = PicGeometry(i);
  QSize size(static_cast<int>(std::lround(rect.width / kTwipsPerPixel)),
             static_cast<int>(std::lround(rect.height / kTwipsPerPixel)));
  ImageSurface& pic = Image(i == 0 ? SurfaceId::Pic0 : SurfaceId::Pic1);
  qreal ratio = window_ ? window_->board()->devicePixelRatioF() : 1;
  if (size != pic.LogicalSize() || ratio != pic.PixelRatio()) pic.Resize(size, ratio);
  if (window_) window_->board()->update();
}

Printer& QtPlatform::GetPrinter() { return *printer_; }

bool QtPlatform::DrawingProgressDue() { return window_ && sinceShown_.elapsed() >= 33; }

void QtPlatform::ShowDrawingProgress() {
  // At most about 30 frames a second, painted at once: no events are handled, so no input gets in.
  if (!DrawingProgressDue()) return;
  sinceShown_.restart();
  window_->RepaintBoardNow();
}

void QtPlatform::CloseMainWindow() {
  if (window_) window_->close();
}

std::string QtPlatform::Today() { return TodayText(); }

void QtPlatform::HighlightChanged() {
  if (window_) window_->board()->update();
}

void QtPlatform::LongWorkBegun() { longWork_.start(); }

bool QtPlatform::LongWorkCancelled() {
  if (!progress_) {
    if (longWork_.elapsed() < progressDelayMs_) return false;
    progress_ = std::make_unique<QProgressDialog>(ShownText(LongWorkText()), QTr("キャンセル"),
                                                  0, 0, window_);
    progress_->setWindowTitle(QTr(kAppCaption));
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumDuration(0);
    progress_->show();
  }
  // Only the box takes input while it is up: the window behind it is blocked by its modality.
  QApplication::processEvents();
  return progress_->wasCanceled();
}

void QtPlatform::EndLongWork() { progress_.reset(); }

}  // namespace gw
