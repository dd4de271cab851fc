#pragma once

#include <vector>

namespace vantrel {

// A piecewise-cubic Hermite curve through (x, y) whose slopes follow Fritsch and Carlson (the
// weighted harmonic mean of Fritsch and Butland, as PCHIP uses): between two points it never
// leaves the range of their y, so a step in the data gives no wiggle. Outside the data the curve
// continues along the straight line of its end slope.
class MonotoneCubic {
 public:
  // x strictly increasing, at least two points; x.size() == y.size().
  MonotoneCubic(std::vector<double> x, std::vector<double> y);

  double operator()(double at) const;

 private:
  std::size_t intervalOf(double at) const;

  std::vector<double> x_, y_, slope_;
};

}  // namespace vantrel
