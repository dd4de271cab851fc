#pragma once

#include "state/session.h"

namespace vantrel {

// Fourier coefficients A0Camber and A(1)..A(7) by quadrature in theta, logged. Returns false,
// after a message, when the stations cannot be integrated (changing nothing).
bool NumericalFourier(Session& session);

}  // namespace vantrel
