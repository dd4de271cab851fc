#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "input/monotone_cubic.h"
#include "input/selig_lednicer_converter.h"

namespace vantrel {

struct ContourPoint {
  double x = 0;
  double y = 0;
  int line = 0;  // where the point stands in the file, for messages
};

enum class ForeignLayout { Selig, Lednicer };

// A line that is not a pair of numbers ends the coordinates. Once the points before it make a
// whole outline, it and what follows are notes about the airfoil and are passed over; before
// that, the line is a fault in the coordinates.
struct TextAfterCoordinates {
  int line = 0;
  ConvertError ifIncomplete;   // the line's own fault, shown when the outline is not whole
  bool secondOutline = false;  // more coordinates follow it: a second element, such as a flap
};

// An airfoil as the file gives it, as one closed path: from the trailing edge along one surface
// round the leading edge and back along the other (a Lednicer file's upper surface is reversed
// and its lower surface appended, the shared leading-edge point once).
struct ForeignContour {
  std::string name;
  ForeignLayout layout = ForeignLayout::Selig;
  std::vector<ContourPoint> loop;
  std::vector<std::string> notes;  // how the file departs from its plain layout, for the record
  std::optional<TextAfterCoordinates> textAfter;
};

// Reads the name line and the coordinates, telling the layouts apart by the Lednicer count line
// (two whole numbers above 1, which no x/c, y/c pair can be) or, without one, by where the points
// start: a Selig loop starts at the trailing edge, Lednicer runs at the leading edge. Checks the
// numbers and the counts; the geometry is checked when the contour is normalised.
std::variant<ForeignContour, ConvertError> readForeignContour(std::istream& in,
                                                              std::string_view fileLabel);

// One surface, from the leading edge to the trailing edge, as the curve its stations are read from.
MonotoneCubic surfaceCurve(const std::vector<ContourPoint>& surface);

}  // namespace vantrel
