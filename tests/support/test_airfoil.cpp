#include "support/test_airfoil.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace vantrel::test {

double thetaOf(double x, double Pi) {
  const double t = 1 - 2 * x;
  const double s = std::sqrt(1 - t * t);
  if (t == 0) return Pi / 2;
  double theta = std::atan(s / t);
  if (t < 0) theta = theta + Pi;
  return theta;
}

void fillCamberAirfoil(Ortak& ortak, const std::vector<Station>& camber) {
  const std::size_t size = camber.size() + 1;
  ortak.Pi = 4 * std::atan(1.0);
  ortak.NPoint = static_cast<int>(camber.size());
  for (auto* array :
       {&ortak.xU, &ortak.yU, &ortak.xL, &ortak.yL, &ortak.xC, &ortak.yC, &ortak.Theta}) {
    array->assign(size, 0.0);
  }
  for (std::size_t i = 1; i < size; ++i) {
    const Station& station = camber[i - 1];
    ortak.xU[i] = ortak.xL[i] = ortak.xC[i] = station.x;
    ortak.yU[i] = ortak.yL[i] = ortak.yC[i] = station.y;
    ortak.Theta[i] = thetaOf(station.x, ortak.Pi);
  }
}

std::vector<double> evenlySpacedX(int count) {
  std::vector<double> x;
  for (int i = 0; i < count; ++i) x.push_back(static_cast<double>(i) / (count - 1));
  return x;
}

std::vector<double> evenlySpacedTheta(int count) {
  const double Pi = 4 * std::atan(1.0);
  std::vector<double> x;
  for (int i = 0; i < count; ++i) x.push_back((1 - std::cos(Pi * i / (count - 1))) / 2);
  return x;
}

std::vector<Station> camberOf(const std::vector<double>& xs,
                              const std::function<double(double)>& shape) {
  std::vector<Station> stations;
  for (double x : xs) stations.push_back({x, shape(x)});
  return stations;
}

double parabola(double x) {
  return 0.08 * x * (1 - x);
}

std::vector<Station> parabolicCamber(const std::vector<double>& xs) {
  return camberOf(xs, parabola);
}

std::vector<Station> flatCamber(const std::vector<double>& xs) {
  return camberOf(xs, [](double) { return 0.0; });
}

std::string airfoilFileText(const std::string& name, const std::vector<Station>& upper,
                            const std::vector<Station>& lower) {
  std::string text = name + "\r\nupper and lower surface\r\nx y x y\r\n";
  for (std::size_t i = 0; i < upper.size(); ++i) {
    char line[160];
    std::snprintf(line, sizeof line, "%.17g %.17g %.17g %.17g\r\n", upper[i].x, upper[i].y,
                  lower[i].x, lower[i].y);
    text += line;
  }
  return text;
}

std::string seligNaca2412Text(int pointsPerSurface) {
  const double pi = 4 * std::atan(1.0);
  const double m = 0.02, p = 0.4, t = 0.12;
  std::vector<Station> upper, lower;
  for (int i = 0; i < pointsPerSurface; ++i) {
    const double x = (1 - std::cos(pi * i / (pointsPerSurface - 1))) / 2;
    const double half = 5 * t *
                        (0.2969 * std::sqrt(x) - 0.126 * x - 0.3516 * x * x + 0.2843 * x * x * x -
                         0.1015 * x * x * x * x);
    const double camber = x < p ? m / (p * p) * (2 * p * x - x * x)
                                : m / ((1 - p) * (1 - p)) * ((1 - 2 * p) + 2 * p * x - x * x);
    const double slope = x < p ? 2 * m / (p * p) * (p - x) : 2 * m / ((1 - p) * (1 - p)) * (p - x);
    const double angle = std::atan(slope);
    upper.push_back({x - half * std::sin(angle), camber + half * std::cos(angle)});
    lower.push_back({x + half * std::sin(angle), camber - half * std::cos(angle)});
  }
  std::string text = "NACA 2412\n";
  char line[64];
  for (int i = pointsPerSurface - 1; i >= 0; --i) {
    std::snprintf(line, sizeof line, "%.17g %.17g\n", upper[i].x, upper[i].y);
    text += line;
  }
  for (int i = 1; i < pointsPerSurface; ++i) {
    std::snprintf(line, sizeof line, "%.17g %.17g\n", lower[i].x, lower[i].y);
    text += line;
  }
  return text;
}

}  // namespace vantrel::test
