#include <QPainter>
#include <cmath>
#include <map>

#include "App.h"
#include "Mirror.h"
#include "frontends/qt/HighlightTint.h"
#include "frontends/qt/ImageSurface.h"

namespace gw {
namespace {

class QtMirror : public Mirror {
 public:
  explicit QtMirror(ScriptedPlatform& ui);
  bool Snapshot(const std::string& path) override;

 private:
  ScriptedPlatform& ui_;
  std::map<SurfaceId, std::unique_ptr<ImageSurface>> images_;
};

QtMirror::QtMirror(ScriptedPlatform& ui) : ui_(ui) {
  for (SurfaceId id : {SurfaceId::Main, SurfaceId::Pic0, SurfaceId::Pic1}) {
    QColor background = id == SurfaceId::Main ? QColor(0xF0, 0xF0, 0xF0) : QColor(Qt::white);
    auto box = id == SurfaceId::Main ? ImageSurface::TextBox::UnitSquare : ImageSurface::TextBox::Natural;
    images_[id] = std::make_unique<ImageSurface>(background, box);
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

bool QtMirror::Snapshot(const std::string& path) {
  QImage shot = images_[SurfaceId::Main]->image().copy();
  QPainter p(&shot);
  for (int i = 0; i < 2; ++i) {
    TwipsRect r = ui_.PicGeometry(i);
    if (r.width <= 0 || r.height <= 0) continue;
    const QImage& pic = images_[i == 0 ? SurfaceId::Pic0 : SurfaceId::Pic1]->image();
    p.drawImage(QPointF(r.left / kTwipsPerPixel, r.top / kTwipsPerPixel), pic);
  }
  PaintBoardOverlay(p, *images_[SurfaceId::Main], ui_.app().layout);
  p.end();
  return shot.save(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())), "PNG");
}

}  // namespace

std::unique_ptr<Mirror> MakeMirror(ScriptedPlatform& ui) { return std::make_unique<QtMirror>(ui); }

}  // namespace gw
