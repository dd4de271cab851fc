#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "input/selig_lednicer_converter.h"

namespace vantrel {

struct ContourPoint {
  double x = 0;
  double y = 0;
  int line = 0;  // where the point stands in the file, for messages
};

enum class ForeignLayout { Selig, Lednicer };

// An airfoil as the file gives it, as one closed path: from the trailing edge along one surface
// round the leading edge and back along the other (a Lednicer file's upper surface is reversed
// and its lower surface appended, the shared leading-edge point once).
struct ForeignContour {
  std::string name;
  ForeignLayout layout = ForeignLayout::Selig;
  std::vector<ContourPoint> loop;
};

// Reads the name line and the coordinates, telling the layouts apart by the Lednicer count line
// (two whole numbers above 1, which no x/c, y/c pair can be). Checks the numbers and the counts;
// the geometry is checked when the contour is normalised.
std::variant<ForeignContour, ConvertError> readForeignContour(std::istream& in,
                                                              std::string_view fileLabel);

}  // namespace vantrel
