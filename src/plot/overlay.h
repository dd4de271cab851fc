#pragma once

#include <string>
#include <vector>

#include "surface/picture_box.h"

namespace vantrel {

// Drawing laid over a picture area in its pixels, beside its display list: the list stays what
// the plotting procedures drew, and the overlay is made afresh for each size it is shown at.
struct OverlayLine {
  double x1, y1, x2, y2;
  Rgb color;
  double width;  // pixels
};

// A text that fits in its box: drawn centred in it, at `fontPixels` or smaller where the text
// would not fit, so no text ever leaves its box.
struct OverlayText {
  double left, top, width, height;
  double fontPixels;
  std::string text;  // UTF-8
  Rgb color;
  bool leftAligned = false;  // at the box's left, as a legend's lines stand; else centred

  double right() const { return left + width; }
  double bottom() const { return top + height; }
};

struct Overlay {
  double width = 0;  // the pixel size the overlay was laid out for
  double height = 0;
  std::vector<OverlayLine> lines;
  std::vector<OverlayText> texts;

  bool empty() const { return lines.empty() && texts.empty(); }
};

}  // namespace vantrel
