#pragma once

#include <cmath>
#include <functional>
#include <vector>

#include "app/ortak.h"

// Builds an airfoil in the shared state straight from its camber line, without a data file:
// both surfaces on the camber line, and each station's angle coordinate found as the reader
// finds it.
namespace vantrel::camber_airfoil {

inline double thetaOf(double x, double Pi) {
  const double t = 1 - 2 * x;
  if (t == 0) return Pi / 2;
  const double angle = std::atan(std::sqrt(1 - t * t) / t);
  return t < 0 ? angle + Pi : angle;
}

// Stations 1..x.size(); index 0 present and zero, as the reader leaves it.
inline void setCamberLine(Ortak& ortak, const std::vector<double>& x,
                          const std::vector<double>& y) {
  ortak.Pi = 4 * std::atan(1.0);
  ortak.AirfoilName = "CAMBER";
  ortak.NPoint = static_cast<int>(x.size());
  ortak.xC.assign(1, 0.0);
  ortak.yC.assign(1, 0.0);
  ortak.Theta.assign(1, 0.0);
  ortak.xC.insert(ortak.xC.end(), x.begin(), x.end());
  ortak.yC.insert(ortak.yC.end(), y.begin(), y.end());
  for (double station : x) ortak.Theta.push_back(thetaOf(station, ortak.Pi));
  ortak.xU = ortak.xL = ortak.xC;
  ortak.yU = ortak.yL = ortak.yC;
}

// `count` stations at x = 0, 1/(count - 1), ..., 1.
inline std::vector<double> evenlySpacedX(int count) {
  std::vector<double> x;
  for (int i = 0; i < count; ++i) x.push_back(static_cast<double>(i) / (count - 1));
  return x;
}

// `count` stations evenly spaced in the angle coordinate, x = (1 - cos theta) / 2.
inline std::vector<double> evenlySpacedTheta(int count) {
  const double Pi = 4 * std::atan(1.0);
  std::vector<double> x;
  for (int i = 0; i < count; ++i) x.push_back((1 - std::cos(Pi * i / (count - 1))) / 2);
  return x;
}

inline std::vector<double> camberOf(const std::vector<double>& x,
                                    const std::function<double(double)>& shape) {
  std::vector<double> y;
  for (double station : x) y.push_back(shape(station));
  return y;
}

inline double parabola(double x) {
  return 0.08 * x * (1 - x);
}

}  // namespace vantrel::camber_airfoil
