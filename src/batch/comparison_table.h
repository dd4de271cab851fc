#pragma once

#include <string>

#include "batch/json_text.h"
#include "lessons/compare_methods.h"

namespace vantrel::batch {

// The methods side by side as CSV: two comment lines ("# ...") giving the angle and the reference
// point, a header row, then one row per method (method, Alfa0, CmAC, CL, Cmx, message); a method
// that did not run leaves its numbers empty and says why. Full precision, "\n" line ends.
std::string comparisonCsv(const MethodComparison& comparison, const std::string& airfoilName);

// {"alfa": ..., "xM": ..., "rows": [{"method": ..., "Alfa0": ..., ..., "message": null}, ...]}
Json comparisonJson(const MethodComparison& comparison);

}  // namespace vantrel::batch
