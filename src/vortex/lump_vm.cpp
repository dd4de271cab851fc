#include "vortex/lump_vm.h"

namespace vantrel {

void LumpedVortex(Session& session) { (void)session; }

}  // namespace vantrel
