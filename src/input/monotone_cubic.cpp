#include "input/monotone_cubic.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

namespace vantrel {
namespace {

bool sameSign(double a, double b) {
  return (a > 0 && b > 0) || (a < 0 && b < 0);
}

// One-sided three-point slope at an end, held to the shape of the data: no slope against the
// first secant, and at most three times it where the data turn.
double endSlope(double h0, double h1, double secant0, double secant1) {
  const double slope = ((2 * h0 + h1) * secant0 - h0 * secant1) / (h0 + h1);
  if (!sameSign(slope, secant0)) return 0.0;
  if (!sameSign(secant0, secant1) && std::abs(slope) > std::abs(3 * secant0)) return 3 * secant0;
  return slope;
}

std::vector<double> monotoneSlopes(const std::vector<double>& x, const std::vector<double>& y) {
  const std::size_t n = x.size();
  std::vector<double> h(n - 1), secant(n - 1);
  for (std::size_t k = 0; k + 1 < n; ++k) {
    h[k] = x[k + 1] - x[k];
    secant[k] = (y[k + 1] - y[k]) / h[k];
  }
  std::vector<double> slope(n, 0.0);
  if (n == 2) {
    slope[0] = slope[1] = secant[0];
    return slope;
  }
  for (std::size_t k = 1; k + 1 < n; ++k) {
    if (!sameSign(secant[k - 1], secant[k])) continue;  // a local extremum stays flat
    const double w1 = 2 * h[k] + h[k - 1];
    const double w2 = h[k] + 2 * h[k - 1];
    slope[k] = (w1 + w2) / (w1 / secant[k - 1] + w2 / secant[k]);
  }
  slope[0] = endSlope(h[0], h[1], secant[0], secant[1]);
  slope[n - 1] = endSlope(h[n - 2], h[n - 3], secant[n - 2], secant[n - 3]);
  return slope;
}

}  // namespace

MonotoneCubic::MonotoneCubic(std::vector<double> x, std::vector<double> y)
    : x_(std::move(x)), y_(std::move(y)), slope_(monotoneSlopes(x_, y_)) {}

std::size_t MonotoneCubic::intervalOf(double at) const {
  const auto upper = std::upper_bound(x_.begin(), x_.end(), at);
  const auto index = static_cast<std::size_t>(upper - x_.begin());
  return std::clamp<std::size_t>(index, 1, x_.size() - 1) - 1;
}

double MonotoneCubic::operator()(double at) const {
  if (at <= x_.front()) return y_.front() + slope_.front() * (at - x_.front());
  if (at >= x_.back()) return y_.back() + slope_.back() * (at - x_.back());
  const std::size_t k = intervalOf(at);
  const double h = x_[k + 1] - x_[k];
  const double t = (at - x_[k]) / h;
  const double t2 = t * t;
  const double t3 = t2 * t;
  const double h00 = 2 * t3 - 3 * t2 + 1;
  const double h10 = t3 - 2 * t2 + t;
  const double h01 = -2 * t3 + 3 * t2;
  const double h11 = t3 - t2;
  return h00 * y_[k] + h10 * h * slope_[k] + h01 * y_[k + 1] + h11 * h * slope_[k + 1];
}

}  // namespace vantrel
