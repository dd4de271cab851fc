#pragma once

#include <cmath>
#include <vector>

#include "coefficients/gauss_e.h"
#include "state/ortak.h"
#include "support/test_airfoil.h"
#include "vortex/vortex_panels.h"

// The augmented influence system of the lumped vortex method (rows and columns 1..M, the
// right-hand side in column M + 1), built term by term as the method builds it, for solver
// tests and benchmarks on realistic matrices.
namespace vantrel::lumped_vortex_system {

// The NACA 2412 mean line: camber 0.02 at 0.4 of the chord.
inline double naca2412MeanLine(double x) {
  const double m = 0.02;
  const double p = 0.4;
  if (x < p) return m / (p * p) * (2 * p * x - x * x);
  return m / ((1 - p) * (1 - p)) * ((1 - 2 * p) + 2 * p * x - x * x);
}

inline Matrix influenceMatrix(const Ortak& ortak, double alfaDegrees) {
  const int M = ortak.NPoint - 1;
  const VortexPanels panels = panelsOf(ortak, M);
  const double alfaR = (ortak.Pi * alfaDegrees) / 180;
  const double ca = std::cos(alfaR);
  const double sa = std::sin(alfaR);
  Matrix K(M + 1, M + 2);
  for (int I = 1; I <= M; ++I) {
    for (int J = 1; J <= M; ++J) {
      const double dx = panels.xCP[I] - panels.xV[J];
      const double dy = panels.yCP[I] - panels.yV[J];
      const double r2 = dx * dx + dy * dy;
      K(I, J) = (panels.CosP[I] * dx + panels.SinP[I] * dy) / 2 / r2 / ortak.Pi;
    }
    K(I, M + 1) = panels.CosP[I] * sa + panels.SinP[I] * ca;
  }
  return K;
}

// The system for `panels` panels on stations evenly spaced in the angle coordinate.
inline Matrix forCamberLine(int panels, double (*shape)(double), double alfaDegrees = 4.0) {
  Ortak ortak;
  test::fillCamberAirfoil(ortak, test::camberOf(test::evenlySpacedTheta(panels + 1), shape));
  return influenceMatrix(ortak, alfaDegrees);
}

}  // namespace vantrel::lumped_vortex_system
