#pragma once

#include "state/session.h"

namespace vantrel {

// Lift and quarter-chord moment from point vortices on the camber-line panels; shows them in
// Text_CL and Text_CmAC and appends its three blocks to the coordinate report. The work reports
// to the session's progress; Stopped there, it has changed nothing at all. Refused: a message
// said why the camber line cannot be used, and nothing else changed.
enum class VortexRun { Done, Refused, Stopped };
VortexRun LumpedVortex(Session& session);

}  // namespace vantrel
