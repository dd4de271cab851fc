#pragma once

#include <string_view>
#include <variant>
#include <vector>

#include "input/selig_lednicer_converter.h"
#include "input/selig_lednicer_layout.h"

namespace vantrel {

// How far a point may lie outside the chord, and how far short of the trailing edge a surface may
// end, as a fraction of the chord. Real files carry rounded coordinates and slanted open trailing
// edges of this order; anything larger is a fault in the file.
inline constexpr double kChordTolerance = 1e-3;

// A file whose leading edge and trailing-edge mid-point lie this close (a fraction of the chord)
// to (0, 0) and (1, 0), or to (0, 0) and (100, 0), is already in unit chord or in percent of the
// chord: it is only divided by its chord, never turned, so its numbers are those of its points.
inline constexpr double kGivenChordTolerance = 1e-4;

// Where the file's chord was: its leading edge, length and angle to the file's x axis.
struct ChordFrame {
  double leadingX = 0;
  double leadingY = 0;
  double length = 1;
  double angleDegrees = 0;
  bool asGiven = false;  // in unit chord or percent of the chord already: divided, not turned
};

// Both surfaces in chord coordinates, each from the leading edge (0, 0) to the trailing edge,
// x strictly increasing.
struct ChordSurfaces {
  std::vector<ContourPoint> upper;
  std::vector<ContourPoint> lower;
  ChordFrame frame;
};

// Moves, turns and scales the loop so its leading edge is at (0, 0) and the mid-point of its two
// trailing-edge points at (1, 0), then splits it at the leading edge into the two surfaces.
std::variant<ChordSurfaces, ConvertError> normaliseToChord(const std::vector<ContourPoint>& loop,
                                                           std::string_view fileLabel);

}  // namespace vantrel
