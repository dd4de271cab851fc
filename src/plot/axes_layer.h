#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "plot/overlay.h"
#include "state/controls.h"
#include "surface/picture_box.h"

namespace vantrel {

// A rectangle in pixels, its sides included.
struct PixelBox {
  double left, top, right, bottom;
  bool overlaps(const PixelBox& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
};

// What the axes of one picture area are: their titles, where the tick values of x go, and the
// parts of the area covered by the window's own labels (fractions of the area), kept clear.
struct AxesStyle {
  std::string xTitle;
  std::string yTitle;
  bool xValuesAtTop = false;
  std::vector<PixelBox> coveredFractions;
};

AxesStyle axesStyleOf(Picture picture);

// Tick marks with their values along the bottom (or top) and left edges and the two axis titles,
// from the picture's own Scale, laid out for a picture `width` x `height` pixels with text
// `fontPixels` high. No text overlaps another, the operating point's circle, or a covered part;
// a value that would is left out. Nothing when the picture is empty or its scale maps nothing.
Overlay axesAndValues(const PictureBox& picture, const AxesStyle& style, double width,
                      double height, double fontPixels);

// The font size of axis values for a picture shown `scale` times its design size.
double axesFontPixels(double scale);

// The width a text of `fontPixels` takes at most in the fonts the program draws with.
double textWidthBound(std::string_view utf8, double fontPixels);

// The operating point's circle of the picture in pixels, when it has one.
std::optional<PixelBox> operatingPointBox(const PictureBox& picture, double width, double height);

}  // namespace vantrel
