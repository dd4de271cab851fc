#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "state/ortak.h"
#include "support/test_files.h"

// Airfoils for tests: an airfoil put straight into the shared state from its camber line and the
// text of an airfoil data file (the file helpers come with them).
namespace vantrel::test {

struct Station {
  double x;
  double y;
};

// The angle coordinate of a camber x, as the airfoil reader forms it.
double thetaOf(double x, double Pi);

// Puts a zero-thickness airfoil whose camber line passes through `camber` into the shared state,
// as reading its file would: stations 1..n, index 0 present and 0, Theta from x. Pi is set as the
// window sets it when it loads.
void fillCamberAirfoil(Ortak& ortak, const std::vector<Station>& camber);

// `count` stations at x = 0, 1/(count - 1), ..., 1.
std::vector<double> evenlySpacedX(int count);
// `count` stations evenly spaced in the angle coordinate, x = (1 - cos theta) / 2.
std::vector<double> evenlySpacedTheta(int count);

// The camber line y = shape(x) at the given stations.
std::vector<Station> camberOf(const std::vector<double>& xs,
                              const std::function<double(double)>& shape);
// y = 0.08·x·(1 − x): a parabola of height 0.02 at mid-chord.
double parabola(double x);
std::vector<Station> parabolicCamber(const std::vector<double>& xs);
std::vector<Station> flatCamber(const std::vector<double>& xs);

// The text of an airfoil data file with these upper and lower surfaces (same x), written so that
// every number reads back exactly.
std::string airfoilFileText(const std::string& name, const std::vector<Station>& upper,
                            const std::vector<Station>& lower);

// A Selig file of NACA 2412 with `pointsPerSurface` points a surface at cosine spacing, thickness
// laid off normal to the mean line as the NACA definition has it: a nose sampled as densely as
// the count makes it.
std::string seligNaca2412Text(int pointsPerSurface);

}  // namespace vantrel::test
