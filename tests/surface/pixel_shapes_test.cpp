// Every painter draws what pixelShapes gives, so what it maps, keeps and leaves out is the
// picture as the student sees it, in the window, in saved pictures and in the browser.
#include "surface/pixel_shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <variant>

namespace vantrel {
namespace {

TEST(PixelShapes, MapsEachOperationByTheScaleInEffectIntoTheArea) {
  PictureBox picture;
  picture.Line(0, 0, 1, 1);  // before any Scale: no mapping, left out
  picture.Scale(-1, 1, 1, -1);
  picture.Line(-1, 1, 1, -1, kRed);
  picture.Scale(0, 2, 4, 0);  // x across 4 units, y down 2: different scales
  picture.Circle(2, 1, 0.5, kBlue);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  picture.Line(nan, 0, 1, 1);  // not finite: left out

  const auto shapes = pixelShapes(picture, PixelArea{10, 20, 200, 100});
  ASSERT_EQ(shapes.size(), 2u);
  const auto& line = std::get<PixelLine>(shapes[0]);
  EXPECT_DOUBLE_EQ(line.x1, 10);
  EXPECT_DOUBLE_EQ(line.y1, 20);
  EXPECT_DOUBLE_EQ(line.x2, 210);
  EXPECT_DOUBLE_EQ(line.y2, 120);
  EXPECT_EQ(line.color, kRed);
  const auto& circle = std::get<PixelCircle>(shapes[1]);
  EXPECT_DOUBLE_EQ(circle.x, 110);
  EXPECT_DOUBLE_EQ(circle.y, 70);
  EXPECT_DOUBLE_EQ(circle.radius, 25);  // in x units: 0.5 of 4 units across 200 pixels
  EXPECT_EQ(circle.color, kBlue);
}

TEST(PixelShapes, KeepsTheScaleOfTheLastClsAndDrawsInTheForegroundColour) {
  PictureBox picture;
  picture.Scale(0, 1, 1, 0);
  picture.Cls();
  picture.Line(0.5, 0.5, 1, 0);
  const auto shapes = pixelShapes(picture, PixelArea{0, 0, 100, 50});
  ASSERT_EQ(shapes.size(), 1u);
  const auto& line = std::get<PixelLine>(shapes[0]);
  EXPECT_DOUBLE_EQ(line.x1, 50);
  EXPECT_DOUBLE_EQ(line.y1, 25);
  EXPECT_EQ(line.color, picture.foreColor());
}

TEST(PixelShapes, AScaleWithoutExtentMapsNothing) {
  PictureBox picture;
  picture.Scale(1, 0, 1, 1);
  picture.Line(0, 0, 1, 1);
  EXPECT_TRUE(pixelShapes(picture, PixelArea{0, 0, 100, 100}).empty());
}

}  // namespace
}  // namespace vantrel
