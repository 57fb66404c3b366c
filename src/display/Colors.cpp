#include "display/Colors.h"

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
  // Perceived brightness on 0..255 (ITU-R BT.601 weights).
  double brightness = 0.299 * RedOf(background) + 0.587 * GreenOf(background) + 0.114 * BlueOf(background);
  return brightness < 120 ? MakeRgb(255, 255, 255) : MakeRgb(0, 0, 0);
}

Rgb TableColor(const App& app, int index) {
  return index >= 0 && index < 32 ? app.colors.ColorTable[index] : 0;
}

Rgb SlotColor(const App& app, int slot) {
  return slot >= 0 && slot <= 9 ? TableColor(app, app.puzzle.Palette[slot]) : 0;
}

}  // namespace gw
