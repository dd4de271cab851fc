#include "loads/aero_loads.h"

#include <gtest/gtest.h>

#include <cmath>
#include <variant>

#include "fixtures/test_airfoil.h"
#include "state/headless_controls.h"
#include "support/session_test.h"
#include "support/test_files.h"

namespace vantrel {
namespace {

template <typename Op>
std::vector<Op> opsOf(const PictureBox& picture) {
  std::vector<Op> found;
  for (const PlotOp& op : picture.operations()) {
    if (const Op* typed = std::get_if<Op>(&op)) found.push_back(*typed);
  }
  return found;
}

// The coefficients of the worked example: A0Camber = 0.01, A(1) = 0.06, A(2) = 0.01.
class AeroLoadsExample : public test::SessionTest {
 protected:
  void SetUp() override {
    test::fillCamberAirfoil(ortak, test::parabolicCamber({0, 0.25, 0.5, 0.75, 1}));
    ortak.M = 3;
    ortak.A = {0, 0.06, 0.01, 0, 0, 0};
    ortak.A0Camber = 0.01;
    form.setText(TextBox::Text_Alfa, "2");
    form.setText(TextBox::Text_xM, "0.5");
  }
};

TEST_F(AeroLoadsExample, ZeroLiftAngleAndMomentInBoxesAndLog) {
  CalcAeroLoads(session);
  EXPECT_NEAR(ortak.Alfa0, -1.14592, 5e-6);
  EXPECT_NEAR(ortak.CmAC, -0.039270, 5e-7);
  EXPECT_EQ(form.text(TextBox::Text_Alfa0), "-1.15");
  EXPECT_EQ(form.text(TextBox::Text_CmAC), "-0.0393");
  EXPECT_EQ(ortak.Alfa, 2.0);
  EXPECT_NEAR(ortak.A[0], 0.024907, 5e-7);
  EXPECT_EQ(test::fileBytes(session.reportPath("Poly5.txt")),
            "\r\n Aerodinamik b\xFCy\xFCkl\xFCkler\r\n\r\n"
            " Alfa0 = -1.146 deg\r\n Cm-AC = -.0393\r\n");
  EXPECT_TRUE(form.messages().empty());
}

TEST_F(AeroLoadsExample, EveryRunAppendsTheSameBlockWhateverTheAngle) {
  CalcAeroLoads(session);
  const std::string once = test::fileBytes(session.reportPath("Poly5.txt"));
  form.setText(TextBox::Text_Alfa, "-7.5deg");
  CalcAeroLoads(session);
  EXPECT_EQ(ortak.Alfa, -7.5);
  EXPECT_EQ(test::fileBytes(session.reportPath("Poly5.txt")), once + once);
}

TEST_F(AeroLoadsExample, LiftLineAndItsFrame) {
  CalcAeroLoads(session);
  EXPECT_NEAR(ortak.CL, 0.344988, 5e-7);
  EXPECT_EQ(form.text(TextBox::Text_CL), "0.345");
  EXPECT_NEAR(ortak.CLMin, -0.328987, 5e-7);
  EXPECT_NEAR(ortak.CLMin, -ortak.Pi * ortak.Pi / 30, 1e-15);
  EXPECT_NEAR(ortak.CLMax, 1.222286, 5e-7);

  const PictureBox& picture = form.picture(Picture::Picture_CL);
  const auto scales = opsOf<ScaleOp>(picture);
  ASSERT_EQ(scales.size(), 1u);
  EXPECT_NEAR(scales[0].x1, -5.145916, 5e-7);
  EXPECT_NEAR(scales[0].y1, 1.344515, 5e-7);
  EXPECT_EQ(scales[0].x2, 12.0);
  EXPECT_NEAR(scales[0].y2, -0.451215, 5e-7);
  const auto lines = opsOf<LineOp>(picture);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].color, kBlack);
  EXPECT_NEAR(lines[0].x1, -4.145916, 1e-5);
  EXPECT_EQ(lines[0].x2, 11.0f);
  EXPECT_EQ(lines[1].color, kBlack);
  EXPECT_NEAR(lines[1].y2, 1.322286, 1e-5);
  EXPECT_EQ(lines[2].color, kRed);
  EXPECT_EQ(lines[2].x2, 10.0f);
  const auto circles = opsOf<CircleOp>(picture);
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_EQ(circles[0].color, kBlue);
  EXPECT_EQ(circles[0].x, 2.0f);
  EXPECT_NEAR(circles[0].y, 0.344988, 1e-6);
  EXPECT_NEAR(circles[0].r, 0.3, 1e-7);
}

TEST_F(AeroLoadsExample, MomentAboutMidChord) {
  CalcAeroLoads(session);
  EXPECT_EQ(form.text(TextBox::Text_Cmx), "0.047");
  const PictureBox& picture = form.picture(Picture::Picture_Cmx);
  const auto scales = opsOf<ScaleOp>(picture);
  ASSERT_EQ(scales.size(), 1u);
  EXPECT_NEAR(scales[0].y1, 0.877445, 5e-7);   // CmTE at the top
  EXPECT_NEAR(scales[0].y2, -0.344842, 5e-7);  // CmLE at the bottom
  const auto lines = opsOf<LineOp>(picture);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NEAR(lines[1].y1, -0.344842, 1e-6);
  EXPECT_NEAR(lines[1].y2, 0.877445, 1e-6);
  EXPECT_EQ(lines[2].color, kRed);
  EXPECT_NEAR(lines[2].y1, -0.121517, 1e-6);
  EXPECT_NEAR(lines[2].y2, 0.266302, 1e-6);
  const auto circles = opsOf<CircleOp>(picture);
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_NEAR(circles[0].y, 0.046977, 1e-6);
}

TEST_F(AeroLoadsExample, QuarterChordMomentIsFlatAndTheFrameIgnoresTheReferencePoint) {
  CalcAeroLoads(session);
  const ScaleOp frameAtMidChord = opsOf<ScaleOp>(form.picture(Picture::Picture_Cmx))[0];
  form.setText(TextBox::Text_xM, "0.25");
  MomentCurve(session);
  EXPECT_EQ(form.text(TextBox::Text_Cmx), "-0.039");
  const PictureBox& picture = form.picture(Picture::Picture_Cmx);
  const ScaleOp frame = opsOf<ScaleOp>(picture)[0];
  EXPECT_EQ(frame.y1, frameAtMidChord.y1);
  EXPECT_EQ(frame.y2, frameAtMidChord.y2);
  const LineOp momentLine = opsOf<LineOp>(picture)[2];
  EXPECT_EQ(momentLine.y1, momentLine.y2);
}

TEST(MomentCurve, WithoutCoefficientsShowsOnlyTheBackColour) {
  Ortak ortak;
  ortak.Pi = 4.0 * std::atan(1.0);
  HeadlessControls form;
  Session session{ortak, form, test::freshFolder("moment_empty")};
  form.picture(Picture::Picture_Cmx).Line(0, 0, 1, 1);
  form.setText(TextBox::Text_xM, "0.07");
  MomentCurve(session);
  EXPECT_TRUE(form.picture(Picture::Picture_Cmx).operations().empty());
  EXPECT_EQ(form.text(TextBox::Text_Cmx), "0");
}

TEST(CalcAeroLoads, CoefficientsNotYetProducedCountAsZero) {
  Ortak ortak;
  ortak.Pi = 4.0 * std::atan(1.0);
  HeadlessControls form;
  Session session{ortak, form, test::freshFolder("aero_no_coefficients")};
  form.setText(TextBox::Text_Alfa, "3");
  CalcAeroLoads(session);
  EXPECT_TRUE(ortak.A.empty());
  EXPECT_EQ(form.text(TextBox::Text_Alfa0), "0");
  EXPECT_EQ(form.text(TextBox::Text_CmAC), "0");
  EXPECT_EQ(form.text(TextBox::Text_CL), "0");
  EXPECT_TRUE(form.picture(Picture::Picture_Load).operations().empty());
}

}  // namespace
}  // namespace vantrel
