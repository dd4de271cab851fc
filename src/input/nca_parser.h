#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vantrel {

// One airfoil as read from its data file, ready to take the place of the loaded one. The arrays
// run 0..NPoint with the stations at 1..NPoint; index 0 is present and 0.
struct AirfoilData {
  std::string AirfoilName;  // the name item's bytes as they stand in the file
  int NPoint = 0;
  std::vector<double> xU, yU, xL, yL;
  std::vector<double> xC, yC, Theta;
};

// Why a file could not be read: one message in the program's voice naming the file and the place.
struct ReadFailure {
  std::string message;
};

// Parses an airfoil data file: the name item, two skipped lines, then four numbers per station
// (xU, yU, xL, yL) separated by commas, blanks, tabs or line ends (CR LF, LF or CR); then forms
// the camber line and its angle coordinate with the given Pi. `fileLabel` names the file in
// messages.
std::variant<AirfoilData, ReadFailure> parseNcaFile(std::istream& in, std::string_view fileLabel,
                                                    double Pi);

}  // namespace vantrel
