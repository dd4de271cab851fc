#include "lessons/convergence_study.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>

#include "fixtures/test_airfoil.h"
#include "input/naca.h"
#include "input/naca_thin_airfoil.h"
#include "input/nca_parser.h"
#include "input/plain_flap.h"
#include "lessons/convergence_table.h"
#include "support/test_files.h"

namespace vantrel {
namespace {

ConvergenceStudy studied(const ConvergenceSettings& settings) {
  auto result = runConvergenceStudy(settings);
  if (const auto* refusal = std::get_if<StudyRefusal>(&result)) {
    ADD_FAILURE() << refusal->message;
    return {};
  }
  return std::get<ConvergenceStudy>(result);
}

enum Quantity { kAlfa0, kCmAC, kCl, kCm4 };

TEST(ConvergenceStudy, ClosedFormOfNacaMeanLines) {
  // NACA 2412 by thin airfoil theory: -2.0772 degrees and -0.05312, as every textbook has it.
  const auto naca2412 = nacaThinAirfoilValues("2412");
  ASSERT_TRUE(naca2412);
  EXPECT_NEAR(naca2412->Alfa0, -2.0772, 5e-5);
  EXPECT_NEAR(naca2412->CmAC, -0.05312, 5e-6);
  const auto symmetric = nacaThinAirfoilValues("0012");
  ASSERT_TRUE(symmetric);
  EXPECT_EQ(symmetric->Alfa0, 0.0);
  EXPECT_FALSE(nacaThinAirfoilValues("23012"));
  EXPECT_FALSE(nacaThinAirfoilValues("2412x"));
}

// The teaching result: numerical integration converges at second order, the lumped vortex
// method at first.
TEST(ConvergenceStudy, OrdersOnNaca2412AreSecondForQuadratureAndFirstForVortices) {
  const ConvergenceStudy study = studied({"NACA 2412", 4, 10, 640});
  ASSERT_EQ(study.rows.size(), 7u);
  EXPECT_EQ(study.rows[3].N, 80);
  EXPECT_TRUE(study.closedForm[kAlfa0]);
  EXPECT_FALSE(study.closedForm[kCl]);
  for (std::size_t i = 0; i + 1 < study.rows.size(); ++i) {
    SCOPED_TRACE(study.rows[i].N);
    EXPECT_NEAR(*study.observedOrder(i, kAlfa0), 2.0, 0.05);
    EXPECT_NEAR(*study.observedOrder(i, kCmAC), 2.0, 0.05);
  }
  // Against the finest run only the coarse end shows the order undisturbed.
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_NEAR(*study.observedOrder(i, kCl), 1.0, 0.1) << study.rows[i].N;
  }
  EXPECT_FALSE(study.observedOrder(study.rows.size() - 1, kAlfa0));
  EXPECT_EQ(study.difference(study.rows.size() - 1, kCl), 0.0);
}

// The study follows the main window's mean line: the stations of naca2412.nca lie on the NACA
// mean line, so it converges to the closed form and agrees with numerical integration on the
// file, where re-sampling the two surfaces gave -2.1157 degrees.
TEST(ConvergenceStudy, AFileIsStudiedOnTheMainWindowsMeanLine) {
  const std::string file = std::string(VANTREL_SAMPLES) + "/naca2412.nca";
  const ConvergenceStudy study = studied({file, 2, 10, 640});
  ASSERT_EQ(study.rows.size(), 7u);
  EXPECT_EQ(study.airfoilName, "NACA 2412");
  EXPECT_NE(study.meanLine.find("the main window's mean line"), std::string::npos);
  EXPECT_NE(ConvergenceCsv(study).find("\n# studied: the main window's mean line"),
            std::string::npos);
  for (int q = 0; q < kStudyQuantities; ++q) EXPECT_FALSE(study.closedForm[q]);
  EXPECT_EQ(study.reference, study.rows.back().values);
  EXPECT_NEAR(study.rows.back().values[kAlfa0], nacaThinAirfoilValues("2412")->Alfa0, 0.01);

  // The same line handed over as the airfoil on screen gives the same study.
  std::ifstream in(file, std::ios::binary);
  auto read = parseNcaFile(in, "naca2412.nca", 4 * std::atan(1.0));
  ASSERT_TRUE(std::holds_alternative<AirfoilData>(read));
  ConvergenceSettings onScreen{"NACA 2412 (naca2412.nca)", 2, 10, 640, std::get<AirfoilData>(read)};
  EXPECT_EQ(studied(onScreen).rows.back().values, study.rows.back().values);

  // Orders against the finest run stop where its own uncertainty would make them up.
  for (int q = 0; q < kStudyQuantities; ++q) {
    EXPECT_FALSE(study.observedOrder(study.rows.size() - 2, q)) << q;
  }
}

// A flapped airfoil is studied with its flap.
TEST(ConvergenceStudy, TheAirfoilOnScreenIsStudiedWithItsFlap) {
  std::ifstream in(std::string(VANTREL_SAMPLES) + "/naca2412.nca", std::ios::binary);
  const double Pi = 4 * std::atan(1.0);
  auto read = parseNcaFile(in, "naca2412.nca", Pi);
  ASSERT_TRUE(std::holds_alternative<AirfoilData>(read));
  const AirfoilData flapped = deflectedAirfoil(std::get<AirfoilData>(read), {0.75, 10}, Pi);
  const ConvergenceStudy study = studied({"flapped", 2, 10, 80, flapped});
  EXPECT_EQ(study.airfoilName, flapped.AirfoilName);
  // A 10 degree flap at 0.75 takes about 5 degrees off the zero-lift angle.
  EXPECT_LT(study.rows.back().values[kAlfa0], -6.0);
}

TEST(ConvergenceStudy, ASeligFileIsReadAsTheWindowReadsIt) {
  // The parabolic camber line with a parabolic thickness: surfaces the interpolation follows.
  const std::filesystem::path folder = test::freshFolderForThisTest("converge_");
  std::string selig = "PARABOLA Selig\n";
  const auto x = test::evenlySpacedTheta(41);
  const auto point = [&](double at, double side) {
    selig += std::to_string(at) + " " +
             std::to_string(test::parabola(at) + side * 0.2 * at * (1 - at)) + "\n";
  };
  for (std::size_t i = x.size(); i-- > 0;) point(x[i], 1);
  for (std::size_t i = 1; i < x.size(); ++i) point(x[i], -1);
  test::writeBytes(folder / "parabola.dat", selig);
  const ConvergenceStudy study = studied({(folder / "parabola.dat").string(), 4, 20, 80});
  ASSERT_EQ(study.rows.size(), 3u);
  EXPECT_EQ(study.airfoilName, "PARABOLA Selig");
  // A(1) = 0.08: a zero-lift angle of -0.04 rad, CmAC = -Pi·0.02.
  EXPECT_NEAR(study.rows.back().values[kAlfa0], -0.04 * 180 / std::numbers::pi, 0.01);
  EXPECT_NEAR(study.rows.back().values[kCmAC], -std::numbers::pi * 0.02, 0.001);
}

TEST(ConvergenceStudy, RefusesWhatItCannotStudy) {
  const std::pair<ConvergenceSettings, std::string> refusals[] = {
      {{"9999x", 4, 10, 20},
       "\"9999x\" is neither a NACA designation the generator covers nor an airfoil file."},
      {{"2412", 4, 0, 20}, "The study starts at 1 to 9999 panels, not 0."},
      {{"2412", 4, 40, 20},
       "The study ends at 20 panels, before it starts at 40; it must end at 40 to 9999 panels."},
      {{"2412", 4, 10, 10000}, "The study ends at 10 to 9999 panels, not 10000."},
      // Never "ends at 9999 to 9999 panels": the range left is one number.
      {{"2412", 4, 9999, 2560},
       "The study ends at 2560 panels, before it starts at 9999; it must end at 9999 panels."},
      {{"2412", 4, 9999, 10000}, "The study ends at 9999 panels, not 10000."}};
  for (const auto& [settings, message] : refusals) {
    const auto result = runConvergenceStudy(settings);
    ASSERT_TRUE(std::holds_alternative<StudyRefusal>(result)) << message;
    EXPECT_EQ(std::get<StudyRefusal>(result).message, message);
  }
}

TEST(ConvergenceStudy, ProgressGrowsToTheEndAndCancelStops) {
  std::vector<double> fractions;
  const auto record = [&](double fraction) {
    fractions.push_back(fraction);
    return true;
  };
  ASSERT_TRUE(
      std::holds_alternative<ConvergenceStudy>(runConvergenceStudy({"2412", 4, 10, 80}, record)));
  ASSERT_EQ(fractions.size(), 4u);
  EXPECT_TRUE(std::is_sorted(fractions.begin(), fractions.end()));
  EXPECT_DOUBLE_EQ(fractions.back(), 1.0);

  int calls = 0;
  const auto cancel = [&](double) { return ++calls < 2; };
  EXPECT_TRUE(
      std::holds_alternative<StudyCancelled>(runConvergenceStudy({"2412", 4, 10, 2560}, cancel)));
  EXPECT_EQ(calls, 2);
}

TEST(ConvergenceStudy, TableAndPlotShowEveryRun) {
  const ConvergenceStudy symmetric = studied({"0012", 3, 10, 40});
  EXPECT_NE(ConvergenceCsv(symmetric).find("\n10,0,0,,0,0,,"), std::string::npos);

  const ConvergenceStudy study = studied({"2412", 3, 10, 40});
  const std::string csv = ConvergenceCsv(study);
  EXPECT_NE(csv.find("\nN,Alfa0,e_Alfa0,order_Alfa0,CmAC,e_CmAC,order_CmAC,cl,e_cl,order_cl,cm4,"
                     "e_cm4,order_cm4\n10,-2.028"),
            std::string::npos)
      << csv;
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 13);  // 9 comment lines, header, 3 rows
  // Three points each for the closed-form quantities, two for the others, whose finest run is
  // their reference.
  const PictureBox plot = ConvergencePlot(study);
  const auto circles =
      std::count_if(plot.operations().begin(), plot.operations().end(),
                    [](const PlotOp& op) { return std::holds_alternative<CircleOp>(op); });
  EXPECT_EQ(circles, 10);
}

// The plot's values are text from the axes layer: powers of ten on |e|, panel counts on N, the
// two titles and the whole legend, each in its own place, at the window's size and a saved one's.
TEST(ConvergencePlot, ValuesTitlesAndLegendAreTextThatStaysApart) {
  const ConvergenceStudy study = studied({"2412", 4, 10, 2560});
  const PictureBox plot = ConvergencePlot(study);
  const AxesStyle style = ConvergenceAxesStyle();
  for (double scale : {1.0, 3.0}) {
    SCOPED_TRACE(scale);
    const double width = 600 * scale, height = 400 * scale;
    const Overlay overlay = axesAndValues(plot, style, width, height, axesFontPixels(scale));
    std::vector<std::string> texts;
    for (const OverlayText& text : overlay.texts) texts.push_back(text.text);
    for (const std::string expected : {"N", "|e|", "10", "100", "1000", "10⁻²", "10⁻⁴"}) {
      EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
    }
    for (const LegendEntry& entry : style.legend) {
      EXPECT_NE(std::find(texts.begin(), texts.end(), entry.text), texts.end()) << entry.text;
    }
    for (std::size_t i = 0; i < overlay.texts.size(); ++i) {
      const OverlayText& a = overlay.texts[i];
      EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right() <= width && a.bottom() <= height)
          << a.text;
      for (std::size_t j = i + 1; j < overlay.texts.size(); ++j) {
        const OverlayText& b = overlay.texts[j];
        EXPECT_FALSE(PixelBox({a.left, a.top, a.right(), a.bottom()})
                         .overlaps({b.left, b.top, b.right(), b.bottom()}))
            << a.text << " and " << b.text;
      }
    }
  }
}

}  // namespace
}  // namespace vantrel
