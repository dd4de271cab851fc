#include "coefficients/least_squares.h"

namespace vantrel {

std::optional<std::string> refusedDegree(const Ortak& ortak, double degree) {
  (void)ortak;
  (void)degree;
  return std::nullopt;
}

void LSQPolynomial(Session& session) { (void)session; }

}  // namespace vantrel
