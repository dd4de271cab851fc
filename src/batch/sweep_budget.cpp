#include "batch/sweep_budget.h"

#include <cmath>
#include <cstdio>

namespace vantrel::batch {
namespace {

constexpr double kLargestPanels = 10000;
// Bytes a report line takes, measured on the program's own blocks: a panel row has ten numbers,
// a strength row two, a matrix row one per panel; each block has a few heading lines.
constexpr double kPanelRowBytes = 100;
constexpr double kStrengthRowBytes = 20;
constexpr double kMatrixEntryBytes = 11;
constexpr double kBlockHeadingBytes = 120;
constexpr double kLargestMatrixPanels = 38;
constexpr double kFourierBlockBytes = 70;

std::string countText(std::size_t count) {
  return std::to_string(count);
}

}  // namespace

SweepCost lumpedVortexSweepCost(std::size_t angles, int panels) {
  const double M = panels;
  double perAngle = kBlockHeadingBytes + M * (kPanelRowBytes + kStrengthRowBytes);
  if (M <= kLargestMatrixPanels) perAngle += M * (M + 1) * kMatrixEntryBytes;
  const double count = static_cast<double>(angles);
  return {count * perAngle, count * M * M * M};
}

SweepCost fourierSweepCost(std::size_t angles) {
  return {static_cast<double>(angles) * kFourierBlockBytes, 0};
}

std::string readableSize(double bytes) {
  const char* units[] = {"bytes", "kB", "MB", "GB", "TB"};
  int unit = 0;
  while (bytes >= 1000 && unit < 4) {
    bytes /= 1000;
    ++unit;
  }
  char text[32];
  std::snprintf(text, sizeof text, unit == 0 || bytes >= 10 ? "%.0f %s" : "%.1f %s", bytes,
                units[unit]);
  return text;
}

std::optional<std::string> refusedSweepCost(const SweepCost& cost, std::size_t angles, int panels,
                                            const char* report) {
  const std::string what = "sweep: " + countText(angles) + " angles" +
                           (panels > 0 ? " on " + std::to_string(panels) + " panels" : "");
  if (cost.reportBytes > kMostReportBytes) {
    return what + " would write about " + readableSize(cost.reportBytes) + " to \"" + report +
           "\"; one run may write at most " + readableSize(kMostReportBytes) +
           ". Use fewer angles or fewer stations";
  }
  const double largestSolve = kLargestPanels * kLargestPanels * kLargestPanels;
  if (cost.solveWork > kMostLargestSolves * largestSolve) {
    return what + " would solve as much as " +
           std::to_string(static_cast<long long>(std::ceil(cost.solveWork / largestSolve))) +
           " systems of 10000 panels (about 15 s each); one run may solve at most the equivalent "
           "of " +
           std::to_string(static_cast<int>(kMostLargestSolves)) +
           ". Use fewer angles or fewer stations";
  }
  return std::nullopt;
}

}  // namespace vantrel::batch
