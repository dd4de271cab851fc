#pragma once

#include <optional>
#include <string>
#include <variant>

#include "input/airfoil_normalise.h"
#include "input/nca_parser.h"
#include "input/nca_writer.h"

namespace vantrel {

// An airfoil given by its two surfaces, to be sampled at any number of stations: a file's
// surfaces in chord coordinates and its name.
struct SampledSource {
  std::string name;
  ChordSurfaces surfaces;
};

// Reads the surfaces of an airfoil file: a ".dat" file (Selig or Lednicer) as the converter reads
// and normalises it, any other file as the program's own layout, whose surfaces must then each
// run with x increasing. On failure, the message that says why.
std::variant<SampledSource, std::string> sampledSourceOf(const std::string& path, double Pi);

// Both surfaces interpolated as the converter interpolates them (a monotone cubic each) at
// `stations` stations at cosine spacing, in full double precision.
StationTable sampledAtCosineStations(const ChordSurfaces& surfaces, int stations);

// Surfaces at the same stations (index 0 the leading edge) as the program holds a read airfoil:
// stations 1..NPoint, the camber line as the mean of the surfaces, its angle coordinate. None
// when a camber x falls outside the chord.
std::optional<AirfoilData> airfoilOfStations(std::string name, const StationTable& stations,
                                             double Pi);

}  // namespace vantrel
