#include "coefficients/numerical.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "fixtures/test_airfoil.h"
#include "state/headless_controls.h"
#include "support/session_test.h"
#include "support/test_files.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using test::evenlySpacedTheta;
using test::evenlySpacedX;
using test::fileBytes;
using test::fillCamberAirfoil;
using test::flatCamber;
using test::parabolicCamber;
using test::writeBytes;

class NumericalFourierTest : public test::SessionTest {
 protected:
  fs::path logPath() const { return workDir / "Poly5.txt"; }
};

TEST_F(NumericalFourierTest, ParabolaEvenlySpacedInThetaGivesNearlyTheExactFirstCoefficient) {
  const auto x = evenlySpacedTheta(21);
  fillCamberAirfoil(ortak, parabolicCamber(x));
  ASSERT_TRUE(NumericalFourier(session));
  EXPECT_EQ(ortak.M, 7.0);
  ASSERT_EQ(ortak.A.size(), 8u);
  EXPECT_NEAR(ortak.A0Camber, 0.0, 5e-8);
  EXPECT_NEAR(ortak.A[1], 0.0795075, 5e-8);
  for (int n = 2; n <= 7; ++n) EXPECT_NEAR(ortak.A[n], 0.0, 5e-8) << "A(" << n << ")";
  EXPECT_EQ(ortak.A[0], 0.0);
  EXPECT_TRUE(form.messages().empty());
}

TEST_F(NumericalFourierTest, ParabolaEvenlySpacedInXGivesOddCoefficientsOnly) {
  const auto x = evenlySpacedX(21);
  fillCamberAirfoil(ortak, parabolicCamber(x));
  ASSERT_TRUE(NumericalFourier(session));
  EXPECT_NEAR(ortak.A0Camber, 0.0, 5e-8);
  EXPECT_NEAR(ortak.A[1], 0.0782606, 5e-8);
  EXPECT_NEAR(ortak.A[3], -0.0054636, 5e-8);
  EXPECT_NEAR(ortak.A[5], -0.0063493, 5e-8);
  EXPECT_NEAR(ortak.A[7], 0.0003485, 5e-8);
  for (int n : {2, 4, 6}) EXPECT_NEAR(ortak.A[n], 0.0, 5e-8) << "A(" << n << ")";
}

TEST_F(NumericalFourierTest, ReplacesTheCoefficientsOfAnEarlierLeastSquaresRun) {
  const auto x = evenlySpacedX(11);
  fillCamberAirfoil(ortak, flatCamber(x));
  ortak.M = 3;
  ortak.A = {0.3, 0.1, 0.2, 0.3, 0.4, 0.5};
  ortak.A0Camber = 0.7;
  ASSERT_TRUE(NumericalFourier(session));
  EXPECT_EQ(ortak.M, 7.0);
  EXPECT_EQ(ortak.A, std::vector<double>(8, 0.0));
  EXPECT_EQ(ortak.A0Camber, 0.0);
}

TEST_F(NumericalFourierTest, WithoutAnAirfoilLogsZerosAndLetsTheLoadsRun) {
  ASSERT_TRUE(NumericalFourier(session));
  EXPECT_EQ(ortak.M, 7.0);
  EXPECT_EQ(ortak.A, std::vector<double>(8, 0.0));
  EXPECT_EQ(ortak.A0Camber, 0.0);
  std::string expected = "\r\n Fourier coefficients with numerical integration\r\n\r\n";
  expected += " A0 + AlfaR = .00000\r\n";
  for (int n = 1; n <= 7; ++n) expected += " A " + std::to_string(n) + "  = .00000\r\n";
  EXPECT_EQ(fileBytes(logPath()), expected);
  EXPECT_TRUE(form.messages().empty());
}

TEST_F(NumericalFourierTest, RefusesNeighbouringStationsWithTheSameXAndChangesNothing) {
  fillCamberAirfoil(ortak, {{0.0, 0.0}, {0.25, 0.01}, {0.5, 0.02}, {0.5, 0.03}, {1.0, 0.0}});
  ortak.M = 4;
  ortak.A = {0.0, 0.1, 0.2, 0.3, 0.4, 0.0};
  ortak.A0Camber = 0.05;
  EXPECT_FALSE(NumericalFourier(session));
  ASSERT_EQ(form.messages().size(), 1u);
  EXPECT_NE(form.messages()[0].find("stations 3 and 4"), std::string::npos) << form.messages()[0];
  EXPECT_EQ(ortak.M, 4.0);
  EXPECT_EQ(ortak.A, (std::vector<double>{0.0, 0.1, 0.2, 0.3, 0.4, 0.0}));
  EXPECT_EQ(ortak.A0Camber, 0.05);
  EXPECT_FALSE(fs::exists(logPath()));
}

TEST_F(NumericalFourierTest, AnUnwritableLogIsReportedOnceAndTheCoefficientsStand) {
  const auto x = evenlySpacedX(21);
  fillCamberAirfoil(ortak, parabolicCamber(x));
  session.workDir = workDir / "missing-folder";
  ASSERT_TRUE(NumericalFourier(session));
  EXPECT_NEAR(ortak.A[1], 0.0782606, 5e-8);
  ASSERT_EQ(form.messages().size(), 1u);
  EXPECT_NE(form.messages()[0].find("\"Poly5.txt\""), std::string::npos);
}

}  // namespace
}  // namespace vantrel
