#include "coefficients/numerical.h"

namespace vantrel {

bool NumericalFourier(Session& session) {
  (void)session;
  return false;
}

}  // namespace vantrel
