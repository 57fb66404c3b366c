#include "formats/ColorSpace.h"

#include <algorithm>
#include <cmath>

namespace gw {
namespace {

// D65 white.
constexpr double kXn = 0.95047, kYn = 1.0, kZn = 1.08883;

double ToLinear(int v) {
  double c = v / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int FromLinear(double c) {
  double v = c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
  return std::clamp(int(std::lround(v * 255)), 0, 255);
}

double F(double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; }
double FInv(double t) { return t * t * t > 216.0 / 24389 ? t * t * t : (116 * t - 16) / (24389.0 / 27); }

}  // namespace

Lab ToLab(Rgb c) {
  double r = ToLinear(RedOf(c)), g = ToLinear(GreenOf(c)), b = ToLinear(BlueOf(c));
  double x = 0.4124564 * r + 0.3575761 * g + 0.1804375 * b;
  double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
  double z = 0.0193339 * r + 0.1191920 * g + 0.9503041 * b;
  double fx = F(x / kXn), fy = F(y / kYn), fz = F(z / kZn);
  return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

Rgb FromLab(const Lab& lab) {
  double fy = (lab.L + 16) / 116, fx = fy + lab.a / 500, fz = fy - lab.b / 200;
  double x = FInv(fx) * kXn, y = FInv(fy) * kYn, z = FInv(fz) * kZn;
  double r = 3.2404542 * x - 1.5371385 * y - 0.4985314 * z;
  double g = -0.9692660 * x + 1.8760108 * y + 0.0415560 * z;
  double b = 0.0556434 * x - 0.2040259 * y + 1.0572252 * z;
  return MakeRgb(FromLinear(r), FromLinear(g), FromLinear(b));
}

double LabDistance2(const Lab& x, const Lab& y) {
  double dl = x.L - y.L, da = x.a - y.a, db = x.b - y.b;
  return dl * dl + da * da + db * db;
}

}  // namespace gw
