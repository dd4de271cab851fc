#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

#include "surface/picture_box.h"

namespace vantrel {

// A(n) as the loads read it: a coefficient that no method has produced counts as zero, so the
// procedures never read outside the array whatever M and the extent of A say.
inline double coefficientOrZero(const std::vector<double>& A, long n) {
  if (n < 0 || static_cast<std::size_t>(n) >= A.size()) return 0.0;
  return A[static_cast<std::size_t>(n)];
}

// The lift coefficient of thin airfoil theory from A(0) and A(1).
inline double liftCoefficient(double Pi, double A0, double A1) {
  return (2 * Pi) * (A0 + A1 / 2);
}

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
