#include "vortex/lump_vm.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "fixtures/test_airfoil.h"
#include "state/headless_controls.h"
#include "state/initial_state.h"
#include "state/messages.h"
#include "support/session_test.h"
#include "support/test_files.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using test::evenlySpacedX;
using test::fileBytes;
using test::fillCamberAirfoil;
using test::flatCamber;
using test::occurrences;
using test::parabolicCamber;

const std::string kMatrixTitle = " KATSAYILAR MATR\xDDS\xDD\r\n";
const std::string kStrengthTitle =
    " G\xDDRDAP \xDE\xDD"
    "DDETLER\xDD\r\n";

class LumpedVortexTest : public test::SessionTest {
 protected:
  fs::path reportPath() const { return workDir / "Vantrel.txt"; }
  void flatPlate(int stations = 21) {
    fillCamberAirfoil(ortak, flatCamber(evenlySpacedX(stations)));
  }
  void parabolaOn(int stations) {
    fillCamberAirfoil(ortak, parabolicCamber(evenlySpacedX(stations)));
  }
  void run(const std::string& alfa) {
    form.setText(TextBox::Text_Alfa, alfa);
    LumpedVortex(session);
  }
  std::string cl() const { return form.text(TextBox::Text_CL); }
  std::string cm() const { return form.text(TextBox::Text_CmAC); }
};

TEST_F(LumpedVortexTest, FlatPlateGivesTwoPiSinAlfa) {
  flatPlate();
  run("5");
  EXPECT_EQ(cl(), "0.548");
  EXPECT_EQ(cm(), "0.001");
  run("0");
  EXPECT_EQ(cl(), "0");
  EXPECT_EQ(cm(), "0");
  EXPECT_TRUE(form.messages().empty());
}

TEST_F(LumpedVortexTest, FlatPlatePanelsRunAlongTheChord) {
  flatPlate(5);
  run("5");
  const std::string report = fileBytes(reportPath());
  EXPECT_NE(report.find("\r\n1   0.0000   0.0000   0.0625   0.0000   0.1875   0.0000   0.2500   "
                        "1.0000   0.0000   \r\n"),
            std::string::npos);
  EXPECT_NE(report.find("\r\n4   0.7500   0.0000   0.8125   0.0000   0.9375   0.0000   0.2500   "
                        "1.0000   0.0000   \r\n"),
            std::string::npos);
  // Every right-hand side is sin 5 degrees.
  EXPECT_EQ(occurrences(report, "   0.0872\r\n"), 4u);
}

// The sound sign of the SinP term gives 0.239 on 20 panels (a "+" there gives 0.240); thin airfoil
// theory's 4 pi 0.02 = 0.251 is reached as the panels grow.
TEST_F(LumpedVortexTest, ParabolicCamberAtZeroDegrees) {
  parabolaOn(21);
  run("0");
  EXPECT_EQ(cl(), "0.239");
  EXPECT_EQ(cm(), "-0.063");
}

TEST_F(LumpedVortexTest, EmptyAngleTextCountsAsZeroDegrees) {
  parabolaOn(21);
  run("");
  EXPECT_EQ(cl(), "0.239");
  EXPECT_EQ(cm(), "-0.063");
  run("abc");
  EXPECT_EQ(cl(), "0.239");
}

TEST_F(LumpedVortexTest, LeavesThePanelCountInMAndTheCoefficientsAlone) {
  parabolaOn(21);
  ortak.M = 4;
  ortak.A = {0.01, 0.06, 0.01, 0.0, 0.0, 0.0};
  ortak.A0Camber = 0.02;
  run("2");
  EXPECT_EQ(ortak.M, 20.0);
  EXPECT_EQ(ortak.A, (std::vector<double>{0.01, 0.06, 0.01, 0.0, 0.0, 0.0}));
  EXPECT_EQ(ortak.A0Camber, 0.02);
  EXPECT_EQ(ortak.CL, 0.0);
}

TEST_F(LumpedVortexTest, MatrixBlockOnlyUpToThirtyEightPanels) {
  parabolaOn(39);
  run("3");
  std::string report = fileBytes(reportPath());
  EXPECT_EQ(occurrences(report, kMatrixTitle), 1u);
  EXPECT_EQ(occurrences(report, "\r\n"), 4u + 38 + 1 + 38 + 1 + 38);

  fs::remove(reportPath());
  parabolaOn(40);
  run("3");
  report = fileBytes(reportPath());
  EXPECT_EQ(occurrences(report, kMatrixTitle), 0u);
  EXPECT_EQ(occurrences(report, kStrengthTitle), 1u);
  EXPECT_EQ(occurrences(report, "\r\n"), 4u + 39 + 1 + 39);
  EXPECT_EQ(ortak.M, 39.0);
}

TEST_F(LumpedVortexTest, RefusesAZeroLengthPanelAndChangesNothing) {
  fillCamberAirfoil(ortak, {{0.0, 0.0}, {0.25, 0.01}, {0.5, 0.02}, {0.5, 0.02}, {1.0, 0.0}});
  ortak.M = 5;
  run("5");
  ASSERT_EQ(form.messages().size(), 1u);
  EXPECT_NE(form.messages()[0].find("stations 3 and 4"), std::string::npos) << form.messages()[0];
  EXPECT_EQ(ortak.M, 5.0);
  EXPECT_EQ(cl(), initialText(TextBox::Text_CL));
  EXPECT_EQ(cm(), initialText(TextBox::Text_CmAC));
  EXPECT_FALSE(fs::exists(reportPath()));
}

TEST_F(LumpedVortexTest, RefusesMorePanelsThanMemoryAndTimeAllow) {
  fillCamberAirfoil(ortak, parabolicCamber(evenlySpacedX(10002)));
  ortak.M = 3;
  run("2");
  ASSERT_EQ(form.messages().size(), 1u);
  EXPECT_EQ(form.messages()[0],
            "The lumped vortex method is limited to 10000 panels; this airfoil has 10001.");
  EXPECT_EQ(ortak.M, 3.0);
  EXPECT_EQ(cl(), initialText(TextBox::Text_CL));
  EXPECT_FALSE(fs::exists(reportPath()));
}

TEST_F(LumpedVortexTest, VerticalPanelIsAcceptedAsLongAsItHasLength) {
  fillCamberAirfoil(ortak, {{0.0, 0.0}, {0.5, 0.0}, {0.5, 0.01}, {1.0, 0.0}});
  run("2");
  EXPECT_TRUE(form.messages().empty());
  EXPECT_EQ(ortak.M, 3.0);
}

TEST_F(LumpedVortexTest, RefusesFewerThanTwoStations) {
  fillCamberAirfoil(ortak, {{0.5, 0.0}});
  ortak.M = 5;
  run("5");
  ASSERT_EQ(form.messages().size(), 1u);
  EXPECT_NE(form.messages()[0].find("at least two"), std::string::npos);
  EXPECT_EQ(ortak.M, 5.0);
  EXPECT_FALSE(fs::exists(reportPath()));

  Ortak fresh;
  fresh.Pi = ortak.Pi;
  Session unread{fresh, form, workDir};
  LumpedVortex(unread);
  EXPECT_EQ(form.messages().back(), kOpenAirfoilMessage);
  EXPECT_EQ(fresh.M, 0.0);
  EXPECT_EQ(cl(), initialText(TextBox::Text_CL));
  EXPECT_FALSE(fs::exists(reportPath()));
}

TEST_F(LumpedVortexTest, UnwritableReportIsNamedOnceAndTheResultsStillShow) {
  flatPlate();
  session.workDir = workDir / "missing-folder";
  run("5");
  ASSERT_EQ(form.messages().size(), 1u);
  EXPECT_NE(form.messages()[0].find("\"Vantrel.txt\""), std::string::npos);
  EXPECT_EQ(cl(), "0.548");
}

// The exact potential-flow lift of a circular-arc camber line of camber f (height f at mid-chord,
// unit chord), from the Joukowski map: CL = 2 pi sin(alfa + beta) / cos beta, tan beta = 2 f.
// The lumped vortex method on cosine-spaced stations of the arc converges to it at first order.
// The sign of the term that couples a vortex's height offset with the panel's slope decides this:
// with a "+" before SinP the method would converge to 1.963 instead of 1.692 at f = 0.1, 4°.
struct CircularArcCase {
  double camber;
  double alfaDegrees;
};

class CircularArcTest : public LumpedVortexTest,
                        public ::testing::WithParamInterface<CircularArcCase> {
 protected:
  static double exactLift(CircularArcCase arc) {
    const double pi = 4 * std::atan(1.0);
    const double beta = std::atan(2 * arc.camber);
    return 2 * pi * std::sin(arc.alfaDegrees * pi / 180 + beta) / std::cos(beta);
  }
  // The arc through (0, 0), (0.5, f) and (1, 0).
  static std::vector<test::Station> arcStations(double f, int panels) {
    const double radius = (0.25 + f * f) / (2 * f);
    return test::camberOf(test::evenlySpacedTheta(panels + 1), [&](double x) {
      return std::sqrt(radius * radius - (x - 0.5) * (x - 0.5)) - (radius - f);
    });
  }
  double liftOn(int panels) {
    fillCamberAirfoil(ortak, arcStations(GetParam().camber, panels));
    std::ostringstream alfa;
    alfa << GetParam().alfaDegrees;
    form.setText(TextBox::Text_Alfa, alfa.str());
    EXPECT_EQ(LumpedVortex(session), VortexRun::Done);
    return session.lastVortexResult.value_or(VortexResult{}).cl;
  }
};

TEST_P(CircularArcTest, LiftConvergesToTheExactLiftAsPanelsDouble) {
  const double exact = exactLift(GetParam());
  double previousError = 0.0;
  for (int panels : {50, 100, 200, 400}) {
    SCOPED_TRACE(std::to_string(panels) + " panels");
    const double error = std::abs(liftOn(panels) - exact);
    // First order: doubling the panels about halves the error.
    if (panels > 50) {
      EXPECT_LT(error, 0.7 * previousError);
      EXPECT_GT(error, 0.3 * previousError);
    }
    previousError = error;
  }
  // 400 panels lie close to the exact lift (a "+" before SinP misses it by 0.27 at
  // f = 0.1, 4° and by 5 at f = 0.2).
  EXPECT_LT(previousError, 0.003 * (1 + std::abs(exact))) << "exact " << exact;
  EXPECT_TRUE(form.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Cambers, CircularArcTest,
                         ::testing::Values(CircularArcCase{0.02, 4.0}, CircularArcCase{0.05, 0.0},
                                           CircularArcCase{0.05, -3.0},
                                           CircularArcCase{0.1, 0.0}, CircularArcCase{0.1, 4.0},
                                           CircularArcCase{0.2, 0.0}, CircularArcCase{0.2, 8.0}),
                         [](const auto& info) {
                           // "camber_0_05_alfa_minus3"
                           std::ostringstream name;
                           name << "camber_" << info.param.camber << "_alfa_"
                                << (info.param.alfaDegrees < 0 ? "minus" : "")
                                << std::abs(info.param.alfaDegrees);
                           std::string text = name.str();
                           for (char& c : text) c = c == '.' ? '_' : c;
                           return text;
                         });

// Goes on until it has been asked `stopAt` times (never stops when 0).
class StoppingProgress : public Progress {
 public:
  explicit StoppingProgress(int stopAt) : stopAt_(stopAt) {}
  bool proceed(double) override {
    ++asked_;
    return stopAt_ == 0 || asked_ < stopAt_;
  }
  int asked() const { return asked_; }

 private:
  int stopAt_;
  int asked_ = 0;
};

TEST_F(LumpedVortexTest, StoppedWhileBuildingOrEliminatingChangesNothing) {
  parabolaOn(301);
  ortak.M = 4;
  test::writeBytes(reportPath(), "an earlier report\r\n");
  form.setText(TextBox::Text_Alfa, "3");
  const Ortak before = ortak;
  // The first reports come from the matrix, the later ones from the elimination.
  for (int stopAt : {1, 50, 103}) {
    SCOPED_TRACE("stopped at report " + std::to_string(stopAt));
    StoppingProgress progress(stopAt);
    session.progress = &progress;
    EXPECT_EQ(LumpedVortex(session), VortexRun::Stopped);
    EXPECT_EQ(progress.asked(), stopAt);
    EXPECT_TRUE(ortak == before);
    EXPECT_EQ(cl(), initialText(TextBox::Text_CL));
    EXPECT_EQ(cm(), initialText(TextBox::Text_CmAC));
    EXPECT_FALSE(session.lastVortexResult.has_value());
    EXPECT_EQ(fileBytes(reportPath()), "an earlier report\r\n");
    EXPECT_TRUE(form.messages().empty());
  }
}

TEST_F(LumpedVortexTest, ProgressChangesNoBitOfTheResultsOrTheReport) {
  parabolaOn(301);
  form.setText(TextBox::Text_Alfa, "3");
  ASSERT_EQ(LumpedVortex(session), VortexRun::Done);
  const std::string unwatchedReport = fileBytes(reportPath());
  const VortexResult unwatched = session.lastVortexResult.value();
  fs::remove(reportPath());

  StoppingProgress progress(0);
  session.progress = &progress;
  ASSERT_EQ(LumpedVortex(session), VortexRun::Done);
  EXPECT_GT(progress.asked(), 100);
  EXPECT_EQ(fileBytes(reportPath()), unwatchedReport);
  const VortexResult watched = session.lastVortexResult.value();
  EXPECT_EQ(std::memcmp(&watched, &unwatched, sizeof watched), 0);
}

// Sets VANTREL_THREADS for the life of the object, as a user would before starting the program.
class ThreadSetting {
 public:
  explicit ThreadSetting(int threads) {
    ::setenv("VANTREL_THREADS", std::to_string(threads).c_str(), 1);
  }
  ~ThreadSetting() { ::unsetenv("VANTREL_THREADS"); }
};

// Rows of the matrix are shared out between threads; whatever their number, every element,
// the report and the coefficients come out as on one thread, and a camber line the method
// cannot use is named by its first unusable element, whichever thread found it. 301 panels
// divide evenly between none of the counts above one.
TEST_F(LumpedVortexTest, AnyNumberOfThreadsGivesTheOneThreadRun) {
  parabolaOn(302);
  form.setText(TextBox::Text_Alfa, "3");
  std::string oneThreadReport;
  VortexResult oneThread;
  for (int threads : {1, 2, 3, 4}) {
    SCOPED_TRACE(std::to_string(threads) + " threads");
    const ThreadSetting setting(threads);
    fs::remove(reportPath());
    ASSERT_EQ(LumpedVortex(session), VortexRun::Done);
    const VortexResult result = session.lastVortexResult.value();
    if (threads == 1) {
      oneThreadReport = fileBytes(reportPath());
      oneThread = result;
    }
    EXPECT_EQ(fileBytes(reportPath()), oneThreadReport);
    EXPECT_EQ(std::memcmp(&result, &oneThread, sizeof result), 0);
  }

  // The line runs out to x = 5 and back: panel 2's control point is panel 3's vortex and the
  // other way round, then climbs at x = 1 for enough panels to share the rows.
  std::vector<test::Station> doubledBack{{0, 0}, {1, 0}, {5, 0}, {1, 0}};
  for (int k = 1; k <= 300; ++k) doubledBack.push_back({1, k / 256.0});
  fillCamberAirfoil(ortak, doubledBack);
  for (int threads : {1, 2, 3}) {
    SCOPED_TRACE(std::to_string(threads) + " threads");
    const ThreadSetting setting(threads);
    const std::size_t shown = form.messages().size();
    EXPECT_EQ(LumpedVortex(session), VortexRun::Refused);
    ASSERT_EQ(form.messages().size(), shown + 1);
    EXPECT_EQ(form.messages().back(),
              "The lumped vortex method cannot use this camber line: the vortex of panel 3 has no "
              "finite influence at the control point of panel 2 (its y values are too large, or "
              "the two points coincide).");
  }
}

}  // namespace
}  // namespace vantrel
