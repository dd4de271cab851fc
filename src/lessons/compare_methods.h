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

// "Compare Methods" as the user asks for it: before a file is read it shows "Open an airfoil data
// file" and gives nothing.
std::optional<MethodComparison> CompareMethodsOfLoadedAirfoil(Form1Handlers& handlers);

}  // namespace vantrel
