#include "frontends/qt/views/DialogView.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "frontends/qt/QtPlatform.h"

namespace gw {

DialogView::DialogView(QtPlatform& ui, Dialog& dialog, const QString& caption)
    : QDialog(QApplication::activeWindow()), ui_(ui), dialog_(dialog) {
  setWindowTitle(caption);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  ui_.RegisterView(&dialog_, this);
}

DialogView::~DialogView() { ui_.UnregisterView(&dialog_); }

void DialogView::Run() {
  adjustSize();
  QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  move(screen.center() - rect().center());
  if (dialog_.open) exec();
}

void DialogView::reject() {
  if (onClose_) onClose_();
  else QDialog::reject();
}

}  // namespace gw
