#include "frontends/qt/views/CustWidgets.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include "frontends/qt/ImageSurface.h"

namespace gw {

ColourBox::ColourBox(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
  setAutoFillBackground(true);
}

void ColourBox::SetColour(Rgb colour) {
  QPalette p = palette();
  p.setColor(QPalette::Window, ToQColor(colour));
  setPalette(p);
}

void ColourBox::AcceptColourDrops(std::function<void()> onDrop) {
  onDrop_ = std::move(onDrop);
  setAcceptDrops(true);
}

void ColourBox::MakeDragSource(std::function<void()> onPress) { onPress_ = std::move(onPress); }

void ColourBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = true;
  pressedAt_ = event->position().toPoint();
  if (onPress_) onPress_();
}

void ColourBox::mouseMoveEvent(QMouseEvent* event) {
  if (!onPress_ || !pressed_ || !(event->buttons() & Qt::LeftButton)) return;
  if ((event->position().toPoint() - pressedAt_).manhattanLength() < QApplication::startDragDistance())
    return;
  pressed_ = false;
  auto* drag = new QDrag(this);
  auto* data = new QMimeData;
  data->setData(kColourMime, QByteArray());
  drag->setMimeData(data);
  QPixmap picture(size());
  picture.fill(palette().color(QPalette::Window));
  drag->setPixmap(picture);
  drag->exec(Qt::CopyAction);
}

// A click is a press and release of the left button on the box; the release that ends a double
// click is no second click.
void ColourBox::mouseReleaseEvent(QMouseEvent* event) {
  bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (afterDoubleClick_) {
    afterDoubleClick_ = false;
    return;
  }
  if (click && onClick) onClick();
}

void ColourBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  afterDoubleClick_ = true;
  if (onDoubleClick) onDoubleClick();
}

void ColourBox::dragEnterEvent(QDragEnterEvent* event) {
  if (onDrop_ && event->mimeData()->hasFormat(kColourMime)) event->acceptProposedAction();
}

void ColourBox::dropEvent(QDropEvent* event) {
  if (!onDrop_ || !event->mimeData()->hasFormat(kColourMime)) return;
  event->acceptProposedAction();
  onDrop_();
}

SlotColumn::SlotColumn(ImageSurface& surface, QWidget* parent) : QWidget(parent), surface_(surface) {}

void SlotColumn::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, surface_.image());
}

void SlotColumn::mousePressEvent(QMouseEvent* event) {
  if (onPress) onPress(event->position().y() * kTwipsPerPixel);
}

}  // namespace gw
