#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantrel::batch {

// FROM + i·STEP for i = 0, 1, … while the angle has not passed TO by more than a rounding
// margin, so a sweep from -4 to 10 by 0.1 ends at 10 although the sums drift.
std::vector<double> sweepAngles(double from, double to, double step);

// Why a sweep cannot run: a zero step, a step pointing away from TO, or too many angles.
std::optional<std::string> refusedSweep(double from, double to, double step);

}  // namespace vantrel::batch
