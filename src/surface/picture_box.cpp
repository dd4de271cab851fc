#include "surface/picture_box.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vantrel {
namespace {

// The drawing surface takes single precision; a double beyond its range saturates rather than
// overflowing the conversion.
float toSingle(double value) {
  if (std::isnan(value)) return std::numeric_limits<float>::quiet_NaN();
  constexpr double largest = std::numeric_limits<float>::max();
  return static_cast<float>(std::clamp(value, -largest, largest));
}

}  // namespace

void PictureBox::Cls() {
  operations_.clear();
  scaleAtCls_ = currentScale_;
  ++revision_;
}

void PictureBox::Scale(double x1, double y1, double x2, double y2) {
  currentScale_ = ScaleOp{x1, y1, x2, y2};
  operations_.emplace_back(*currentScale_);
  ++revision_;
}

void PictureBox::Line(double x1, double y1, double x2, double y2) {
  operations_.emplace_back(
      LineOp{toSingle(x1), toSingle(y1), toSingle(x2), toSingle(y2), std::nullopt});
  ++revision_;
}

void PictureBox::Line(double x1, double y1, double x2, double y2, Rgb color) {
  operations_.emplace_back(LineOp{toSingle(x1), toSingle(y1), toSingle(x2), toSingle(y2), color});
  ++revision_;
}

void PictureBox::Circle(double x, double y, double radius, Rgb color) {
  operations_.emplace_back(CircleOp{toSingle(x), toSingle(y), toSingle(radius), color});
  ++revision_;
}

std::optional<PixelMapping> PixelMapping::from(const ScaleOp& scale, double width, double height) {
  const double spanX = scale.x2 - scale.x1;
  const double spanY = scale.y2 - scale.y1;
  if (!(std::isfinite(spanX) && std::isfinite(spanY)) || spanX == 0.0 || spanY == 0.0) {
    return std::nullopt;
  }
  PixelMapping mapping;
  mapping.x1_ = scale.x1;
  mapping.y1_ = scale.y1;
  mapping.columnsPerUnit_ = width / spanX;
  mapping.rowsPerUnit_ = height / spanY;
  // A span so small (subnormal loads of subnormal ordinates) that a pixel holds no finite part of
  // it maps every point to infinity: nothing can be drawn, and no "inf" may reach an SVG.
  if (!std::isfinite(mapping.columnsPerUnit_) || !std::isfinite(mapping.rowsPerUnit_)) {
    return std::nullopt;
  }
  return mapping;
}

double PixelMapping::radiusInPixels(double r) const {
  return std::abs(r * columnsPerUnit_);
}

}  // namespace vantrel
