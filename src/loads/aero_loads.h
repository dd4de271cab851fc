#pragma once

#include <string>
#include <string_view>

#include "state/session.h"

namespace vantrel {

// Zero-lift angle and moment about the aerodynamic centre from A0Camber, A(1), A(2); logs them,
// takes the angle of attack from Text_Alfa, sets A(0) and runs the three curves below.
// A shown result that would not be a finite number is refused with this message instead, naming
// the input (the text of `box`) that made it so.
void CalcAeroLoads(Session& session);
std::string notFiniteMessage(std::string_view input, TextBox box, std::string_view result,
                             const Session& session);
// The same when the airfoil, not the input, is to blame: a camber line so large (ordinates of
// 1e300) that the result would not be finite at any usual angle or reference point.
std::string camberTooLargeMessage(std::string_view result);
void LiftCurve(Session& session);
void MomentCurve(Session& session);
void LoadDistribution(Session& session);

}  // namespace vantrel
