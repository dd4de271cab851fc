#pragma once

#include <optional>
#include <string>

#include "input/nca_parser.h"
#include "input/nca_writer.h"

namespace vantrel {

// Surfaces at the same stations (index 0 the leading edge) as the program holds a read airfoil:
// stations 1..NPoint, the camber line as the mean of the surfaces, its angle coordinate. None
// when a camber x falls outside the chord.
std::optional<AirfoilData> airfoilOfStations(std::string name, const StationTable& stations,
                                             double Pi);

}  // namespace vantrel
