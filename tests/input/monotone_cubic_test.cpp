#include "input/monotone_cubic.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vantrel {
namespace {

TEST(MonotoneCubic, PassesThroughItsPointsAndFollowsASmoothCurveClosely) {
  std::vector<double> x, y;
  for (int i = 0; i <= 40; ++i) {
    x.push_back(i / 40.0);
    y.push_back(x.back() * x.back() * x.back() + x.back());
  }
  const MonotoneCubic curve(x, y);
  for (std::size_t i = 0; i < x.size(); ++i) EXPECT_DOUBLE_EQ(curve(x[i]), y[i]);
  for (double at = 0.0; at <= 1.0; at += 0.0137) EXPECT_NEAR(curve(at), at * at * at + at, 1e-5);
}

TEST(MonotoneCubic, StepDataStayMonotoneAndWithinTheirNeighbours) {
  const MonotoneCubic curve({0, 1, 2, 3, 4, 5}, {0, 0, 0, 1, 1, 1});
  double previous = curve(0);
  for (double at = 0; at <= 5; at += 0.01) {
    const double value = curve(at);
    EXPECT_GE(value, 0.0) << at;
    EXPECT_LE(value, 1.0) << at;
    EXPECT_GE(value, previous - 1e-15) << at;
    previous = value;
    if (at <= 2 || at >= 3) {
      EXPECT_EQ(value, at <= 2 ? 0.0 : 1.0) << at;
    }
  }
}

TEST(MonotoneCubic, LocalExtremumIsNotExceeded) {
  const MonotoneCubic curve({0, 0.1, 0.3, 0.35, 1}, {0, 0.5, 1, 0.2, 0.1});
  for (double at = 0; at <= 1; at += 0.001) EXPECT_LE(curve(at), 1.0) << at;
}

TEST(MonotoneCubic, TwoPointsAreAStraightLineThatContinuesBeyondThem) {
  const MonotoneCubic curve({1, 3}, {2, 6});
  EXPECT_DOUBLE_EQ(curve(2), 4);
  EXPECT_DOUBLE_EQ(curve(4), 8);
  EXPECT_DOUBLE_EQ(curve(0), 0);
}

}  // namespace
}  // namespace vantrel
