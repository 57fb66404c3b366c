#include "formats/ColorNames.h"

#include <cctype>

#include "formats/PuzzleData.h"

namespace gw {
namespace {

struct NamedColor {
  const char* name;
  Rgb rgb;
};

constexpr NamedColor kNamed[] = {
    {"black", MakeRgb(0, 0, 0)},         {"white", MakeRgb(255, 255, 255)}, {"red", MakeRgb(255, 0, 0)},
    {"green", MakeRgb(0, 128, 0)},       {"lime", MakeRgb(0, 255, 0)},      {"blue", MakeRgb(0, 0, 255)},
    {"yellow", MakeRgb(255, 255, 0)},    {"cyan", MakeRgb(0, 255, 255)},    {"magenta", MakeRgb(255, 0, 255)},
    {"gray", MakeRgb(128, 128, 128)},    {"grey", MakeRgb(128, 128, 128)},  {"orange", MakeRgb(255, 165, 0)},
    {"brown", MakeRgb(165, 42, 42)},     {"pink", MakeRgb(255, 192, 203)},  {"purple", MakeRgb(160, 32, 240)},
    {"violet", MakeRgb(238, 130, 238)},  {"navy", MakeRgb(0, 0, 128)},      {"maroon", MakeRgb(176, 48, 96)},
    {"olive", MakeRgb(128, 128, 0)},     {"teal", MakeRgb(0, 128, 128)},    {"silver", MakeRgb(192, 192, 192)},
    {"gold", MakeRgb(255, 215, 0)},      {"beige", MakeRgb(245, 245, 220)}, {"darkgreen", MakeRgb(0, 100, 0)},
    {"lightgray", MakeRgb(211, 211, 211)}, {"lightgrey", MakeRgb(211, 211, 211)},
    {"darkgray", MakeRgb(169, 169, 169)}, {"darkgrey", MakeRgb(169, 169, 169)},
};

constexpr Rgb kFallback[] = {
    MakeRgb(0, 0, 0),     MakeRgb(255, 0, 0),   MakeRgb(0, 160, 0),     MakeRgb(0, 0, 255),
    MakeRgb(255, 200, 0), MakeRgb(255, 0, 255), MakeRgb(0, 200, 200),   MakeRgb(128, 64, 0),
    MakeRgb(128, 128, 128),
};

std::string Lower(const std::string& s) {
  std::string out;
  for (char ch : s)
    if (ch != ' ' && ch != '_') out += char(std::tolower(static_cast<unsigned char>(ch)));
  return out;
}

}  // namespace

bool ColorFromText(const std::string& text, Rgb& out) {
  if (ParseHex(text, out)) return true;
  std::string name = Lower(text);
  for (const NamedColor& c : kNamed)
    if (name == c.name) {
      out = c.rgb;
      return true;
    }
  return false;
}

Rgb FallbackColor(int n) {
  constexpr int count = sizeof kFallback / sizeof kFallback[0];
  if (n >= 1 && n <= count) return kFallback[n - 1];
  // Beyond the table: greys that stay apart from each other.
  int v = (n * 53) % 200 + 30;
  return MakeRgb(v, v, v);
}

}  // namespace gw
