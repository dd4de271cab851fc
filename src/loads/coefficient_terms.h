#pragma once

#include <cstddef>
#include <vector>

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

}  // namespace vantrel
