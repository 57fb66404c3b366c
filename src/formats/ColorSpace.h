#pragma once
// CIE L*a*b*: distances in it follow what the eye sees, which RGB distances do not.
#include "platform/Rgb.h"

namespace gw {

struct Lab {
  double L = 0, a = 0, b = 0;
};

Lab ToLab(Rgb c);
Rgb FromLab(const Lab& lab);
double LabDistance2(const Lab& x, const Lab& y);

}  // namespace gw
