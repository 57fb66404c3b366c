#pragma once
#include <QFrame>
#include <functional>

#include "platform/Rgb.h"

namespace gw {

class ImageSurface;

// A plain box of one colour: the swatches and the sample of the customise dialog. Clicks, double
// clicks, drags and drops are handed to the callbacks; the box itself decides nothing.
class ColourBox : public QFrame {
 public:
  explicit ColourBox(QWidget* parent);
  void SetColour(Rgb colour);
  // A drag of a colour may end here; `onDrop` runs when one does.
  void AcceptColourDrops(std::function<void()> onDrop);
  // A left press runs `onPress` and lets a drag start from this box.
  void MakeDragSource(std::function<void()> onPress);

  std::function<void()> onClick;
  std::function<void()> onDoubleClick;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  std::function<void()> onDrop_;
  std::function<void()> onPress_;
  QPoint pressedAt_;
  bool pressed_ = false;
  bool afterDoubleClick_ = false;
};

// The MIME type of a colour dragged from the sample.
inline constexpr const char* kColourMime = "application/x-gridwick-colour";

// Shows the customise dialog's slot column, drawn by the core on its surface; a press anywhere
// reports its height in twips.
class SlotColumn : public QWidget {
 public:
  SlotColumn(ImageSurface& surface, QWidget* parent);
  std::function<void(double)> onPress;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  ImageSurface& surface_;
};

}  // namespace gw
