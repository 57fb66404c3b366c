#include "display/BoardLayout.h"
#include "display/Colors.h"
#include "state/PuzzleState.h"

#include <algorithm>
#include <cmath>

namespace gw {
namespace {

constexpr Rgb kStandard[16] = {
    MakeRgb(0, 0, 0),       MakeRgb(0, 0, 128),   MakeRgb(0, 128, 0),   MakeRgb(0, 128, 128),
    MakeRgb(128, 0, 0),     MakeRgb(128, 0, 128), MakeRgb(128, 128, 0), MakeRgb(192, 192, 192),
    MakeRgb(128, 128, 128), MakeRgb(0, 0, 255),   MakeRgb(0, 255, 0),   MakeRgb(0, 255, 255),
    MakeRgb(255, 0, 0),     MakeRgb(255, 0, 255), MakeRgb(255, 255, 0), MakeRgb(255, 255, 255),
};

}  // namespace

Rgb StandardColor(int index) { return index >= 0 && index < 16 ? kStandard[index] : 0; }

double RelativeLuminance(Rgb c) {
  auto linear = [](int channel) {
    double v = channel / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(RedOf(c)) + 0.7152 * linear(GreenOf(c)) + 0.0722 * linear(BlueOf(c));
}

double ContrastRatio(Rgb a, Rgb b) {
  double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb LabelColorOn(Rgb background) {
  // Whichever of black and white stands out more: white below a relative luminance of about 0.18.
  constexpr Rgb kBlack = MakeRgb(0, 0, 0), kWhite = MakeRgb(255, 255, 255);
  return ContrastRatio(background, kWhite) > ContrastRatio(background, kBlack) ? kWhite : kBlack;
}

Rgb TableColor(const App& app, int index) {
  return index >= 0 && index < 32 ? app.colors.ColorTable[index] : 0;
}

Rgb SlotColor(const App& app, int slot) {
  return PaletteColor(app.puzzle, app.colors.ColorTable, slot);
}

}  // namespace gw
