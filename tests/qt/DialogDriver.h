#pragma once
// Drives a modal dialog of the real window from inside its event loop.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
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

template <typename W>
W* Find(QWidget& parent, const QString& name) {
  return parent.findChild<W*>(name);
}

}  // namespace gw::test
