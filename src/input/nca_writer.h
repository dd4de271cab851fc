#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// Surfaces given at the same stations, from the leading edge (index 0) to the trailing edge.
struct StationTable {
  std::vector<double> xU, yU, xL, yL;
};

// The program's own airfoil file layout: the name on the first line, `description` and the column
// heading "xU yU xL yL" on the two lines the reader skips, then one station a line with its four
// numbers separated by blanks, eight decimals each; lines end in CR LF. The name must hold no
// comma and no line end, or the reader would cut it short.
std::string stationDataFile(std::string_view name, std::string_view description,
                            const StationTable& stations);

// A coordinate with eight decimals, a point as separator and never a "-" before an all-zero value.
std::string fixedEightDecimals(double value);

}  // namespace vantrel
