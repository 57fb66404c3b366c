#pragma once
// Drives a modal dialog of the real window from inside its event loop.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>
#include <functional>

namespace gw::test {

// Runs `act` on the dialog of type D as soon as it is the modal one, then ends it if `act` left it
// open (a failed check must not hang the run). Call before the blocking call that shows it.
template <typename D = QDialog>
void WhenModal(std::function<void(D&)> act) {
  auto* timer = new QTimer;
  auto* clock = new QElapsedTimer;
  clock->start();
  QObject::connect(timer, &QTimer::timeout, [timer, clock, act] {
    auto* dialog = dynamic_cast<D*>(QApplication::activeModalWidget());
    if (!dialog && clock->elapsed() < 5000) return;
    timer->stop();
    timer->deleteLater();
    delete clock;
    if (!dialog) return;
    act(*dialog);
    if (dialog->isVisible() && QApplication::activeModalWidget() == dialog) dialog->done(0);
  });
  timer->start(10);
}

// Chooses `path` in a file dialog and accepts it. QFileDialog::selectFile leaves the name box
// alone while that box has the focus, which it has as soon as the dialog's window is active, and
// accepting would then only open the folder: the name is typed into the box instead. A choice the
// dialog does not take ends it, so that a failed check does not hang the run.
inline void ChooseFile(QFileDialog& files, const QString& path) {
  QFileInfo info(path);
  files.setDirectory(info.absolutePath());
  if (auto* name = files.findChild<QLineEdit*>("fileNameEdit"))
    name->setText(info.fileName());
  else
    files.selectFile(path);
  QDialog& box = files;  // QFileDialog hides accept and done
  box.accept();
  if (box.isVisible()) box.done(QDialog::Rejected);
}

template <typename W>
W* Find(QWidget& parent, const QString& name) {
  return parent.findChild<W*>(name);
}

}  // namespace gw::test
