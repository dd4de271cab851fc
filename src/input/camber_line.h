#pragma once

namespace vantrel {

// The angle coordinate of a camber station, x = (1 - cos Theta)/2, by the program's own steps
// (a one-argument arc tangent and a quadrant correction). Needs 0 <= xC <= 1.
double AngleCoordinate(double xC, double Pi);

}  // namespace vantrel
