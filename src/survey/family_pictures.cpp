#include "survey/family_pictures.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "numerics/elementary_functions.h"

namespace vantrel {
namespace {

// Eight colours told apart on screen and in print.
constexpr Rgb kFamilyColors[kFamilyMost] = {{220, 0, 0},   {0, 0, 220},   {0, 150, 0},
                                            {200, 0, 200}, {230, 130, 0}, {0, 160, 170},
                                            {120, 70, 20}, {0, 0, 0}};

struct Curve {
  std::vector<double> x, y;
  Rgb color;
  std::string name;
};

struct Range {
  double low = std::numeric_limits<double>::infinity();
  double high = -std::numeric_limits<double>::infinity();
  void include(double value) {
    if (!std::isfinite(value)) return;
    low = std::min(low, value), high = std::max(high, value);
  }
};

// The legend's rows (two entries a row) in pixels at the design size, with the gaps around them,
// as a fraction of the picture's height.
double legendBand(std::size_t entries) {
  constexpr double font = 11.0, line = 1.3 * font, gap = 4.0;
  const double rows = static_cast<double>((entries + 1) / 2);
  return (rows * line + 2 * gap) / kFamilyPictureHeight;
}

// The curves in a view that leaves room on the left and below for the axes' values and above
// for the legend; zero lines in grey, which values may lie on.
FamilyPicture overlaid(const std::vector<Curve>& curves, Range x, double leastHeight,
                       AxesStyle axes, std::optional<double> markX) {
  FamilyPicture result;
  result.axes = std::move(axes);
  // Right of the values of y, so no tick runs into a legend's stroke.
  result.axes.legendIndent = 0.12;
  Range y;
  for (const Curve& curve : curves) {
    for (double value : curve.y) y.include(value);
    result.axes.legend.push_back({curve.name, curve.color});
  }
  if (curves.empty() || !(y.low <= y.high)) return result;
  y.include(0.0);
  if (y.high - y.low < leastHeight) {
    const double middle = (y.high + y.low) / 2;
    y = {middle - leastHeight / 2, middle + leastHeight / 2};
  }
  const double bottomRoom = 0.12, topRoom = legendBand(curves.size()) + 0.04;
  const double height = (y.high - y.low) / (1 - bottomRoom - topRoom);
  const double bottom = y.low - bottomRoom * height, top = bottom + height;
  const double width = (x.high - x.low) / 0.84;
  const double left = x.low - 0.12 * width, right = left + width;
  PictureBox& picture = result.picture;
  picture.Scale(left, top, right, bottom);
  picture.Line(left, 0, right, 0, kGrey);
  if (markX) picture.Line(*markX, bottom, *markX, top, kGrey);
  for (const Curve& curve : curves) {
    for (std::size_t i = 1; i < curve.x.size(); ++i) {
      picture.Line(curve.x[i - 1], curve.y[i - 1], curve.x[i], curve.y[i], curve.color);
    }
  }
  return result;
}

// The stations 1..NPoint as fractions of the chord, from the camber line's two ends.
template <typename Ordinate>
Curve chordNormalised(const AirfoilData& airfoil, Ordinate ordinate) {
  Range chord;
  for (int I = 1; I <= airfoil.NPoint; ++I) chord.include(airfoil.xC[static_cast<std::size_t>(I)]);
  Curve curve;
  const double length = chord.high - chord.low;
  if (!(length > 0)) return curve;
  for (int I = 1; I <= airfoil.NPoint; ++I) {
    const auto i = static_cast<std::size_t>(I);
    curve.x.push_back((airfoil.xC[i] - chord.low) / length);
    curve.y.push_back(ordinate(airfoil, i) / length);
  }
  return curve;
}

template <typename Ordinate>
std::vector<Curve> stationCurves(const AirfoilFamily& family, Ordinate ordinate) {
  std::vector<Curve> curves;
  const auto& members = family.members();
  for (std::size_t m = 0; m < members.size(); ++m) {
    if (!members[m].airfoil) continue;
    Curve curve = chordNormalised(*members[m].airfoil, ordinate);
    if (curve.x.size() < 2) continue;
    curve.color = familyColor(m);
    curve.name = members[m].label;
    curves.push_back(std::move(curve));
  }
  return curves;
}

}  // namespace

Rgb familyColor(std::size_t index) {
  return kFamilyColors[index % kFamilyMost];
}

FamilyPicture meanLinesPicture(const AirfoilFamily& family) {
  const auto curves = stationCurves(
      family, [](const AirfoilData& a, std::size_t i) { return a.yC[i]; });
  return overlaid(curves, {0, 1}, 0.04, {"x/c", "mean line y/c", false, {}, false, {}, 0.0},
                  std::nullopt);
}

FamilyPicture thicknessPicture(const AirfoilFamily& family) {
  const auto curves = stationCurves(
      family, [](const AirfoilData& a, std::size_t i) { return a.yU[i] - a.yL[i]; });
  return overlaid(curves, {0, 1}, 0.04, {"x/c", "thickness t/c", false, {}, false, {}, 0.0},
                  std::nullopt);
}

FamilyPicture liftLinesPicture(const AirfoilFamily& family, const std::vector<AirfoilRow>& rows,
                               double alfa) {
  const double Pi = 4.0 * cr::atan(1.0);
  std::vector<Curve> curves;
  const auto& members = family.members();
  for (std::size_t m = 0; m < members.size() && m < rows.size(); ++m) {
    if (!rows[m].computed) continue;
    Curve curve{{}, {}, familyColor(m), members[m].label};
    for (double degrees : {-10.0, 10.0}) {
      curve.x.push_back(degrees);
      curve.y.push_back(2 * Pi * (degrees - rows[m].Alfa0) * Pi / 180);
    }
    curves.push_back(std::move(curve));
  }
  const bool alfaShown = std::isfinite(alfa) && alfa >= -10 && alfa <= 10;
  return overlaid(curves, {-10, 10}, 0.2, {"α (deg)", "CL", false, {}, false, {}, 0.0},
                  alfaShown ? std::optional<double>(alfa) : std::nullopt);
}

}  // namespace vantrel
