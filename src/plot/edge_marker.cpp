#include "plot/edge_marker.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "numerics/elementary_functions.h"
#include "plot/axes_layer.h"

namespace vantrel {
namespace {

constexpr double kDesignArrowPixels = 9.0;

Rgb circleColor(const PictureBox& picture) {
  Rgb color = kBlue;
  for (const PlotOp& operation : picture.operations()) {
    if (const auto* circle = std::get_if<CircleOp>(&operation)) color = circle->color;
  }
  return color;
}

}  // namespace

Overlay operatingPointMarker(const PictureBox& picture, double width, double height, double scale) {
  Overlay overlay{width, height, {}, {}};
  const auto circle = operatingPointBox(picture, width, height);
  if (!circle || circle->overlaps({0, 0, width, height})) return overlay;
  const double size = kDesignArrowPixels * std::max(scale, 0.5);
  const double x = (circle->left + circle->right) / 2;
  const double y = (circle->top + circle->bottom) / 2;
  // The tip sits on the edge nearest the circle, the arrow pointing out towards it.
  const double tipX = std::clamp(x, 1.0, width - 1.0);
  const double tipY = std::clamp(y, 1.0, height - 1.0);
  const double dx = x - tipX;
  const double dy = y - tipY;
  const double length = cr::hypot(dx, dy);
  if (!(length > 0) || !std::isfinite(length)) return overlay;
  const double ux = dx / length;
  const double uy = dy / length;
  const double baseX = tipX - ux * size;
  const double baseY = tipY - uy * size;
  const double halfX = -uy * size / 2;
  const double halfY = ux * size / 2;
  const Rgb color = circleColor(picture);
  const double pen = std::max(1.0, 1.5 * scale);
  overlay.lines.push_back({baseX + halfX, baseY + halfY, tipX, tipY, color, pen});
  overlay.lines.push_back({baseX - halfX, baseY - halfY, tipX, tipY, color, pen});
  overlay.lines.push_back({baseX + halfX, baseY + halfY, baseX - halfX, baseY - halfY, color, pen});
  overlay.lines.push_back({tipX - ux * 2 * size, tipY - uy * 2 * size, baseX, baseY, color, pen});
  return overlay;
}

}  // namespace vantrel
