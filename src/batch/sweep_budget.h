#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace vantrel::batch {

// A sweep's cost, known before its first angle: every angle of a lumped vortex sweep appends the
// panel table and the strengths (and, up to 38 panels, the matrix) to "Vantrel.txt" and solves
// one system; every angle of a Fourier sweep appends one block to "Poly5.txt".
struct SweepCost {
  double reportBytes = 0;  // how much the reports would grow
  double solveWork = 0;    // panels cubed, summed over the angles
};

SweepCost lumpedVortexSweepCost(std::size_t angles, int panels);
SweepCost fourierSweepCost(std::size_t angles);

// One run writes at most this much to its reports and solves at most the equivalent of this many
// systems of the largest size the lumped vortex method takes (10000 panels, about 15 s each).
inline constexpr double kMostReportBytes = 250e6;
inline constexpr double kMostLargestSolves = 8;

// Why a sweep of `angles` angles is refused before it starts, or nothing when it may run.
std::optional<std::string> refusedSweepCost(const SweepCost& cost, std::size_t angles, int panels,
                                            const char* report);

// "1.2 GB", "310 MB", "12 kB": a size as a person reads it.
std::string readableSize(double bytes);

}  // namespace vantrel::batch
