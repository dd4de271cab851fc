#include <gtest/gtest.h>

#include <cmath>
#include <variant>

#include "fixtures/test_airfoil.h"
#include "loads/aero_loads.h"
#include "state/headless_controls.h"
#include "support/session_test.h"

namespace vantrel {
namespace {

struct Drawn {
  std::vector<ScaleOp> scales;
  std::vector<LineOp> axes;   // lines in the foreground colour
  std::vector<LineOp> curve;  // red lines
};

Drawn drawnOn(const PictureBox& picture) {
  Drawn drawn;
  for (const PlotOp& op : picture.operations()) {
    if (const auto* scale = std::get_if<ScaleOp>(&op)) drawn.scales.push_back(*scale);
    if (const auto* line = std::get_if<LineOp>(&op)) {
      if (!line->color) {
        drawn.axes.push_back(*line);
      } else {
        EXPECT_EQ(*line->color, kRed);
        drawn.curve.push_back(*line);
      }
    }
  }
  return drawn;
}

class LoadDistributionTest : public test::SessionTest {
 protected:
  // An uncambered airfoil with stations at `xs`, coefficients A(0)..A(5) with A(0) for `alfa`.
  void uncambered(const std::vector<double>& xs, double alfa) {
    test::fillCamberAirfoil(ortak, test::flatCamber(xs));
    ortak.M = 3;
    ortak.A.assign(6, 0.0);
    ortak.A[0] = ortak.Pi * alfa / 180;
  }
  Drawn run() {
    LoadDistribution(session);
    return drawnOn(form.picture(Picture::Picture_Load));
  }
};

TEST_F(LoadDistributionTest, FlatPlateAtFiveDegrees) {
  uncambered({0, 0.25, 0.5, 0.75, 1}, 5);
  EXPECT_NEAR(ortak.A[0], 0.0872665, 5e-8);
  const Drawn drawn = run();
  ASSERT_EQ(drawn.curve.size(), 3u);
  EXPECT_EQ(drawn.curve[0].x1, 0.25f);
  EXPECT_NEAR(drawn.curve[0].y1, 0.302300, 1e-6);
  EXPECT_NEAR(drawn.curve[1].y1, 0.174533, 1e-6);
  EXPECT_NEAR(drawn.curve[2].y1, 0.100767, 1e-6);
  EXPECT_EQ(drawn.curve[2].x2, 1.0f);
  EXPECT_EQ(drawn.curve[2].y2, 0.0f);  // the trailing edge carries no load
  ASSERT_EQ(drawn.scales.size(), 1u);
  EXPECT_EQ(drawn.scales[0].x1, -0.1);
  EXPECT_NEAR(drawn.scales[0].y1, 1.1 * 0.302300, 1e-6);
  EXPECT_EQ(drawn.scales[0].x2, 1.1);
  EXPECT_NEAR(drawn.scales[0].y2, -0.1 * 0.302300, 1e-6);
  ASSERT_EQ(drawn.axes.size(), 2u);
  EXPECT_NEAR(drawn.axes[1].y2, 0.302300, 1e-6);
}

TEST_F(LoadDistributionTest, NegativeAngleKeepsTheMaximumAtZero) {
  uncambered({0, 0.25, 0.5, 0.75, 1}, -5);
  const Drawn drawn = run();
  ASSERT_EQ(drawn.scales.size(), 1u);
  EXPECT_EQ(drawn.scales[0].y1, 0.0);
  EXPECT_NEAR(drawn.scales[0].y2, -0.302300, 1e-6);
  EXPECT_EQ(drawn.axes[1].y1, drawn.axes[1].y2);  // the load axis shrinks to a point
  for (const LineOp& line : drawn.curve) EXPECT_LE(line.y1, 0.0f);
}

TEST_F(LoadDistributionTest, ThreeStationsGiveOneSegment) {
  uncambered({0, 0.5, 1}, 5);
  const Drawn drawn = run();
  ASSERT_EQ(drawn.curve.size(), 1u);
  EXPECT_NEAR(drawn.curve[0].y1, 0.174533, 1e-6);
}

TEST_F(LoadDistributionTest, AllLoadsZeroShowOnlyTheBackColour) {
  uncambered({0, 0.25, 0.5, 0.75, 1}, 0);
  form.picture(Picture::Picture_Load).Line(0, 0, 1, 1);
  LoadDistribution(session);
  EXPECT_TRUE(form.picture(Picture::Picture_Load).operations().empty());
}

TEST_F(LoadDistributionTest, RepeatedLeadingEdgePointHasNoLoad) {
  uncambered({0, 0, 0.5, 0.75, 1}, 5);
  const Drawn drawn = run();
  ASSERT_EQ(drawn.curve.size(), 2u);  // 3 to 4 and 4 to 5; nothing to or from station 2
  EXPECT_EQ(drawn.curve[0].x1, 0.5f);
  EXPECT_NEAR(drawn.curve[0].y1, 0.174533, 1e-6);
  EXPECT_NEAR(drawn.scales[0].y1, 1.1 * 0.174533, 1e-6);
  for (const LineOp& line : drawn.curve) {
    EXPECT_TRUE(std::isfinite(line.y1) && std::isfinite(line.y2));
  }
}

// Load at a station with camber terms, written out from the thin-airfoil series.
double seriesLoad(const std::vector<double>& A, int lastTerm, double theta) {
  double load = A[0] * (1 + std::cos(theta)) / std::sin(theta);
  for (int n = 1; n <= lastTerm; ++n) load += A[n] * std::sin(n * theta);
  return 2 * load;
}

TEST_F(LoadDistributionTest, SeriesRunsToTheTermBeforeM) {
  uncambered({0, 0.1, 0.3, 0.5, 0.7, 0.9, 1}, 2);
  ortak.A = {0.03, 0.05, -0.02, 0.01, 0.004, 0.5};  // A(5) must never enter
  const double theta = ortak.Theta[3];
  ortak.M = 5;
  EXPECT_NEAR(run().curve[1].y1, seriesLoad(ortak.A, 4, theta), 1e-6);
  ortak.M = 1;
  EXPECT_NEAR(run().curve[1].y1, seriesLoad(ortak.A, 0, theta), 1e-6);
  ortak.M = 0;
  EXPECT_NEAR(run().curve[1].y1, seriesLoad(ortak.A, 0, theta), 1e-6);
}

TEST_F(LoadDistributionTest, SeriesStopsAtTheLastCoefficientThatExists) {
  uncambered({0, 0.1, 0.3, 0.5, 0.7, 0.9, 1}, 2);
  ortak.A = {0.03, 0.05, -0.02, 0.01, 0.004, 0.001};
  ortak.M = 6;  // the series would end at A(5)
  const Drawn bounded = run();
  ortak.M = 40;  // as after the lumped vortex method on a 41-station airfoil
  const Drawn beyond = run();
  ASSERT_EQ(beyond.curve.size(), bounded.curve.size());
  for (std::size_t i = 0; i < beyond.curve.size(); ++i) {
    EXPECT_EQ(beyond.curve[i].y1, bounded.curve[i].y1);
  }
  EXPECT_NEAR(beyond.curve[1].y1, seriesLoad(ortak.A, 5, ortak.Theta[3]), 1e-6);
}

}  // namespace
}  // namespace vantrel
