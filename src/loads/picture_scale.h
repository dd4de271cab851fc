#pragma once

#include <cmath>

#include "surface/picture_box.h"

namespace vantrel {

// Clears the picture and sets its scale. A scale with an empty or undefined range (every value
// zero, or no coefficients yet) has nothing to show: the picture keeps its back colour only and
// the caller draws nothing. Returns whether the caller may draw.
inline bool clearAndScale(PictureBox& picture, double x1, double y1, double x2, double y2) {
  picture.Cls();
  const bool usable = std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) &&
                      std::isfinite(y2) && x1 != x2 && y1 != y2;
  if (usable) picture.Scale(x1, y1, x2, y2);
  return usable;
}

}  // namespace vantrel
