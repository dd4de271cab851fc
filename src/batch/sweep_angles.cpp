#include "batch/sweep_angles.h"

#include <algorithm>
#include <cmath>

#include "batch/command_line.h"
#include "text/locale_free_numbers.h"
#include "text/number_text.h"

namespace vantrel::batch {
namespace {

double margin(double step) {
  return std::abs(step) * 1e-9;
}

// FROM + i·STEP without overflowing on the way: from -1e308 by 1e307 the twentieth angle is
// 1e308, although 20·1e307 alone is beyond every double. Halving is exact at these magnitudes.
double angleAt(double from, double step, double i) {
  const double offset = i * step;
  if (std::isfinite(offset)) return from + offset;
  return 2 * (from / 2 + i * (step / 2));
}

// How many steps lead from FROM to TO, counted without overflow: TO − FROM of -1e308 and 1e308
// is beyond every double, though its 20 steps of 1e307 are not.
double angleCount(double from, double to, double step) {
  const double reach = to - from + std::copysign(margin(step), step);
  if (std::isfinite(reach)) return std::floor(reach / step) + 1;
  return std::floor((to / 2 - from / 2 + std::copysign(margin(step) / 2, step)) / (step / 2)) + 1;
}

// The angle as a sweep types it into the box and its row shows it.
double typedAngle(double angle) {
  return TextToNumber(NumberToText(angle));
}

}  // namespace

std::optional<std::string> refusedSweep(double from, double to, double step) {
  if (!std::isfinite(from) || !std::isfinite(to) || !std::isfinite(step)) {
    return "sweep: FROM, TO and STEP must be finite numbers";
  }
  if (step == 0) return "sweep: STEP must not be 0";
  if ((to > from && step < 0) || (to < from && step > 0)) {
    return "sweep: STEP must lead from FROM towards TO";
  }
  if (angleCount(from, to, step) > static_cast<double>(kMaxSweepAngles)) {
    // A step too small to move the angle at all would make the same angle again and again.
    const double largest = std::max(std::abs(from), std::abs(to));
    if (typedAngle(largest + std::abs(step)) == typedAngle(largest)) {
      return "sweep: a STEP of " + shortestText(std::abs(step)) +
             " is too small to change an angle of " + shortestText(largest) +
             ", and the sweep would repeat the same angles; use a larger STEP";
    }
    return "sweep: more than " + std::to_string(kMaxSweepAngles) + " angles";
  }
  return std::nullopt;
}

std::vector<double> sweepAngles(double from, double to, double step) {
  std::vector<double> angles;
  if (refusedSweep(from, to, step)) return angles;
  // At most the counted angles, each one different from the one before: a step smaller than the
  // spacing of the numbers near FROM (1 at 1e22) adds nothing, and the same angle would come
  // back for ever.
  const double count = angleCount(from, to, step);
  for (double i = 0; i < count; ++i) {
    // Whether TO is passed is asked of the angle itself: the typed one is rounded to the digits a
    // row shows, which beyond 1e15 can lie past TO when FROM is TO, and the sweep would visit none.
    const double exact = angleAt(from, step, i);
    const bool passed = step > 0 ? exact > to + margin(step) : exact < to - margin(step);
    if (passed) break;
    const double angle = typedAngle(exact);
    if (!angles.empty() && angle == angles.back()) continue;
    angles.push_back(angle);
  }
  return angles;
}

}  // namespace vantrel::batch
