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
  if (!circle) return overlay;
  const double size = kDesignArrowPixels * std::max(scale, 0.5);
  const double x = (circle->left + circle->right) / 2;
  const double y = (circle->top + circle->bottom) / 2;
  // A circle whose centre lies on an edge or beyond it shows at most half of itself: an arrow
  // points to it.
  if (x >= 1 && x <= width - 1 && y >= 1 && y <= height - 1) return overlay;
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
  // At a corner the head's wings reach past the edge along it: the whole arrow moves in.
  double left = width, right = 0, top = height, bottom = 0;
  for (const OverlayLine& line : overlay.lines) {
    left = std::min({left, line.x1, line.x2}), right = std::max({right, line.x1, line.x2});
    top = std::min({top, line.y1, line.y2}), bottom = std::max({bottom, line.y1, line.y2});
  }
  const double shiftX = std::max(0.0, 1.0 - left) - std::max(0.0, right - (width - 1.0));
  const double shiftY = std::max(0.0, 1.0 - top) - std::max(0.0, bottom - (height - 1.0));
  for (OverlayLine& line : overlay.lines) {
    line.x1 += shiftX, line.x2 += shiftX, line.y1 += shiftY, line.y2 += shiftY;
  }
  return overlay;
}

}  // namespace vantrel
