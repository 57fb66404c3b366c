#pragma once
// The board as the player sees it zoomed: scrolled under hint areas that stay where they are.
#include "platform/Surface.h"

namespace gw {

// Where the board stands when the player zoomed in or out of the fitted layout. Units are board
// units; "content" is the picture of old (margin, hints, board) before any scrolling.
struct BoardView {
  // Twips per cell edge the player chose; 0 = fitted to the window, the layout of old.
  double cellTwips = 0;
  // How far the board is scrolled left and up, in cells; the hint areas stay put.
  double scrollX = 0, scrollY = 0;
  // The most each scroll can be (0 when that way fits in the window).
  double maxScrollX = 0, maxScrollY = 0;
  // Set by LayoutBoard while zoomed: the board is drawn through the panes.
  bool zoomed = false;
  // Content coordinates where the pinned hint areas end: BoardLeft and BoardTop.
  double pinX = 0, pinY = 0;
  // The board's share of the window in window units (its left 90 %, the whole height).
  double visLeft = 0, visTop = 0, visRight = 0, visBottom = 0;
  // The board the zoom was chosen for: XSize, YSize, XHintCount, YHintCount.
  int chosenFor[4] = {};
};

// A surface that draws the content through four panes: the corner (pinned both ways), the column
// hints (scrolled sideways only), the row hints (scrolled up and down only) and the board
// (scrolled both ways), each clipped to its part of the window. Shapes out of sight are skipped.
class PaneSurface : public Surface {
 public:
  void Attach(Surface* target, const BoardView& view);

  void Clear() override { target_->Clear(); }
  void SetScale(double left, double top, double width, double height) override;
  double ScaleLeft() const override { return target_->ScaleLeft(); }
  double ScaleTop() const override { return target_->ScaleTop(); }
  double ScaleWidth() const override { return target_->ScaleWidth(); }
  double ScaleHeight() const override { return target_->ScaleHeight(); }
  TwipsSize ClientSize() const override { return target_->ClientSize(); }
  TwipsSize OuterSize() const override { return target_->OuterSize(); }
  void SetDrawMode(DrawMode mode) override { target_->SetDrawMode(mode); }
  void Line(double x1, double y1, double x2, double y2, Rgb color) override;
  void Box(double x1, double y1, double x2, double y2, Rgb color) override;
  void FillBox(double x1, double y1, double x2, double y2, Rgb color) override;
  void HatchBox(double x1, double y1, double x2, double y2, Rgb outline, Rgb fill) override;
  void SetFontSize(double points) override { target_->SetFontSize(points); }
  void PrintText(double x, double y, const std::string& text, Rgb color) override;
  double TextWidth(const std::string& text) override { return target_->TextWidth(text); }
  double TextHeight(const std::string& text) override { return target_->TextHeight(text); }

 private:
  // One pane along an axis: content from `from` on (or before `to`), shifted by `shift`, shown
  // between `clipLo` and `clipHi` of the window.
  struct Span {
    double shift, clipLo, clipHi;
  };
  // The panes along an axis that a content range [a, b] shows in: 0, 1 or 2 of them.
  int SpansOf(double a, double b, double pin, double scroll, double lo, double hi, Span (&out)[2]) const;
  // Calls draw(dx, dy) once for every pane the content box shows in, clipped to that pane.
  template <class Draw>
  void ForEachPane(double x1, double y1, double x2, double y2, Draw draw);

  Surface* target_ = nullptr;
  BoardView view_;
  // The clip box last set (NaN: none), so that consecutive drawings in one pane set it once.
  double clip_[4] = {};
};

}  // namespace gw
