#include "batch/sweep_angles.h"

#include <cmath>

#include "batch/command_line.h"

namespace vantrel::batch {
namespace {

double margin(double step) {
  return std::abs(step) * 1e-9;
}

double angleCount(double from, double to, double step) {
  return std::floor((to - from + std::copysign(margin(step), step)) / step) + 1;
}

}  // namespace

std::optional<std::string> refusedSweep(double from, double to, double step) {
  if (!std::isfinite(from) || !std::isfinite(to) || !std::isfinite(step)) {
    return "sweep: FROM, TO and STEP must be finite numbers";
  }
  if (step == 0) return "sweep: STEP must not be 0";
  if ((to - from) * step < 0) return "sweep: STEP must lead from FROM towards TO";
  if (angleCount(from, to, step) > static_cast<double>(kMaxSweepAngles)) {
    return "sweep: more than " + std::to_string(kMaxSweepAngles) + " angles";
  }
  return std::nullopt;
}

std::vector<double> sweepAngles(double from, double to, double step) {
  std::vector<double> angles;
  if (refusedSweep(from, to, step)) return angles;
  for (long i = 0;; ++i) {
    const double angle = from + static_cast<double>(i) * step;
    const bool passed = step > 0 ? angle > to + margin(step) : angle < to - margin(step);
    if (passed) break;
    angles.push_back(angle);
  }
  return angles;
}

}  // namespace vantrel::batch
