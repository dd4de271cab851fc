#pragma once

#include <optional>
#include <string_view>

namespace vantrel {

// What thin airfoil theory gives in closed form for a NACA 4-digit mean line.
struct ThinAirfoilValues {
  double Alfa0 = 0.0;  // zero-lift angle, degrees
  double CmAC = 0.0;   // moment about the quarter chord
};

// From the Fourier integrals of the mean line's slope, which is linear in x on each side of the
// point of maximum camber; none for a designation that is not a 4-digit one.
std::optional<ThinAirfoilValues> nacaThinAirfoilValues(std::string_view designation);

}  // namespace vantrel
