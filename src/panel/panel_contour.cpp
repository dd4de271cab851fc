#include "panel/panel_contour.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "numerics/elementary_functions.h"

namespace vantrel {
namespace {

struct Point {
  double x, y;
};

// A natural cubic spline through (t, v), t strictly increasing.
class CubicSpline {
 public:
  CubicSpline(std::vector<double> t, std::vector<double> v)
      : t_(std::move(t)), v_(std::move(v)), second_(t_.size(), 0.0) {
    const std::size_t n = t_.size();
    if (n < 3) return;
    // Tridiagonal system for the second derivatives, zero at both ends.
    std::vector<double> diagonal(n, 1.0), upper(n, 0.0), right(n, 0.0);
    for (std::size_t i = 1; i + 1 < n; ++i) {
      const double before = t_[i] - t_[i - 1];
      const double after = t_[i + 1] - t_[i];
      const double lower = before / 6.0;
      diagonal[i] = (before + after) / 3.0;
      upper[i] = after / 6.0;
      right[i] = (v_[i + 1] - v_[i]) / after - (v_[i] - v_[i - 1]) / before;
      // Forward sweep of the Thomas algorithm.
      const double factor = lower / diagonal[i - 1];
      diagonal[i] -= factor * upper[i - 1];
      right[i] -= factor * right[i - 1];
    }
    for (std::size_t i = n - 2; i >= 1; --i) {
      second_[i] = (right[i] - upper[i] * second_[i + 1]) / diagonal[i];
    }
  }

  double operator()(double at) const {
    const auto upperBound = std::upper_bound(t_.begin(), t_.end(), at);
    std::size_t i = upperBound == t_.begin() ? 0 : static_cast<std::size_t>(upperBound - t_.begin()) - 1;
    i = std::min(i, t_.size() - 2);
    const double h = t_[i + 1] - t_[i];
    const double a = (t_[i + 1] - at) / h;
    const double b = (at - t_[i]) / h;
    return a * v_[i] + b * v_[i + 1] +
           ((a * a * a - a) * second_[i] + (b * b * b - b) * second_[i + 1]) * h * h / 6.0;
  }

 private:
  std::vector<double> t_, v_, second_;
};

double cross(Point a, Point b, Point c) {
  return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

bool segmentsCross(Point a, Point b, Point c, Point d) {
  const double d1 = cross(c, d, a), d2 = cross(c, d, b), d3 = cross(a, b, c), d4 = cross(a, b, d);
  return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

}  // namespace

double twiceSignedArea(const PanelContour& contour) {
  double sum = 0.0;
  const std::size_t n = contour.x.size();
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t next = (i + 1) % n;
    sum += contour.x[i] * contour.y[next] - contour.x[next] * contour.y[i];
  }
  return sum;
}

std::optional<double> firstSelfCrossing(const PanelContour& contour) {
  const std::size_t nodes = contour.x.size();
  if (nodes < 4) return std::nullopt;
  auto point = [&](std::size_t i) { return Point{contour.x[i % nodes], contour.y[i % nodes]}; };
  // Segment s joins node s to node s + 1; the last one is the base, from the upper trailing edge
  // back to the lower one.
  const std::size_t segments = nodes;
  for (std::size_t s = 0; s < segments; ++s) {
    for (std::size_t r = s + 2; r < segments; ++r) {
      if (s == 0 && r == segments - 1) continue;  // they meet at the lower trailing edge
      if (segmentsCross(point(s), point(s + 1), point(r), point(r + 1))) {
        return (point(s).x + point(s + 1).x) / 2;
      }
    }
  }
  return std::nullopt;
}

std::variant<PanelContour, ContourFault> repanel(const SurfacePoints& surfaces, int panels) {
  const std::size_t upperCount = std::min(surfaces.xUpper.size(), surfaces.yUpper.size());
  const std::size_t lowerCount = std::min(surfaces.xLower.size(), surfaces.yLower.size());
  if (upperCount < 2 || lowerCount < 2) {
    return ContourFault{"The panel method needs at least two points on each surface."};
  }
  // The outline from the lower trailing edge round the leading edge to the upper trailing edge.
  std::vector<Point> outline;
  std::size_t leadingEdge = 0;
  double extent = 0.0;
  for (const auto* values : {&surfaces.xUpper, &surfaces.yUpper, &surfaces.xLower, &surfaces.yLower}) {
    for (double value : *values) {
      if (!std::isfinite(value)) {
        return ContourFault{"The panel method cannot use coordinates that are not finite numbers."};
      }
      extent = std::max(extent, std::abs(value));
    }
  }
  // Points closer than rounding can tell apart (a leading edge written twice) are one point.
  const double sameDistance = 1e-12 * std::max(extent, 1.0);
  auto add = [&outline, sameDistance](Point p) {
    if (!outline.empty() &&
        cr::hypot(outline.back().x - p.x, outline.back().y - p.y) <= sameDistance) {
      return;
    }
    outline.push_back(p);
  };
  for (std::size_t i = lowerCount; i-- > 0;) add({surfaces.xLower[i], surfaces.yLower[i]});
  add({surfaces.xUpper[0], surfaces.yUpper[0]});
  leadingEdge = outline.size() - 1;
  for (std::size_t i = 1; i < upperCount; ++i) add({surfaces.xUpper[i], surfaces.yUpper[i]});
  // A trailing edge closed but for rounding (1e-17 apart, the upper side a hair below the lower)
  // is a sharp edge; left open, its two ends would cross.
  if (outline.size() >= 2) {
    Point& first = outline.front();
    Point& last = outline.back();
    if (cr::hypot(first.x - last.x, first.y - last.y) <= 1e-9 * std::max(extent, 1.0)) {
      const Point middle{(first.x + last.x) / 2, (first.y + last.y) / 2};
      first = middle;
      last = middle;
    }
  }
  if (leadingEdge == 0 || leadingEdge + 1 >= outline.size()) {
    return ContourFault{"The panel method needs at least two distinct points on each surface."};
  }
  std::vector<double> length(outline.size(), 0.0);
  for (std::size_t i = 1; i < outline.size(); ++i) {
    length[i] = length[i - 1] + cr::hypot(outline[i].x - outline[i - 1].x,
                                           outline[i].y - outline[i - 1].y);
  }
  std::vector<double> xs, ys;
  for (const Point& p : outline) {
    xs.push_back(p.x);
    ys.push_back(p.y);
  }
  const CubicSpline xOf(length, xs), yOf(length, ys);
  const double leading = length[leadingEdge];
  const double total = length.back();

  PanelContour contour;
  contour.lowerPanels = panels / 2;
  const int upperPanels = panels - contour.lowerPanels;
  auto place = [&](double t) {
    contour.x.push_back(xOf(t));
    contour.y.push_back(yOf(t));
  };
  for (int k = 0; k < contour.lowerPanels; ++k) {
    place(leading * (1 - cr::cos(std::numbers::pi * k / contour.lowerPanels)) / 2);
  }
  // The leading-edge node is the station itself, not the spline's rounding of it.
  contour.x.push_back(outline[leadingEdge].x);
  contour.y.push_back(outline[leadingEdge].y);
  for (int k = 1; k < upperPanels; ++k) {
    place(leading + (total - leading) * (1 - cr::cos(std::numbers::pi * k / upperPanels)) / 2);
  }
  contour.x.push_back(outline.back().x);
  contour.y.push_back(outline.back().y);
  contour.x.front() = outline.front().x;
  contour.y.front() = outline.front().y;

  double chord = 0.0;
  for (std::size_t i = 0; i < contour.x.size(); ++i) {
    chord = std::max(chord, cr::hypot(contour.x[i] - contour.x[static_cast<std::size_t>(contour.lowerPanels)],
                                       contour.y[i] - contour.y[static_cast<std::size_t>(contour.lowerPanels)]));
  }
  if (!(chord > 0.0)) return ContourFault{"The panel method needs a section with a chord."};
  const double area = twiceSignedArea(contour) / 2;
  // A camber line alone (both surfaces the same) encloses nothing; a section of 0.01% thickness
  // would enclose about 7e-5 of the chord squared.
  if (std::abs(area) < 1e-5 * chord * chord) {
    return ContourFault{
        "The panel method needs a section with thickness: the two surfaces of this airfoil "
        "coincide (a camber line only). The thin-airfoil methods take it as it is."};
  }
  if (const auto crossing = firstSelfCrossing(contour)) {
    char where[32];
    std::snprintf(where, sizeof where, "%.3g", *crossing);
    return ContourFault{std::string("The outline of this airfoil crosses itself near x = ") +
                        where +
                        "; the panel method needs an outline that does not cross itself."};
  }
  if (area > 0) {
    return ContourFault{
        "The upper surface of this airfoil lies below the lower one; the panel method needs the "
        "upper surface above."};
  }
  return contour;
}

}  // namespace vantrel
