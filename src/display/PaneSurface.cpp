#include "display/PaneSurface.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace gw {

void PaneSurface::Attach(Surface* target, const BoardView& view) {
  target_ = target;
  view_ = view;
  std::fill(std::begin(clip_), std::end(clip_), std::numeric_limits<double>::quiet_NaN());
}

void PaneSurface::SetScale(double left, double top, double width, double height) {
  target_->SetScale(left, top, width, height);
}

// The pinned pane shows content before the pin where it stands; the scrolled pane shows content
// from the pin on, moved back by the scroll, and only from the pin on. A range that merely ends
// on the pin (the hint area's own box) is no part of the scrolled pane.
namespace {

// Whether the range [a, b] (a point when a == b) has anything inside [lo, hi).
bool Meets(double a, double b, double lo, double hi) { return a == b ? a >= lo && a < hi : b > lo && a < hi; }

}  // namespace

int PaneSurface::SpansOf(double a, double b, double pin, double scroll, double lo, double hi,
                         Span (&out)[2]) const {
  int n = 0;
  double pinnedHi = std::min(pin, hi);
  if (Meets(a, b, lo, pinnedHi)) out[n++] = {0, lo, pinnedHi};
  if (Meets(a, b, pin, b + 1) && Meets(a - scroll, b - scroll, pin, hi)) out[n++] = {-scroll, pin, hi};
  return n;
}

template <class Draw>
void PaneSurface::ForEachPane(double x1, double y1, double x2, double y2, Draw draw) {
  Span xs[2], ys[2];
  int nx = SpansOf(std::min(x1, x2), std::max(x1, x2), view_.pinX, view_.scrollX, view_.visLeft, view_.visRight, xs);
  if (nx == 0) return;
  int ny = SpansOf(std::min(y1, y2), std::max(y1, y2), view_.pinY, view_.scrollY, view_.visTop, view_.visBottom, ys);
  for (int i = 0; i < nx; ++i)
    for (int j = 0; j < ny; ++j) {
      double box[4] = {xs[i].clipLo, ys[j].clipLo, xs[i].clipHi, ys[j].clipHi};
      if (!std::equal(std::begin(box), std::end(box), std::begin(clip_))) {
        std::copy(std::begin(box), std::end(box), std::begin(clip_));
        target_->SetClip(box[0], box[1], box[2], box[3]);
      }
      draw(xs[i].shift, ys[j].shift);
    }
}

void PaneSurface::Line(double x1, double y1, double x2, double y2, Rgb color) {
  ForEachPane(x1, y1, x2, y2, [&](double dx, double dy) { target_->Line(x1 + dx, y1 + dy, x2 + dx, y2 + dy, color); });
}

void PaneSurface::Box(double x1, double y1, double x2, double y2, Rgb color) {
  ForEachPane(x1, y1, x2, y2, [&](double dx, double dy) { target_->Box(x1 + dx, y1 + dy, x2 + dx, y2 + dy, color); });
}

void PaneSurface::FillBox(double x1, double y1, double x2, double y2, Rgb color) {
  ForEachPane(x1, y1, x2, y2,
              [&](double dx, double dy) { target_->FillBox(x1 + dx, y1 + dy, x2 + dx, y2 + dy, color); });
}

void PaneSurface::HatchBox(double x1, double y1, double x2, double y2, Rgb outline, Rgb fill) {
  ForEachPane(x1, y1, x2, y2, [&](double dx, double dy) {
    target_->HatchBox(x1 + dx, y1 + dy, x2 + dx, y2 + dy, outline, fill);
  });
}

// A hint number fills the unit square at its position.
void PaneSurface::PrintText(double x, double y, const std::string& text, Rgb color) {
  ForEachPane(x, y, x + 1, y + 1, [&](double dx, double dy) { target_->PrintText(x + dx, y + dy, text, color); });
}

}  // namespace gw
