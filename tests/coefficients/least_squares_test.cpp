#include "coefficients/least_squares.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <variant>

#include "fixtures/test_airfoil.h"
#include "loads/aero_loads.h"
#include "state/headless_controls.h"
#include "state/messages.h"
#include "support/session_test.h"
#include "support/test_files.h"

namespace vantrel {
namespace {

std::vector<std::string> linesOf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
  }
  EXPECT_EQ(start, bytes.size()) << "text after the last line break";
  return lines;
}

std::vector<LineOp> redLines(const PictureBox& picture) {
  std::vector<LineOp> lines;
  for (const PlotOp& op : picture.operations()) {
    if (const auto* line = std::get_if<LineOp>(&op); line && line->color == kRed) {
      lines.push_back(*line);
    }
  }
  return lines;
}

// A cambered mean line as read off a drawing: twelve stations, highest near 0.4 of the chord.
const std::vector<test::Station> kTwelveStationCamber = {
    {0, 0},       {0.05, 0.008}, {0.1, 0.014}, {0.2, 0.021}, {0.3, 0.024}, {0.4, 0.025},
    {0.5, 0.024}, {0.6, 0.021},  {0.7, 0.017}, {0.8, 0.012}, {0.9, 0.006}, {1, 0}};

class LeastSquaresTest : public test::SessionTest {
 protected:
  void SetUp() override {
    test::fillCamberAirfoil(ortak, test::parabolicCamber({0, 0.25, 0.5, 0.75, 1}));
  }
  void fit(double degree, Option option) {
    form.select(option);
    ortak.M = degree;
    LSQPolynomial(session);
  }
  std::vector<std::string> log() const {
    return linesOf(test::fileBytes(session.reportPath("Poly5.txt")));
  }
};

TEST_F(LeastSquaresTest, ParabolaWithoutEndConditions) {
  fit(2, Option::Opt_WithOutEnd);
  const auto lines = log();
  ASSERT_EQ(lines.size(), 6u + 6 + 6);
  EXPECT_EQ(lines[1], " Coefficients matrix");
  // Rows 0..2 of the sums of x^(i+j): 5, 2.5, 1.875 / 2.5, 1.875, 1.5625 / 1.875, 1.5625, 1.3828125
  EXPECT_EQ(lines[3], " 5.0000 2.5000 1.8750");
  EXPECT_EQ(lines[4], " 2.5000 1.8750 1.5625");
  EXPECT_EQ(lines[5], " 1.8750 1.5625 1.3828");
  EXPECT_EQ(lines[7], " Polynom Coefficients");
  EXPECT_EQ(lines[9], " c(0) = .00000");
  EXPECT_EQ(lines[10], " c(1) = .08000");
  EXPECT_EQ(lines[11], " c(2) = -.08000");
  EXPECT_EQ(lines[13], " Fourier coefficients with LSQ polynomials");
  EXPECT_EQ(lines[15], " A0 + AlfaR = .00000");
  EXPECT_EQ(lines[16], " A 1  = .08000");
  EXPECT_EQ(lines[17], " A 2  = .00000");

  EXPECT_NEAR(ortak.A0Camber, 0.0, 1e-12);
  ASSERT_EQ(ortak.A.size(), 6u);
  EXPECT_NEAR(ortak.A[1], 0.08, 1e-12);
  for (int n : {0, 2, 3, 4, 5}) EXPECT_NEAR(ortak.A[n], 0.0, 1e-12);
  EXPECT_EQ(ortak.M, 2.0);
  EXPECT_TRUE(form.messages().empty());
}

TEST_F(LeastSquaresTest, ParabolaWithEndConditionsIsOneEquation) {
  fit(2, Option::Opt_WithEnd);
  const auto lines = log();
  // (Σx² − Σx³)·c1 = Σx·y: 1.875 − 1.5625 = 0.3125, Σx·y = 0.00375 + 0.01 + 0.01125 = 0.025.
  EXPECT_EQ(lines[3], " .3125 .0250");
  EXPECT_EQ(lines[5], " Polynom Coefficients");
  EXPECT_EQ(lines[7], " c(1) = .08000");
  EXPECT_EQ(lines[8], " c(2) = -.08000");
  EXPECT_EQ(lines[10], " Fourier coefficients with LSQ polynomials");
  EXPECT_EQ(lines[12], " A0 + AlfaR = .00000");
  EXPECT_EQ(lines[13], " A 1  = .08000");
  EXPECT_EQ(lines[14], " A 2  = .00000");
  EXPECT_NEAR(ortak.A[1], 0.08, 1e-12);
  EXPECT_NEAR(ortak.A0Camber, 0.0, 1e-12);

  form.setText(TextBox::Text_Alfa, "0");
  CalcAeroLoads(session);
  EXPECT_NEAR(ortak.Alfa0, -2.2918, 5e-5);
  EXPECT_EQ(form.text(TextBox::Text_Alfa0), "-2.29");
}

TEST_F(LeastSquaresTest, FittedCurveDrawnInRedOverTheCamberPlot) {
  fit(2, Option::Opt_WithEnd);
  const auto lines = redLines(form.picture(Picture::Picture_Camber));
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines[0].x1, 0.0f);
  EXPECT_EQ(lines[19].x2, 1.0f);
  EXPECT_NEAR(lines[9].x2, 0.5f, 1e-7);
  EXPECT_NEAR(lines[9].y2, 0.02f, 1e-7);
  EXPECT_NEAR(lines[19].y2, 0.0f, 1e-9);
  EXPECT_TRUE(form.labelVisible(Label::Lbl_LSQ));
  EXPECT_TRUE(form.labelVisible(Label::Lbl_Degree));
  EXPECT_EQ(form.caption(Label::Lbl_Degree), "2");
}

TEST_F(LeastSquaresTest, DegreeZeroIsTheMeanCamber) {
  fit(0, Option::Opt_WithOutEnd);
  const auto lines = log();
  ASSERT_EQ(lines.size(), 4u + 4 + 4);
  EXPECT_EQ(lines[3], " 5.0000");
  // Mean of 0, 0.015, 0.02, 0.015, 0 is 0.01.
  EXPECT_EQ(lines[7], " c(0) = .01000");
  EXPECT_EQ(lines[11], " A0 + AlfaR = .00000");
  const auto curve = redLines(form.picture(Picture::Picture_Camber));
  EXPECT_NEAR(curve[4].y1, 0.01f, 1e-8);
  EXPECT_EQ(form.caption(Label::Lbl_Degree), "0");
}

TEST_F(LeastSquaresTest, DegreeThreeWithEndConditions) {
  test::fillCamberAirfoil(
      ortak, {{0, 0}, {0.1, 0.01}, {0.3, 0.025}, {0.5, 0.02}, {0.7, 0.012}, {0.9, 0.004}, {1, 0}});
  fit(3, Option::Opt_WithEnd);
  const auto lines = log();
  EXPECT_EQ(lines[5], "");
  std::istringstream row1(lines[3]), row2(lines[4]);
  int count1 = 0, count2 = 0;
  for (std::string item; row1 >> item;) ++count1;
  for (std::string item; row2 >> item;) ++count2;
  EXPECT_EQ(count1, 3);
  EXPECT_EQ(count2, 3);
  EXPECT_EQ(lines[6], " Polynom Coefficients");
  ASSERT_EQ(lines[8].rfind(" c(1) = ", 0), 0u);
  ASSERT_EQ(lines[9].rfind(" c(2) = ", 0), 0u);
  ASSERT_EQ(lines[10].rfind(" c(3) = ", 0), 0u);
  const double c1 = std::stod("0" + lines[8].substr(8));
  const double c2 = std::stod(lines[9].substr(8).insert(lines[9][8] == '-' ? 1 : 0, "0"));
  const double c3 = std::stod(lines[10].substr(8).insert(lines[10][8] == '-' ? 1 : 0, "0"));
  EXPECT_NEAR(c3, -(c1 + c2), 2e-5);
  // A zero-camber polynomial at both ends: the curve starts and ends on the chord.
  const auto curve = redLines(form.picture(Picture::Picture_Camber));
  EXPECT_EQ(curve[0].y1, 0.0f);
  EXPECT_NEAR(curve[19].y2, 0.0f, 1e-12);
}

TEST_F(LeastSquaresTest, DegreeFiveListsFiveCoefficients) {
  test::fillCamberAirfoil(ortak, kTwelveStationCamber);
  fit(5, Option::Opt_WithOutEnd);
  const auto lines = log();
  EXPECT_EQ(lines[3 + 6 + 3].substr(0, 5), " c(0)");
  ASSERT_EQ(lines.back().rfind(" A 5  = ", 0), 0u);
  EXPECT_EQ(lines.back(), " A 5  = .00000");
  EXPECT_EQ(lines[lines.size() - 6].rfind(" A0 + AlfaR = ", 0), 0u);
  EXPECT_EQ(ortak.A[5], 0.0);
  EXPECT_NE(ortak.A[4], 0.0);
}

// The closed-form table against the thin-airfoil integrals of the slope, by quadrature.
TEST_F(LeastSquaresTest, ClosedFormMatchesTheIntegrals) {
  test::fillCamberAirfoil(ortak, kTwelveStationCamber);
  fit(5, Option::Opt_WithOutEnd);
  // The polynomial as logged, five decimals.
  const auto lines = log();
  std::vector<double> c(6);
  for (int i = 0; i <= 5; ++i) {
    std::string value = lines[3 + 6 + 3 + static_cast<std::size_t>(i)].substr(8);
    value.insert(value[0] == '-' ? 1 : 0, "0");
    c[i] = std::stod(value);
  }
  const int steps = 20000;
  double integral0 = 0;
  std::vector<double> integral(5, 0.0);
  for (int s = 0; s < steps; ++s) {
    const double theta = ortak.Pi * (s + 0.5) / steps;
    const double x = (1 - std::cos(theta)) / 2;
    double slope = 0;
    for (int k = 1; k <= 5; ++k) slope += k * c[k] * std::pow(x, k - 1);
    integral0 += slope / steps;
    for (int n = 1; n <= 4; ++n) integral[n] += 2 * slope * std::cos(n * theta) / steps;
  }
  // Logged coefficients carry five decimals; compare at that resolution.
  EXPECT_NEAR(ortak.A0Camber, integral0, 1e-4);
  for (int n = 1; n <= 4; ++n) EXPECT_NEAR(ortak.A[n], integral[n], 1e-4) << n;
}

TEST_F(LeastSquaresTest, DegreesZeroAndOneWithEndConditionsAreTheZeroPolynomial) {
  for (double degree : {1.0, 0.0}) {
    ortak.A.assign(8, 0.5);
    ortak.A0Camber = 0.5;
    std::filesystem::remove(session.reportPath("Poly5.txt"));
    fit(degree, Option::Opt_WithEnd);
    const std::string index = degree == 1.0 ? "1" : "0";
    std::vector<std::string> expected = {"",
                                         " Coefficients matrix",
                                         "",
                                         "",
                                         " Polynom Coefficients",
                                         "",
                                         " c(" + index + ") = .00000",
                                         "",
                                         " Fourier coefficients with LSQ polynomials",
                                         "",
                                         " A0 + AlfaR = .00000"};
    if (degree == 1.0) expected.push_back(" A 1  = .00000");
    EXPECT_EQ(log(), expected);
    EXPECT_EQ(ortak.A, std::vector<double>(6, 0.0));
    EXPECT_EQ(ortak.A0Camber, 0.0);
    for (const LineOp& line : redLines(form.picture(Picture::Picture_Camber))) {
      EXPECT_EQ(line.y1, 0.0f);
      EXPECT_EQ(line.y2, 0.0f);
    }
    EXPECT_TRUE(form.messages().empty());
  }
}

TEST_F(LeastSquaresTest, ZeroPivotLeavesTheZeroPolynomial) {
  test::fillCamberAirfoil(ortak, {{0.5, 0.01}, {0.5, 0.03}});
  fit(1, Option::Opt_WithOutEnd);
  EXPECT_EQ(form.messages(), std::vector<std::string>{kOriginalTexts.zeroPivotMessage});
  const auto lines = log();
  EXPECT_EQ(lines[3], " 2.0000 1.0000");
  EXPECT_EQ(lines[4], " 1.0000 .5000");
  EXPECT_EQ(lines[8], " c(0) = .00000");
  EXPECT_EQ(lines[9], " c(1) = .00000");
  EXPECT_EQ(ortak.A, std::vector<double>(6, 0.0));
}

TEST(RefusedDegree, AcceptsWholeDegreesTheStationsCanCarry) {
  Ortak ortak;
  test::fillCamberAirfoil(ortak, test::parabolicCamber({0, 0.25, 0.5, 0.5, 1}));
  for (double degree : {0.0, 1.0, 2.0, 3.0}) EXPECT_FALSE(refusedDegree(ortak, degree)) << degree;
  EXPECT_EQ(refusedDegree(ortak, 4.0),
            "A polynomial of degree 4 needs at least 5 stations with different x; "
            "this airfoil has 4.");
  EXPECT_EQ(refusedDegree(ortak, 2.5),
            "The degree of the polynomial must be a whole number from 0 to 5, not 2.5.");
  EXPECT_TRUE(refusedDegree(ortak, -1.0));
  EXPECT_TRUE(refusedDegree(ortak, 6.0));
  Ortak empty;
  EXPECT_EQ(refusedDegree(empty, 0.0),
            "A polynomial of degree 0 needs at least 1 station with different x; "
            "this airfoil has 0.");
}

}  // namespace
}  // namespace vantrel
