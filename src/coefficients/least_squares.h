#pragma once

#include <optional>
#include <string>

#include "state/session.h"

namespace vantrel {

// "The degree of the polynomial must be a whole number from 0 to 5, not 2.5.", `shown` standing
// for the degree as the message shows it.
std::string notAWholeDegreeMessage(const std::string& shown);

// Why a polynomial degree (already capped at 5) cannot be fitted to the airfoil in the state:
// negative, not a whole number, or not smaller than the number of distinct camber x values.
std::optional<std::string> refusedDegree(const Ortak& ortak, double degree);

// Fits the camber polynomial of degree M (with or without end conditions, as the option buttons
// say), logs it, draws it over the camber plot and sets A0Camber and A(1)..A(4).
void LSQPolynomial(Session& session);

}  // namespace vantrel
