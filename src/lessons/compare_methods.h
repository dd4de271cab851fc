#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/form1_handlers.h"
#include "state/controls.h"
#include "state/ortak.h"

namespace vantrel {

// One method's results at the angle of attack and the reference point of the window. A method
// that refused to run, or showed a message while running, has that message instead of numbers.
struct MethodResult {
  std::string method;  // "Least squares, degree 3, with end conditions"
  double Alfa0 = 0.0;  // degrees
  double CmAC = 0.0;
  double CL = 0.0;
  double Cmx = 0.0;  // about xM
  std::optional<std::string> message;
  // Set when the method ran but cannot represent this mean line, and says why.
  std::optional<std::string> caution;
};

struct MethodComparison {
  double Alfa = 0.0;  // degrees, as Text_Alfa reads
  double xM = 0.0;    // as Text_xM reads
  std::vector<MethodResult> rows;
};

// Every method on the loaded airfoil: least squares at degrees 2 to 5 with and without end
// conditions, numerical integration and the lumped vortex method. Each runs on its own copy of
// the state and of the angle and reference-point boxes and writes no report, so the state, the
// controls and both reports are left exactly as they were.
//
// The lumped vortex method gives no Fourier coefficients; its zero-lift angle is where its lift
// vanishes (its lift is exactly linear in the sine and cosine of the angle, so two runs, at 0 and
// 90 degrees, fix it) and its CmAC is its quarter-chord moment at that angle.
MethodComparison CompareMethods(const Ortak& ortak, const Controls& form);

// How far a least-squares row may lie from numerical integration, which follows the stations
// themselves, before the polynomial counts as unable to represent the mean line: a polynomial of
// degree 5 or less cannot bend through a flap's hinge kink, nor reach a turned trailing edge
// with its end conditions.
inline constexpr double kPolynomialAlfa0Tolerance = 1.0;  // degrees
inline constexpr double kPolynomialCmACTolerance = 0.02;

// The table as CSV: two comment lines (airfoil, angle, reference point), a header, one row per
// method: method, Alfa0, CmAC, CL, Cmx (empty for a method that refused), message, note (the
// caution, if any). Full precision, a point as decimal separator, "\n" line ends, UTF-8.
std::string ComparisonCsv(const MethodComparison& comparison, const std::string& airfoilName);

// "Compare Methods" as the user asks for it: before a file is read it shows "Open an airfoil data
// file" and gives nothing.
std::optional<MethodComparison> CompareMethodsOfLoadedAirfoil(Form1Handlers& handlers);

}  // namespace vantrel
