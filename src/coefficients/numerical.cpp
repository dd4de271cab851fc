#include "coefficients/numerical.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "loads/results_log.h"
#include "numerics/elementary_functions.h"
#include "reports/report_file.h"
#include "text/number_text.h"

namespace vantrel {
namespace {

constexpr int kHighestIndex = 7;

// Stations the arrays really hold; a count beyond them is never read.
int stationCount(const Ortak& ortak) {
  const auto held = [](const std::vector<double>& values) {
    return values.empty() ? 0 : static_cast<int>(values.size()) - 1;
  };
  return std::max(0, std::min({ortak.NPoint, held(ortak.xC), held(ortak.yC), held(ortak.Theta)}));
}

// The first station I whose neighbour I + 1 has the same camber x: the slope of that interval
// is a division by zero and the quadrature would silently pick up the jump in camber.
std::optional<int> firstIntervalWithoutWidth(const Ortak& ortak, int stations) {
  for (int I = 1; I <= stations - 1; ++I) {
    if (ortak.xC[I + 1] == ortak.xC[I]) return I;
  }
  return std::nullopt;
}

std::string sameXMessage(const Ortak& ortak, int I) {
  return "Camber stations " + std::to_string(I) + " and " + std::to_string(I + 1) +
         " have the same x (" + NumberToText(ortak.xC[I]) +
         "), so the camber-line slope between them is undefined. Numerical integration needs a "
         "different x at every pair of neighbouring stations.";
}

struct Intervals {
  std::vector<double> Slope;   // 1..stations - 1
  std::vector<double> DTheta;  // 1..stations - 1
};

Intervals intervalsOf(const Ortak& ortak, int stations) {
  Intervals intervals;
  const std::size_t size = static_cast<std::size_t>(std::max(stations, 1));
  intervals.Slope.assign(size, 0.0);
  intervals.DTheta.assign(size, 0.0);
  for (int I = 1; I <= stations - 1; ++I) {
    intervals.Slope[I] = (ortak.yC[I + 1] - ortak.yC[I]) / (ortak.xC[I + 1] - ortak.xC[I]);
    intervals.DTheta[I] = ortak.Theta[I + 1] - ortak.Theta[I];
  }
  return intervals;
}

// The slope is constant over each interval; the cosine is averaged over its two ends.
double integralOf(int n, const Ortak& ortak, const Intervals& intervals, int stations) {
  double Integral = 0.0;
  for (int I = 1; I <= stations - 1; ++I) {
    const double CosMean = (cr::cos(n * ortak.Theta[I]) + cr::cos(n * ortak.Theta[I + 1])) / 2;
    Integral = Integral + intervals.DTheta[I] * (intervals.Slope[I] * CosMean);
  }
  return Integral;
}

ReportText coefficientBlock(const Ortak& ortak) {
  ReportText block;
  block.line();
  block.line(" Fourier coefficients with numerical integration");
  block.line();
  block.line(" A0 + AlfaR = " + FormatPattern(ortak.A0Camber, "#.####0"));
  for (int n = 1; n <= kHighestIndex; ++n) {
    block.line(" A" + BareNumber(n) + " = " + FormatPattern(ortak.A[n], "#.####0"));
  }
  return block;
}

}  // namespace

bool NumericalFourier(Session& session) {
  Ortak& ortak = session.ortak;
  const int stations = stationCount(ortak);
  if (auto I = firstIntervalWithoutWidth(ortak, stations)) {
    session.form.showMessage(sameXMessage(ortak, *I));
    return false;
  }
  const Intervals intervals = intervalsOf(ortak, stations);
  ortak.M = kHighestIndex;
  ortak.A.assign(kHighestIndex + 1, 0.0);
  for (int n = 0; n <= kHighestIndex; ++n) {
    const double Integral = integralOf(n, ortak, intervals, stations);
    if (n == 0) {
      ortak.A0Camber = Integral / ortak.Pi;
    } else {
      ortak.A[n] = (Integral * 2) / ortak.Pi;
    }
  }
  appendToResultsLog(session, coefficientBlock(ortak));
  return true;
}

}  // namespace vantrel
