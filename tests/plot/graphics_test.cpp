#include "plot/graphics.h"

#include <gtest/gtest.h>

#include <vector>

#include "state/headless_controls.h"
#include "support/session_test.h"

namespace vantrel {
namespace {

std::vector<LineOp> linesOf(const PictureBox& box) {
  std::vector<LineOp> lines;
  for (const PlotOp& op : box.operations()) {
    if (const auto* line = std::get_if<LineOp>(&op)) lines.push_back(*line);
  }
  return lines;
}

bool isHorizontalGridLine(const LineOp& line) {
  return line.x1 == 0.0f && line.x2 == 1.0f && line.y1 == line.y2;
}
bool isVerticalGridLine(const LineOp& line) {
  return line.x1 == line.x2 && line.y1 == -0.15f && line.y2 == 0.15f;
}

class GraphicsTest : public test::SessionTest {
 protected:
  // Stations with both surfaces on the camber line given.
  void setCamber(const std::vector<double>& x, const std::vector<double>& y) {
    ortak.NPoint = static_cast<int>(x.size());
    ortak.xU = ortak.xL = ortak.xC = {0};
    ortak.yU = ortak.yL = ortak.yC = {0};
    for (std::size_t i = 0; i < x.size(); ++i) {
      ortak.xC.push_back(x[i]);
      ortak.yC.push_back(y[i]);
      ortak.xU.push_back(x[i]);
      ortak.yU.push_back(y[i] + 0.01);
      ortak.xL.push_back(x[i]);
      ortak.yL.push_back(y[i] - 0.01);
    }
  }
  const PictureBox& airfoilBox() const { return form.picture(Picture::Picture_Airfoil); }
  const PictureBox& camberBox() const { return form.picture(Picture::Picture_Camber); }
};

TEST_F(GraphicsTest, AirfoilPlotGridAndContourInOrder) {
  ortak.AirfoilName = "Test";
  setCamber({0, 0.5, 1}, {0, 0.02, 0});
  DrawAirfoil(session);
  const auto& ops = airfoilBox().operations();
  ASSERT_FALSE(ops.empty());
  const auto* scale = std::get_if<ScaleOp>(&ops.front());
  ASSERT_NE(scale, nullptr);
  EXPECT_EQ(scale->x1, -0.1);
  EXPECT_EQ(scale->y1, 0.15);
  EXPECT_EQ(scale->x2, 1.1);
  EXPECT_EQ(scale->y2, -0.15);

  const std::vector<LineOp> lines = linesOf(airfoilBox());
  ASSERT_EQ(lines.size(), 11u + 3u + 6u);
  for (int i = 0; i < 11; ++i) {
    EXPECT_TRUE(isVerticalGridLine(lines[i])) << i;
    EXPECT_EQ(lines[i].color, kGrey);
  }
  EXPECT_NEAR(lines[10].x1, 1.0, 1e-7);  // the accumulated 0.9999999999999999
  EXPECT_EQ(lines[11].y1, static_cast<float>(-0.15));
  EXPECT_EQ(lines[12].y1, static_cast<float>(-0.04999999999999999));
  EXPECT_EQ(lines[13].y1, static_cast<float>(0.05000000000000002));
  for (int i = 11; i < 14; ++i) {
    EXPECT_TRUE(isHorizontalGridLine(lines[i]));
    EXPECT_EQ(lines[i].color, kGrey);
  }
  // Per station pair: upper and lower surface in black, then the camber line in blue.
  const Rgb expected[] = {kBlack, kBlack, kBlue, kBlack, kBlack, kBlue};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(lines[14 + i].color, expected[i]) << i;
  EXPECT_EQ(lines[14].y2, 0.03f);
  EXPECT_EQ(lines[15].y2, 0.01f);
  EXPECT_EQ(lines[16].y2, 0.02f);
  EXPECT_EQ(lines[19].x1, 0.5f);
  EXPECT_EQ(form.caption(Label::Lbl_Airfoil), "Test");
}

TEST_F(GraphicsTest, AirfoilCaptionIsUtf8WhateverTheNameBytes) {
  ortak.AirfoilName = "Kanat \xDE\xFD \xDC";  // Windows-1254
  DrawAirfoil(session);
  EXPECT_EQ(form.caption(Label::Lbl_Airfoil), "Kanat \xC5\x9E\xC4\xB1 \xC3\x9C");
  ortak.AirfoilName = "Kanat \xC5\x9E";  // already UTF-8
  DrawAirfoil(session);
  EXPECT_EQ(form.caption(Label::Lbl_Airfoil), "Kanat \xC5\x9E");
}

TEST_F(GraphicsTest, RedrawClearsTheEarlierPlot) {
  setCamber({0, 0.5, 1}, {0, 0.02, 0});
  DrawAirfoil(session);
  DrawCamber(session);
  const std::size_t airfoilOps = airfoilBox().operations().size();
  const std::size_t camberOps = camberBox().operations().size();
  DrawAirfoil(session);
  DrawCamber(session);
  EXPECT_EQ(airfoilBox().operations().size(), airfoilOps);
  EXPECT_EQ(camberBox().operations().size(), camberOps);
}

struct GridCount {
  int grey = 0, black = 0, vertical = 0;
};

GridCount countGrid(const std::vector<LineOp>& lines) {
  GridCount count;
  for (const LineOp& line : lines) {
    if (isVerticalGridLine(line)) ++count.vertical;
    if (!isHorizontalGridLine(line)) continue;
    if (line.color == kGrey) ++count.grey;
    if (line.color == kBlack) ++count.black;
  }
  return count;
}

TEST_F(GraphicsTest, CamberGridFollowsTheHighestOrdinate) {
  setCamber({0, 0.4, 1}, {0, 0.04, 0});
  DrawCamber(session);
  const auto* scale = std::get_if<ScaleOp>(&camberBox().operations().front());
  ASSERT_NE(scale, nullptr);
  EXPECT_EQ(scale->y1, 1.2 * 0.04);
  EXPECT_EQ(scale->y2, -0.001);
  const std::vector<LineOp> lines = linesOf(camberBox());
  const GridCount grid = countGrid(lines);
  EXPECT_EQ(grid.vertical, 11);
  EXPECT_EQ(grid.grey, 20);  // 0 .. 0.038
  EXPECT_EQ(grid.black, 9);  // 0 .. 0.04
  ASSERT_EQ(lines.size(), 11u + 20u + 9u + 2u);
  // Fine grey lines first, black over them, the camber line last.
  EXPECT_EQ(lines[11].color, kGrey);
  EXPECT_NEAR(lines[30].y1, 0.038, 1e-7);
  EXPECT_EQ(lines[31].color, kBlack);
  EXPECT_NEAR(lines[39].y1, 0.04, 1e-7);
  EXPECT_EQ(lines[40].color, kBlue);
  EXPECT_EQ(lines[41].color, kBlue);
}

TEST_F(GraphicsTest, SymmetricAirfoilGetsOneGreyAndOneBlackLineAtTheChord) {
  setCamber({0, 0.5, 1}, {0, 0, 0});
  DrawCamber(session);
  const auto* scale = std::get_if<ScaleOp>(&camberBox().operations().front());
  ASSERT_NE(scale, nullptr);
  EXPECT_EQ(scale->y1, 0.0);
  const std::vector<LineOp> lines = linesOf(camberBox());
  ASSERT_EQ(lines.size(), 11u + 1u + 1u + 2u);
  EXPECT_EQ(lines[11].color, kGrey);
  EXPECT_EQ(lines[11].y1, 0.0f);
  EXPECT_EQ(lines[12].color, kBlack);
  EXPECT_EQ(lines[12].y1, 0.0f);
  EXPECT_EQ(lines[13].color, kBlue);
}

TEST_F(GraphicsTest, CamberBelowTheChordKeepsTheTopAtZero) {
  setCamber({0, 0.5, 1}, {0, -0.03, 0});
  DrawCamber(session);
  const auto* scale = std::get_if<ScaleOp>(&camberBox().operations().front());
  ASSERT_NE(scale, nullptr);
  EXPECT_EQ(scale->y1, 0.0);
  EXPECT_EQ(countGrid(linesOf(camberBox())).grey, 1);
}

TEST_F(GraphicsTest, OneStationOrNoneDrawsTheGridsOnly) {
  for (int stations : {0, 1}) {
    setCamber({}, {});
    if (stations == 1) setCamber({0.5}, {0.01});
    DrawAirfoil(session);
    DrawCamber(session);
    EXPECT_EQ(linesOf(airfoilBox()).size(), 14u);
    for (const LineOp& line : linesOf(camberBox())) EXPECT_NE(line.color, kBlue);
  }
}

TEST_F(GraphicsTest, ArraysShorterThanTheCountAreNotReadPastTheirEnd) {
  setCamber({0, 0.5, 1}, {0, 0.02, 0});
  ortak.NPoint = 7;
  ortak.xL.resize(3);
  DrawAirfoil(session);
  DrawCamber(session);
  EXPECT_EQ(linesOf(airfoilBox()).size(), 14u + 3u);
  EXPECT_EQ(countGrid(linesOf(camberBox())).vertical, 11);
}

TEST_F(GraphicsTest, AbsurdCamberHeightCannotStallTheGrid) {
  setCamber({0, 0.5, 1}, {0, 1e9, 0});
  DrawCamber(session);
  EXPECT_LE(linesOf(camberBox()).size(), 11u + 2u * 5000u + 2u);
}

}  // namespace
}  // namespace vantrel
