// The default conversion is accurate enough that the zero-lift angle and the moment about the
// aerodynamic centre do not depend on the number of stations: the program's numerical integration
// on the converted file against the thin-airfoil integrals of the same mean line, worked out here
// by a route of the test's own (straight lines between the file's points, integrated exactly).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "coefficients/numerical.h"
#include "fixtures/test_airfoil.h"
#include "input/nca_parser.h"
#include "input/selig_lednicer_converter.h"
#include "loads/aero_loads.h"
#include "state/headless_controls.h"
#include "state/ortak.h"
#include "state/session.h"
#include "support/test_files.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

const double kPi = 4 * std::atan(1.0);
const fs::path kAirfoils = fs::path(VANTREL_TEST_DATA) / "airfoils";

struct Point {
  double x, y;
};
using Polyline = std::vector<Point>;

std::string fileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The pairs of numbers of a published file, in order: the name line, a count line and whatever
// follows the coordinates left out.
Polyline pointsOf(const std::string& text, bool& hadCountLine) {
  Polyline points;
  std::istringstream lines(text);
  std::string line;
  hadCountLine = false;
  while (std::getline(lines, line)) {
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == ',' || c == '\r'; }, ' ');
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    std::istringstream items(line);
    double x = 0, y = 0;
    std::string rest;
    if (!(items >> x >> y) || (items >> rest)) {
      if (!points.empty()) break;
      continue;
    }
    const bool count = x > 1 && y > 1 && x == std::floor(x) && y == std::floor(y);
    if (points.empty() && count) {
      hadCountLine = true;
      continue;
    }
    points.push_back({x, y});
  }
  return points;
}

// The two surfaces, each from the leading edge (the point of least x) to the trailing edge.
std::pair<Polyline, Polyline> surfacesOf(const Polyline& points, bool lednicer) {
  std::size_t split = 0;
  if (lednicer) {
    while (points[split + 1].x >= points[split].x) ++split;
    return {Polyline(points.begin(), points.begin() + static_cast<long>(split) + 1),
            Polyline(points.begin() + static_cast<long>(split) + 1, points.end())};
  }
  split = static_cast<std::size_t>(
      std::min_element(points.begin(), points.end(),
                       [](const Point& a, const Point& b) { return a.x < b.x; }) -
      points.begin());
  Polyline first(points.begin(), points.begin() + static_cast<long>(split) + 1);
  std::reverse(first.begin(), first.end());
  return {first, Polyline(points.begin() + static_cast<long>(split), points.end())};
}

// Leading edge to (0, 0), the mid-point of the two trailing-edge points to (1, 0).
void toUnitChord(Polyline& a, Polyline& b) {
  // Lednicer files may give the leading-edge point with one surface only.
  if (a.front().x < b.front().x) b.insert(b.begin(), a.front());
  if (b.front().x < a.front().x) a.insert(a.begin(), b.front());
  const Point lead = a.front();
  // A surface that stops short of the other's trailing-edge point is closed to it.
  if (a.back().x < b.back().x - 1e-3) a.push_back(b.back());
  if (b.back().x < a.back().x - 1e-3) b.push_back(a.back());
  const Point trail{(a.back().x + b.back().x) / 2, (a.back().y + b.back().y) / 2};
  const double dx = trail.x - lead.x, dy = trail.y - lead.y, square = dx * dx + dy * dy;
  for (Polyline* surface : {&a, &b}) {
    for (Point& p : *surface) {
      const double px = p.x - lead.x, py = p.y - lead.y;
      p = {(px * dx + py * dy) / square, (dx * py - dy * px) / square};
    }
  }
}

double along(const Polyline& surface, double x) {
  const auto after = std::upper_bound(surface.begin(), surface.end(), x,
                                      [](double at, const Point& p) { return at < p.x; });
  if (after == surface.begin()) return surface.front().y;
  if (after == surface.end()) return surface.back().y;
  const Point& p = *(after - 1);
  return p.y + (after->y - p.y) * (x - p.x) / (after->x - p.x);
}

struct ThinAirfoil {
  double zeroLiftDegrees;
  double momentAboutAerodynamicCentre;
};

// The mean line is straight between the x of every point of either surface, so its slope is
// constant there and the integrals in theta are sums of sines, exactly.
ThinAirfoil thinAirfoilOf(const Polyline& a, const Polyline& b) {
  std::vector<double> breaks;
  for (const Polyline* surface : {&a, &b}) {
    for (const Point& p : *surface) breaks.push_back(std::clamp(p.x, 0.0, 1.0));
  }
  breaks.push_back(0);
  breaks.push_back(1);
  std::sort(breaks.begin(), breaks.end());
  breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
  double a0 = 0, a1 = 0, a2 = 0;
  for (std::size_t i = 0; i + 1 < breaks.size(); ++i) {
    const double x0 = breaks[i], x1 = breaks[i + 1];
    const double z0 = (along(a, x0) + along(b, x0)) / 2, z1 = (along(a, x1) + along(b, x1)) / 2;
    const double slope = (z1 - z0) / (x1 - x0);
    const double t0 = std::acos(1 - 2 * x0), t1 = std::acos(1 - 2 * x1);
    a0 += slope * (t1 - t0) / kPi;
    a1 += 2 / kPi * slope * (std::sin(t1) - std::sin(t0));
    a2 += 2 / kPi * slope * (std::sin(2 * t1) - std::sin(2 * t0)) / 2;
  }
  return {180 / kPi * (a0 - a1 / 2), -kPi / 4 * (a1 - a2)};
}

ThinAirfoil referenceOf(const std::string& text) {
  bool counted = false;
  const Polyline points = pointsOf(text, counted);
  const bool startsAtLeadingEdge = points.front().x < 0.5;
  auto [a, b] = surfacesOf(points, counted || startsAtLeadingEdge);
  toUnitChord(a, b);
  return thinAirfoilOf(a, b);
}

ThinAirfoil referenceFor(const fs::path& path) {
  return referenceOf(fileText(path));
}

// The program's own numbers: the file converted, read, and integrated numerically.
ThinAirfoil programFor(const fs::path& path, int stations) {
  std::ifstream in(path, std::ios::binary);
  const auto converted = convertAirfoil(in, path.filename().string(), stations);
  EXPECT_TRUE(std::holds_alternative<ConvertedFile>(converted));
  if (!std::holds_alternative<ConvertedFile>(converted)) return {};
  std::istringstream text(std::get<ConvertedFile>(converted).text);
  auto read = parseNcaFile(text, path.filename().string(), kPi);
  EXPECT_TRUE(std::holds_alternative<AirfoilData>(read));
  if (!std::holds_alternative<AirfoilData>(read)) return {};
  Ortak ortak;
  ortak.Pi = kPi;
  auto& airfoil = std::get<AirfoilData>(read);
  ortak.NPoint = airfoil.NPoint;
  ortak.xC = airfoil.xC;
  ortak.yC = airfoil.yC;
  ortak.Theta = airfoil.Theta;
  HeadlessControls form;
  const fs::path folder = test::freshFolderForThisTest("accuracy_");
  Session session{ortak, form, folder};
  EXPECT_TRUE(NumericalFourier(session));
  CalcAeroLoads(session);
  fs::remove_all(folder);
  return {ortak.Alfa0, ortak.CmAC};
}

// The real files, and hand-made ones whose points are theirs: the default must serve each.
const char* const kFiles[] = {"clarky.dat",
                              "e387.dat",
                              "e374.dat",
                              "mh32.dat",
                              "pw51.dat",
                              "s1223.dat",
                              "n0012.dat",
                              "n0012-bare.dat",
                              "handmade/clarky-notes.dat",
                              "handmade/e387-percent.dat",
                              "handmade/mh32-windows.dat",
                              "handmade/e387-commas.dat",
                              "handmade/n0012-swapped.dat"};

// Within 0.5 % of the zero-lift angle, or 0.005 degrees where that is larger; within 1 % of the
// moment, or 2e-4.
TEST(ConvertedAccuracy, DefaultStationsMeetTheBoundOnEveryPublishedFile) {
  for (const char* file : kFiles) {
    SCOPED_TRACE(file);
    const ThinAirfoil reference = referenceFor(kAirfoils / file);
    const ThinAirfoil program = programFor(kAirfoils / file, kDefaultStations);
    EXPECT_NEAR(program.zeroLiftDegrees, reference.zeroLiftDegrees,
                std::max(0.005 * std::abs(reference.zeroLiftDegrees), 0.005));
    EXPECT_NEAR(program.momentAboutAerodynamicCentre, reference.momentAboutAerodynamicCentre,
                std::max(0.01 * std::abs(reference.momentAboutAerodynamicCentre), 2e-4));
  }
}

// The reference against the closed form: a parabolic mean line of height h has a zero-lift angle
// of -2h and a moment about the aerodynamic centre of -pi h.
TEST(ConvertedAccuracy, TheReferenceGivesTheParabolasClosedForm) {
  const double h = 0.02;
  std::string text = "parabola\n";
  for (int i = -400; i <= 400; ++i) {
    const double x = (1 - std::cos(kPi * std::abs(i) / 400)) / 2;
    const double mean = 4 * h * x * (1 - x), half = 0.05 * std::sqrt(x) * (1 - x);
    char line[64];
    std::snprintf(line, sizeof line, "%.15f %.15f\n", x, i < 0 ? mean + half : mean - half);
    text += line;
  }
  const ThinAirfoil parabola = referenceOf(text);
  EXPECT_NEAR(parabola.zeroLiftDegrees, -2 * h * 180 / kPi, 1e-3);
  EXPECT_NEAR(parabola.momentAboutAerodynamicCentre, -kPi * h, 1e-5);
}

}  // namespace
}  // namespace vantrel
