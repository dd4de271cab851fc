#include "plot/graphics.h"

namespace vantrel {

void DrawAirfoil(Session& session) { (void)session; }
void DrawCamber(Session& session) { (void)session; }

}  // namespace vantrel
