#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// The two surfaces of a NACA airfoil at the same stations, from the leading to the trailing edge
// (index 0 is the leading edge), from the standard 4- and 5-digit formulas at cosine spacing.
struct NacaSurfaces {
  std::string name;  // "NACA 2412"
  std::vector<double> xU, yU, xL, yL;
};

// The most stations the generator makes: far beyond any plot's resolution, and it keeps a
// mistyped count from exhausting memory.
inline constexpr int kMostNacaStations = 10000;
// Stations when none are asked for: as many as the bundled samples have.
inline constexpr int kDefaultNacaStations = 41;

// "2412", "0012", "4412", "23012"; none for a designation the formulas do not cover, or a station
// count outside 2..kMostNacaStations.
std::optional<NacaSurfaces> nacaAirfoil(std::string_view designation, int stations);

// The mean line of a 4-digit designation: maximum camber m and its position p, as fractions of
// the chord; none for any other designation.
struct NacaFourDigitCamber {
  double m = 0.0;
  double p = 0.0;
};
std::optional<NacaFourDigitCamber> nacaFourDigitCamber(std::string_view designation);

// The airfoil in this program's own file layout: the name, two header lines, one station a line.
std::string nacaDataFile(const NacaSurfaces& airfoil);

}  // namespace vantrel
