#include "settings/CustPic.h"

#include <algorithm>
#include <cmath>

#include "display/Colors.h"
#include "system/Convert.h"

namespace gw {
namespace {

Surface& Pic(App& app) { return app.ui.GetSurface(SurfaceId::CustPic); }

double R(double v) { return static_cast<double>(RoundHalfEven(v)); }

}  // namespace

void DrawCustSlot(App& app, int k) {
  Surface& pic = Pic(app);
  TwipsSize outer = pic.OuterSize();
  double w = outer.width;
  double h = R(outer.height / 9);
  pic.SetDrawMode(DrawMode::Copy);
  pic.FillBox(0, (k - 1) * h, w, k * h, TableColor(app, kWhiteColor));
  pic.FillBox(0, (k - 1) * h, w, k * h, SlotColor(app, k));
  pic.PrintText(0.4 * w, (k - 0.9) * h, NumText(static_cast<long long>(k)),
                LabelColorOn(SlotColor(app, k)));
}

void DrawCustFrame(App& app, int k) {
  Surface& pic = Pic(app);
  TwipsSize inner = pic.ClientSize();
  double w = inner.width;
  double h = R(inner.height / 9);
  double m1 = R(0.1 * w), t1 = R((k - 1 + 0.1) * h);
  double m2 = R(0.05 * w), t2 = R((k - 1 + 0.05) * h);
  pic.SetDrawMode(DrawMode::Copy);
  pic.Box(m1, t1, R(0.8 * w + m1), R(0.8 * h + t1), TableColor(app, kWhiteColor));
  pic.Box(m2, t2, R(0.9 * w + m2), R(0.9 * h + t2), TableColor(app, 0));
}

void DrawCustSlots(App& app, const Cust& dlg) {
  Surface& pic = Pic(app);
  TwipsSize client = pic.ClientSize();
  pic.SetScale(0, 0, client.width, client.height);
  pic.Clear();
  // Half the height of a slot: the numbers stand in the slot's upper part.
  pic.SetFontSize(std::max(1.0, pic.OuterSize().height / 9 / 20 * 0.5));
  for (int k = 1; k <= 9; ++k) DrawCustSlot(app, k);
  DrawCustFrame(app, dlg.slot);
}

int CustSlotAt(App& app, double y) {
  double h = R(Pic(app).OuterSize().height / 9);
  if (h <= 0 || y < 0) return 0;
  long long k = RoundHalfEven(std::floor(y / h) + 1);
  return k <= 9 ? static_cast<int>(k) : 0;
}

}  // namespace gw
