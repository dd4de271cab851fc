#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantrel::batch {

// FROM + i·STEP for i = 0, 1, … while the angle has not passed TO by more than a rounding
// margin, so a sweep from -4 to 10 by 0.1 ends at 10 although the sums drift. Each angle is the
// one the sweep types into the box (15 digits), and each differs from the one before: a step too
// small to move an angle adds nothing, and there are never more angles than the steps counted.
std::vector<double> sweepAngles(double from, double to, double step);

// Why a sweep cannot run: a zero step, a step pointing away from TO, too many angles, or a step
// too small to move the angles.
std::optional<std::string> refusedSweep(double from, double to, double step);

}  // namespace vantrel::batch
