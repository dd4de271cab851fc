#pragma once

namespace vantrel {

// The two results of the lumped vortex method at full precision: the lift coefficient and the
// moment coefficient about the quarter-chord point. The text boxes show them rounded to three
// decimals; a polar sweep wants every digit.
struct VortexResult {
  double cl = 0.0;
  double cm4 = 0.0;
};

}  // namespace vantrel
