#pragma once

#include <optional>
#include <vector>

#include "state/ortak.h"

namespace vantrel {

// Straight panels between neighbouring camber stations: panel I runs from station I to I + 1,
// with its point vortex at the quarter point and its control point at the three-quarter point.
// Every array is indexed 1..M (index 0 present and unused).
struct VortexPanels {
  int M = 0;
  std::vector<double> xV, yV;    // vortex points
  std::vector<double> xCP, yCP;  // control points
  std::vector<double> ds;        // panel lengths
  std::vector<double> CosP, SinP;
};

// Stations the camber arrays really hold, never more than NPoint.
int camberStationCount(const Ortak& ortak);

// The M panels on stations 1..M + 1 (M + 1 must not exceed camberStationCount).
VortexPanels panelsOf(const Ortak& ortak, int M);

// The first panel without length (its direction and its vortex's influence are undefined).
std::optional<int> firstZeroLengthPanel(const VortexPanels& panels);

// The first panel whose length is no finite number (ordinates so large that their squares
// overflow): it has no direction either.
std::optional<int> firstPanelWithoutFiniteLength(const VortexPanels& panels);

}  // namespace vantrel
