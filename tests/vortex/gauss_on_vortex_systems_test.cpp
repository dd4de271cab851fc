// The tiled solver on the lumped vortex method's own systems, against the textbook loop.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "coefficients/gauss_e.h"
#include "coefficients/literal_gauss.h"
#include "fixtures/lumped_vortex_system.h"
#include "fixtures/test_airfoil.h"

namespace vantrel {
namespace {

using namespace literal_gauss;

TEST(GaussOnVortexSystems, LumpedVortexSystemsMatchTheLiteralLoopBitForBit) {
  for (int panels : {5, 38, 64, 65, 130, 201, 300}) {
    for (auto shape : {&test::parabola, &lumped_vortex_system::naca2412MeanLine}) {
      SCOPED_TRACE("panels " + std::to_string(panels));
      const Matrix K = lumped_vortex_system::forCamberLine(panels, shape);
      expectSameAsLiteral(1, panels, K);
      if (panels == 201) expectEveryInstructionSetMatches(1, panels, K);
    }
  }
}

TEST(GaussOnVortexSystems, LumpedVortexSolutionCarriesTheFlatPlateLift) {
  // A nearly flat camber line at 5 degrees: the strengths add up to about pi sin 5 deg.
  const Matrix K = lumped_vortex_system::forCamberLine(
      400, [](double x) { return 1e-9 * x * (1 - x); }, 5.0);
  const Outcome solved = solvedByProgram(1, 400, K);
  ASSERT_EQ(solved.outcome, GaussOutcome::Solved);
  double sum = 0.0;
  for (int I = 1; I <= 400; ++I) sum += solved.Sol[I];
  EXPECT_NEAR(2 * sum, 2 * std::acos(-1.0) * std::sin(std::acos(-1.0) * 5 / 180), 1e-3);
}

}  // namespace
}  // namespace vantrel
