#pragma once

#include "state/session.h"

namespace vantrel {

// The airfoil contour with its camber line, at equal scales, and the airfoil's name.
void DrawAirfoil(Session& session);
// The camber line alone, its height stretched; leaves the scale set for the fitted curve.
void DrawCamber(Session& session);

}  // namespace vantrel
