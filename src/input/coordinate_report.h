#pragma once

#include <string>

#include "state/ortak.h"

namespace vantrel {

// The coordinate report "Vantrel.txt" for the loaded airfoil, as bytes: the name, the column
// heading and one row per station (I, then xU yU xL yL xC yC in "#0.####0"); Windows-1254, CR LF.
std::string CoordinateReport(const Ortak& ortak);

}  // namespace vantrel
