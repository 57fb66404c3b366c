#include "frontends/scripted/ScriptedSurface.h"

#include "text/Utf8.h"
#include "frontends/scripted/ScriptText.h"

namespace gw {

void ScriptedSurface::SetSizes(TwipsSize client, TwipsSize outer) {
  client_ = client;
  outer_ = outer;
  left_ = top_ = 0;
  width_ = client.width;
  height_ = client.height;
}

void ScriptedSurface::Emit(const std::string& what) {
  if (!echo_) return;
  out_ << "DRAW " << (name_.empty() ? "" : name_ + " ") << what << "\n";
}

std::string ScriptedSurface::Rect(double x1, double y1, double x2, double y2) const {
  return FormatNum(x1) + " " + FormatNum(y1) + " " + FormatNum(x2) + " " + FormatNum(y2);
}

void ScriptedSurface::Clear() {
  Emit("clear");
  if (mirror_) mirror_->Clear();
}

void ScriptedSurface::SetScale(double left, double top, double width, double height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Emit("scale " + Rect(left, top, width, height));
  if (mirror_) mirror_->SetScale(left, top, width, height);
}

double ScriptedSurface::ScaleLeft() const { return left_; }
double ScriptedSurface::ScaleWidth() const { return width_; }
double ScriptedSurface::ScaleTop() const { return top_; }
double ScriptedSurface::ScaleHeight() const { return height_; }

void ScriptedSurface::SetDrawMode(DrawMode mode) {
  Emit(std::string("mode ") + (mode == DrawMode::Xor ? "xor" : "copy"));
  if (mirror_) mirror_->SetDrawMode(mode);
}

void ScriptedSurface::Line(double x1, double y1, double x2, double y2, Rgb color) {
  Emit("line " + Rect(x1, y1, x2, y2) + " color=" + std::to_string(color));
  if (mirror_) mirror_->Line(x1, y1, x2, y2, color);
}

void ScriptedSurface::Box(double x1, double y1, double x2, double y2, Rgb color) {
  Emit("box " + Rect(x1, y1, x2, y2) + " color=" + std::to_string(color));
  if (mirror_) mirror_->Box(x1, y1, x2, y2, color);
}

void ScriptedSurface::FillBox(double x1, double y1, double x2, double y2, Rgb color) {
  Emit("fill " + Rect(x1, y1, x2, y2) + " color=" + std::to_string(color));
  if (mirror_) mirror_->FillBox(x1, y1, x2, y2, color);
}

void ScriptedSurface::HatchBox(double x1, double y1, double x2, double y2, Rgb outline, Rgb fill) {
  Emit("hatch " + Rect(x1, y1, x2, y2) + " color=" + std::to_string(outline) +
       " fill=" + std::to_string(fill));
  if (mirror_) mirror_->HatchBox(x1, y1, x2, y2, outline, fill);
}

void ScriptedSurface::SetFontSize(double points) {
  fontPoints_ = points;
  Emit("font " + FormatNum(points));
  if (mirror_) mirror_->SetFontSize(points);
}

void ScriptedSurface::PrintText(double x, double y, const std::string& text, Rgb color) {
  Emit("text " + FormatNum(x) + " " + FormatNum(y) + " color=" + std::to_string(color) + " " +
       Quote(text));
  if (mirror_) mirror_->PrintText(x, y, text, color);
}

double ScriptedSurface::UnitsPerTwip() const {
  return client_.width > 0 ? width_ / client_.width : 1.0;
}

// Without a mirror the metrics are those of a half-width font: one em is the point size.
double ScriptedSurface::TextWidth(const std::string& text) {
  if (mirror_) return mirror_->TextWidth(text);
  return CharCount(text) * fontPoints_ * 20.0 * 0.5 * UnitsPerTwip();
}

double ScriptedSurface::TextHeight(const std::string& text) {
  if (mirror_) return mirror_->TextHeight(text);
  double unitsPerTwipY = client_.height > 0 ? height_ / client_.height : 1.0;
  return fontPoints_ * 20.0 * unitsPerTwipY;
}

}  // namespace gw
