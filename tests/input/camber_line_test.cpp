#include "input/camber_line.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vantrel {
namespace {

const double kPi = 4 * std::atan(1.0);

TEST(AngleCoordinate, EdgesMidChordAndTheSecondQuadrant) {
  EXPECT_EQ(AngleCoordinate(0.0, kPi), 0.0);
  EXPECT_EQ(AngleCoordinate(0.5, kPi), kPi / 2);  // the t = 0 branch
  EXPECT_EQ(AngleCoordinate(1.0, kPi), kPi);
  EXPECT_NEAR(AngleCoordinate(0.75, kPi), 2 * kPi / 3, 1e-15);
  EXPECT_NEAR(AngleCoordinate(0.25, kPi), kPi / 3, 1e-15);
}

TEST(AngleCoordinate, InvertsTheCosineSpacingAcrossTheChord) {
  for (int i = 0; i <= 40; ++i) {
    const double x = i / 40.0;
    const double Theta = AngleCoordinate(x, kPi);
    EXPECT_NEAR((1 - std::cos(Theta)) / 2, x, 1e-15) << x;
  }
}

TEST(AngleCoordinate, UsesTheGivenPi) {
  // Pi comes from the shared state; past mid-chord it is added as given.
  EXPECT_EQ(AngleCoordinate(1.0, 3.0), 3.0);
  EXPECT_EQ(AngleCoordinate(0.5, 3.0), 1.5);
}

}  // namespace
}  // namespace vantrel
