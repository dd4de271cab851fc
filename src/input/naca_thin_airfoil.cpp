#include "input/naca_thin_airfoil.h"

#include <cmath>
#include <numbers>

#include "input/naca.h"
#include "numerics/elementary_functions.h"

namespace vantrel {
namespace {

// With x = (1 − cos θ)/2 the slope k·(p − x) is k·(p − 1/2 + cos θ/2). These are the integrals
// from 0 to θ of (p − 1/2 + cos θ/2)·cos nθ for n = 0, 1, 2; each is 0 at θ = 0.
double integral0(double p, double theta) {
  return (p - 0.5) * theta + cr::sin(theta) / 2;
}
double integral1(double p, double theta) {
  return (p - 0.5) * cr::sin(theta) + theta / 4 + cr::sin(2 * theta) / 8;
}
double integral2(double p, double theta) {
  return (p - 0.5) * cr::sin(2 * theta) / 2 + cr::sin(theta) / 4 + cr::sin(3 * theta) / 12;
}

}  // namespace

std::optional<ThinAirfoilValues> nacaThinAirfoilValues(std::string_view designation) {
  const auto camber = nacaFourDigitCamber(designation);
  if (!camber) return std::nullopt;
  if (camber->m == 0.0) return ThinAirfoilValues{};
  constexpr double pi = std::numbers::pi;
  const double m = camber->m;
  const double p = camber->p;
  const double front = 2 * m / (p * p);             // slope factor ahead of p
  const double rear = 2 * m / ((1 - p) * (1 - p));  // and behind it
  const double thetaP = cr::acos(1 - 2 * p);
  const auto over = [&](double (*integral)(double, double)) {
    return front * integral(p, thetaP) + rear * (integral(p, pi) - integral(p, thetaP));
  };
  const double A0Camber = over(integral0) / pi;
  const double A1 = 2 * over(integral1) / pi;
  const double A2 = 2 * over(integral2) / pi;
  return ThinAirfoilValues{180 * (A0Camber - A1 / 2) / pi, -pi * (A1 - A2) / 4};
}

}  // namespace vantrel
