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

// One line of a legend: a short stroke in the colour of a curve, and what the curve is.
struct LegendEntry {
  std::string text;  // UTF-8
  Rgb color;
};

// What the axes of one picture area are: their titles, where the tick values of x go, and the
// parts of the area covered by the window's own labels (fractions of the area), kept clear.
// A logarithmic picture is drawn in log10 of its values and frames itself: its values are powers
// of ten and it gets no tick marks at the edges. A legend fills a band along the top, two entries
// a row, from the left edge plus `legendIndent` of the width.
struct AxesStyle {
  std::string xTitle;
  std::string yTitle;
  bool xValuesAtTop = false;
  std::vector<PixelBox> coveredFractions;
  bool logarithmic = false;
  std::vector<LegendEntry> legend;
  double legendIndent = 0.0;
};

AxesStyle axesStyleOf(Picture picture);

// Tick marks with their values along the bottom (or top) and left edges and the two axis titles,
// from the picture's own Scale, laid out for a picture `width` x `height` pixels with text
// `fontPixels` high. No text overlaps another, the operating point's circle, a covered part or a
// line of the picture other than its grey grid: a value a line would strike moves beside its
// tick, and one that finds no room is left out. Nothing when the picture is empty or its scale
// maps nothing.
Overlay axesAndValues(const PictureBox& picture, const AxesStyle& style, double width,
                      double height, double fontPixels);

// The font size of axis values for a picture shown `scale` times its design size.
double axesFontPixels(double scale);

// The width a text of `fontPixels` takes at most in the fonts the program draws with.
double textWidthBound(std::string_view utf8, double fontPixels);

// The operating point's circle of the picture in pixels, when it has one.
std::optional<PixelBox> operatingPointBox(const PictureBox& picture, double width, double height);

}  // namespace vantrel
