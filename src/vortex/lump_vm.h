#pragma once

#include "app/session.h"

namespace vantrel {

// Lift and quarter-chord moment from point vortices on the camber-line panels; shows them in
// Text_CL and Text_CmAC and appends its three blocks to the coordinate report.
void LumpedVortex(Session& session);

}  // namespace vantrel
