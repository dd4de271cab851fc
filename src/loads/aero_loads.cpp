#include "loads/aero_loads.h"

namespace vantrel {

void CalcAeroLoads(Session& session) { (void)session; }
void LiftCurve(Session& session) { (void)session; }
void MomentCurve(Session& session) { (void)session; }
void LoadDistribution(Session& session) { (void)session; }

}  // namespace vantrel
