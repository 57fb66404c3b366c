#include "display/Colors.h"

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

Rgb LabelColorOn(Rgb background) {
  // Whichever of black and white stands out more (the contrast ratio of the web's accessibility
  // guidelines): white below a relative luminance of about 0.18.
  auto linear = [](int channel) {
    double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  double luminance = 0.2126 * linear(RedOf(background)) + 0.7152 * linear(GreenOf(background)) +
                     0.0722 * linear(BlueOf(background));
  bool whiteStandsOut = 1.05 / (luminance + 0.05) > (luminance + 0.05) / 0.05;
  return whiteStandsOut ? MakeRgb(255, 255, 255) : MakeRgb(0, 0, 0);
}

Rgb TableColor(const App& app, int index) {
  return index >= 0 && index < 32 ? app.colors.ColorTable[index] : 0;
}

Rgb SlotColor(const App& app, int slot) {
  return slot >= 0 && slot <= 9 ? TableColor(app, app.puzzle.Palette[slot]) : 0;
}

}  // namespace gw
