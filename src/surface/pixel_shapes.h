#pragma once

#include <variant>
#include <vector>

#include "surface/picture_box.h"

namespace vantrel {

// A display list as the pixels of one painted area see it: every painter (the window, PNG, SVG,
// the browser page) draws these and nothing else, so they cannot map a plot differently.
// Positions are in pixels from the top-left of the device, pixel edges on whole numbers.
struct PixelLine {
  double x1, y1, x2, y2;
  Rgb color;
};
struct PixelCircle {
  double x, y, radius;  // the same radius across and down, whatever the two scales
  Rgb color;
};
using PixelShape = std::variant<PixelLine, PixelCircle>;

struct PixelArea {
  double left, top, width, height;
};

// Each operation mapped by the Scale in effect (or the one kept at Cls); an operation with no
// mapping or a position that is not finite is left out. Clipping to the area is the painter's.
std::vector<PixelShape> pixelShapes(const PictureBox& picture, const PixelArea& area);

}  // namespace vantrel
