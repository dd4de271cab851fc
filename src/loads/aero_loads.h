#pragma once

#include "app/session.h"

namespace vantrel {

// Zero-lift angle and moment about the aerodynamic centre from A0Camber, A(1), A(2); logs them,
// takes the angle of attack from Text_Alfa, sets A(0) and runs the three curves below.
void CalcAeroLoads(Session& session);
void LiftCurve(Session& session);
void MomentCurve(Session& session);
void LoadDistribution(Session& session);

}  // namespace vantrel
