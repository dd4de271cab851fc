#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vantrel {

struct ConvertError {
  std::string message;  // names the file and the line
};

// Stations written when none are asked for. Enough that the zero-lift angle and the moment about
// the aerodynamic centre by numerical integration agree with the same mean line integrated
// finely to well within a percent (see the README); far below the limits of every method.
inline constexpr int kDefaultStations = 201;

struct ConvertedFile {
  std::string text;                // in this program's own layout
  std::vector<std::string> notes;  // what was read differently from the plain layout
};

// Reads an airfoil in the Selig or the Lednicer layout, normalises it to the chord and writes it
// in this program's own layout with `stations` stations at cosine spacing. The notes also stand
// in the converted file's second line, the record of where it came from.
std::variant<ConvertedFile, ConvertError> convertAirfoil(std::istream& in,
                                                         std::string_view fileLabel,
                                                         int stations = kDefaultStations);

// The converted text alone.
std::variant<std::string, ConvertError> convertToDataFile(std::istream& in,
                                                          std::string_view fileLabel,
                                                          int stations = kDefaultStations);

}  // namespace vantrel
