#include "input/camber_line.h"

#include <cmath>

#include "numerics/elementary_functions.h"

namespace vantrel {

double AngleCoordinate(double xC, double Pi) {
  const double t = 1.0 - 2.0 * xC;
  const double s = std::sqrt(1.0 - t * t);
  if (t == 0.0) return Pi / 2.0;
  double Theta = cr::atan(s / t);
  if (t < 0.0) Theta += Pi;
  return Theta;
}

}  // namespace vantrel
