#include "surface/pixel_shapes.h"

#include <cmath>
#include <optional>

namespace vantrel {
namespace {

bool finite(double x, double y) {
  return std::isfinite(x) && std::isfinite(y);
}

class PixelMapper {
 public:
  PixelMapper(const PictureBox& picture, const PixelArea& area)
      : foreColor_(picture.foreColor()), area_(area) {
    if (picture.scaleAtCls()) useScale(*picture.scaleAtCls());
  }

  void operator()(const ScaleOp& scale) { useScale(scale); }

  void operator()(const LineOp& line) {
    if (!mapping_) return;
    const double x1 = column(line.x1), y1 = row(line.y1);
    const double x2 = column(line.x2), y2 = row(line.y2);
    if (!finite(x1, y1) || !finite(x2, y2)) return;
    shapes_.push_back(PixelLine{x1, y1, x2, y2, line.color.value_or(foreColor_)});
  }

  void operator()(const CircleOp& circle) {
    if (!mapping_) return;
    const double x = column(circle.x), y = row(circle.y);
    const double radius = mapping_->radiusInPixels(circle.r);
    if (!finite(x, y) || !std::isfinite(radius)) return;
    shapes_.push_back(PixelCircle{x, y, radius, circle.color});
  }

  std::vector<PixelShape> take() { return std::move(shapes_); }

 private:
  void useScale(const ScaleOp& scale) {
    mapping_ = PixelMapping::from(scale, area_.width, area_.height);
  }
  double column(double x) const { return area_.left + mapping_->column(x); }
  double row(double y) const { return area_.top + mapping_->row(y); }

  Rgb foreColor_;
  PixelArea area_;
  std::optional<PixelMapping> mapping_;
  std::vector<PixelShape> shapes_;
};

}  // namespace

std::vector<PixelShape> pixelShapes(const PictureBox& picture, const PixelArea& area) {
  PixelMapper mapper(picture, area);
  for (const PlotOp& operation : picture.operations()) std::visit(mapper, operation);
  return mapper.take();
}

}  // namespace vantrel
