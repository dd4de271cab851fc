#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "input/airfoil_normalise.h"
#include "input/selig_lednicer_layout.h"

namespace vantrel {

// The contour normalised to its chord as published files give it, passing over what they add to
// a plain outline: notes after the coordinates, the first point repeated at the end to close the
// drawing, a surface stopping one point short of the trailing edge. Each is noted in `notes`.
// Points after the outline closed and a second outline are refused as such.
std::variant<ChordSurfaces, ConvertError> settlePublishedQuirks(const ForeignContour& contour,
                                                                std::vector<std::string>& notes,
                                                                std::string_view fileLabel);

}  // namespace vantrel
