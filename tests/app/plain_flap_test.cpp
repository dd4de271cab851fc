#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "app/form1_handlers.h"
#include "fixtures/test_airfoil.h"
#include "input/naca.h"
#include "state/headless_controls.h"
#include "state/messages.h"
#include "support/state_snapshot.h"
#include "support/test_files.h"
#include "text/number_text.h"

namespace vantrel {
namespace {

class PlainFlapTest : public ::testing::Test {
 protected:
  PlainFlapTest() : workDir(test::freshFolderForThisTest("flap_")), handlers(ortak, form, workDir) {
    handlers.Form_Load();
  }

  void readText(const std::string& text) {
    const std::filesystem::path folder = workDir / "airfoils";
    std::filesystem::create_directories(folder);
    test::writeBytes(folder / "a.nca", text);
    ASSERT_TRUE(handlers.File1_Click(folder.string(), "a.nca"));
  }
  void readCamber(const std::vector<test::Station>& camber, const std::string& name = "PLATE") {
    readText(test::airfoilFileText(name, camber, camber));
  }
  void readNaca(const char* designation, int stations) {
    readText(nacaDataFile(*nacaAirfoil(designation, stations)));
  }
  // Zero-lift angle (degrees) and CmAC by numerical integration.
  std::pair<double, double> integrated() {
    handlers.Mn_Numerical_Click();
    return {ortak.Alfa0, ortak.CmAC};
  }
  std::string coordinateReport() const { return test::fileBytes(workDir / "Vantrel.txt"); }

  std::filesystem::path workDir;
  Ortak ortak;
  HeadlessControls form;
  Form1Handlers handlers;
};

// Thin airfoil theory for a flat plate whose flap turns t = tan(DEG) at XH = (1 − cos θh)/2:
// α_L0 = −(t/π)(π − θh + sin θh), Cm about c/4 = −(t/2)·sin θh·(1 − cos θh).
struct FlapCase {
  double XH, DEG;
};
std::pair<double, double> closedForm(FlapCase flap) {
  const double Pi = 4 * std::atan(1.0);
  const double t = std::tan(flap.DEG * Pi / 180);
  const double thetaH = std::acos(1 - 2 * flap.XH);
  return {-(t / Pi) * (Pi - thetaH + std::sin(thetaH)) * 180 / Pi,
          -(t / 2) * std::sin(thetaH) * (1 - std::cos(thetaH))};
}

constexpr FlapCase kFlaps[] = {{0.75, 10}, {0.7, -15}, {0.8, 25}, {0.5, 5}};

TEST_F(PlainFlapTest, ClosedFormOfAFlatPlateIsTheTextbookValue) {
  const auto [Alfa0, Cm] = closedForm({0.75, 10});
  EXPECT_NEAR(Alfa0, -6.1526, 5e-5);
  EXPECT_NEAR(Cm, -0.11453, 5e-6);
}

TEST_F(PlainFlapTest, NumericalIntegrationOfAFlappedPlateMeetsTheClosedForm) {
  readCamber(test::flatCamber(test::evenlySpacedTheta(201)));
  for (const FlapCase& flap : kFlaps) {
    SCOPED_TRACE(flap.XH);
    ASSERT_TRUE(handlers.Cmnd_FlapApply_Click(NumberToText(flap.XH), NumberToText(flap.DEG)));
    const auto [Alfa0, CmAC] = integrated();
    const auto [exactAlfa0, exactCm] = closedForm(flap);
    EXPECT_NEAR(Alfa0, exactAlfa0, 0.005 * std::abs(exactAlfa0));
    EXPECT_NEAR(CmAC, exactCm, 0.005 * std::abs(exactCm));
  }
}

TEST_F(PlainFlapTest, AFlapAddsItsIncrementToACamberedSection) {
  readNaca("2412", 201);
  const auto [plainAlfa0, plainCmAC] = integrated();
  for (const FlapCase& flap : kFlaps) {
    SCOPED_TRACE(flap.XH);
    ASSERT_TRUE(handlers.Cmnd_FlapApply_Click(NumberToText(flap.XH), NumberToText(flap.DEG)));
    const auto [Alfa0, CmAC] = integrated();
    const auto [flapAlfa0, flapCm] = closedForm(flap);
    EXPECT_NEAR(Alfa0, plainAlfa0 + flapAlfa0, 0.005 * std::abs(plainAlfa0 + flapAlfa0));
    EXPECT_NEAR(CmAC, plainCmAC + flapCm, 0.005 * std::abs(plainCmAC + flapCm));
  }
}

TEST_F(PlainFlapTest, FlapsTurnTheAirfoilAsReadAndZeroRestoresIt) {
  readCamber(test::parabolicCamber({0, 0.25, 0.5, 0.75, 0.8, 1}), "PARABOLA");
  const std::string asRead = test::stateOf(ortak);
  const std::string reportAsRead = coordinateReport();

  ASSERT_TRUE(handlers.Cmnd_FlapApply_Click("0.75", "10"));
  const std::string flappedOnce = test::stateOf(ortak);
  EXPECT_EQ(ortak.AirfoilName, "PARABOLA, flap 10\xB0 at 0.75");
  const std::string report = coordinateReport();
  EXPECT_EQ(report.substr(0, report.find("\r\n")), "PARABOLA, flap 10\xB0 at 0.75");
  // Up to the hinge nothing moves; behind it both surfaces drop by (x − XH)·tan 10°.
  EXPECT_EQ(ortak.yC[4], test::parabola(0.75));
  EXPECT_NEAR(ortak.yU[5], test::parabola(0.8) - 0.05 * std::tan(ortak.Pi / 18), 1e-15);
  EXPECT_NEAR(ortak.yC[6], -0.25 * std::tan(ortak.Pi / 18), 1e-15);

  ASSERT_TRUE(handlers.Cmnd_FlapApply_Click("0.75", "10"));
  EXPECT_EQ(test::stateOf(ortak), flappedOnce);  // not 20 degrees
  ASSERT_TRUE(handlers.Cmnd_FlapApply_Click(" 0.75 ", "0"));
  EXPECT_EQ(test::stateOf(ortak), asRead);
  EXPECT_EQ(coordinateReport(), reportAsRead);
}

TEST_F(PlainFlapTest, TheUnflappedResultsLeaveTheScreenWithTheUnflappedAirfoil) {
  readNaca("2412", 41);
  integrated();
  ASSERT_TRUE(handlers.Cmnd_FlapApply_Click("0.75", "10"));
  EXPECT_TRUE(ortak.A.empty());
  for (TextBox box : {TextBox::Text_Alfa0, TextBox::Text_CmAC, TextBox::Text_CL, TextBox::Text_Cmx})
    EXPECT_EQ(form.text(box), "") << nameOf(box);
  EXPECT_TRUE(form.picture(Picture::Picture_CL).operations().empty());
}

TEST_F(PlainFlapTest, ANameAlreadyInUtf8KeepsItsDegreeSignInUtf8) {
  readCamber(test::flatCamber({0, 0.5, 1}), "Profil \xC3\xBC");
  ASSERT_TRUE(handlers.Cmnd_FlapApply_Click("0.6", "-5"));
  EXPECT_EQ(ortak.AirfoilName, "Profil \xC3\xBC, flap -5\xC2\xB0 at 0.6");
}

TEST_F(PlainFlapTest, RefusedFlapsChangeNothing) {
  struct Refusal {
    const char* hinge;
    const char* deflection;
    const char* message;
  };
  const Refusal refusals[] = {
      {"abc", "10", "The hinge position x/c must be a number, not \"abc\"."},
      {"0.7x", "10", "The hinge position x/c must be a number, not \"0.7x\"."},
      {"0.7", "", "The flap deflection must be a number of degrees, not \"\"."},
      {"0", "10", "The hinge must lie inside the chord, at an x/c between 0 and 1; 0 does not."},
      {"1", "10", "The hinge must lie inside the chord, at an x/c between 0 and 1; 1 does not."},
      {"-0.2", "10",
       "The hinge must lie inside the chord, at an x/c between 0 and 1; -0.2 does not."},
      {"0.7", "90", "The flap deflection must lie between -90 and 90 degrees; 90 does not."},
      {"0.7", "-120", "The flap deflection must lie between -90 and 90 degrees; -120 does not."},
      {"0.7", "inf", "The flap deflection must be a number of degrees, not \"inf\"."},
  };
  EXPECT_FALSE(handlers.Cmnd_FlapApply_Click("0.7", "10"));
  EXPECT_EQ(form.messages(), std::vector<std::string>{kOpenAirfoilMessage});

  readCamber(test::parabolicCamber({0, 0.5, 0.9, 1}));
  ASSERT_TRUE(handlers.Cmnd_FlapApply_Click("0.5", "5"));
  for (const Refusal& refusal : refusals) {
    SCOPED_TRACE(refusal.message);
    const std::string state = test::stateOf(ortak);
    const std::string window = test::windowOf(form, workDir);
    EXPECT_FALSE(handlers.Cmnd_FlapApply_Click(refusal.hinge, refusal.deflection));
    EXPECT_EQ(form.messages().back(), refusal.message);
    EXPECT_EQ(test::stateOf(ortak), state);
    EXPECT_EQ(test::windowOf(form, workDir), window);
  }
}

}  // namespace
}  // namespace vantrel
