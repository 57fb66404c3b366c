#include "Mirror.h"

#include "platform/qt/BoardOverlay.h"

#include <QPainter>
#include <cmath>

namespace gw {

Mirror::Mirror(ScriptedPlatform& ui) : ui_(ui) {
  for (SurfaceId id : {SurfaceId::Main, SurfaceId::Pic0, SurfaceId::Pic1}) {
    QColor background = id == SurfaceId::Main ? QColor(0xF0, 0xF0, 0xF0) : QColor(Qt::white);
    images_[id] = std::make_unique<ImageSurface>(background);
    ui.Scripted(id).SetMirror(images_[id].get());
  }
  ui.SetResizeHook([this](SurfaceId id, TwipsSize client) {
    auto it = images_.find(id);
    if (it == images_.end()) return;
    it->second->Resize(QSize(static_cast<int>(std::lround(client.width / kTwipsPerPixel)),
                             static_cast<int>(std::lround(client.height / kTwipsPerPixel))));
    if (id == SurfaceId::Main) it->second->SetOuterSize(ui_.Scripted(id).OuterSize());
  });
}

bool Mirror::Snapshot(const std::string& path) {
  QImage shot = images_[SurfaceId::Main]->image().copy();
  QPainter p(&shot);
  for (int i = 0; i < 2; ++i) {
    TwipsRect r = ui_.PicGeometry(i);
    if (r.width <= 0 || r.height <= 0) continue;
    const QImage& pic = images_[i == 0 ? SurfaceId::Pic0 : SurfaceId::Pic1]->image();
    p.drawImage(QPointF(r.left / kTwipsPerPixel, r.top / kTwipsPerPixel), pic);
  }
  PaintBoardOverlay(p, *images_[SurfaceId::Main], ui_.Overlay());
  p.end();
  return shot.save(QString::fromStdString(path), "PNG");
}

}  // namespace gw
