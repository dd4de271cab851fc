#include "surface/picture_box.h"

#include <gtest/gtest.h>

#include <limits>

namespace vantrel {
namespace {

TEST(PixelMapping, MapsTheScaleCornersToThePictureCorners) {
  const auto mapping = PixelMapping::from(ScaleOp{-0.1, 0.15, 1.1, -0.15}, 400, 100);
  ASSERT_TRUE(mapping);
  EXPECT_NEAR(mapping->column(-0.1), 0, 1e-12);
  EXPECT_NEAR(mapping->column(1.1), 400, 1e-12);
  EXPECT_NEAR(mapping->row(0.15), 0, 1e-12);
  EXPECT_NEAR(mapping->row(-0.15), 100, 1e-12);
  EXPECT_NEAR(mapping->row(0), 50, 1e-12);
  // Equal scales on both axes: a radius in x units is the same number of pixels either way.
  EXPECT_NEAR(mapping->radiusInPixels(0.3), 100, 1e-12);
}

TEST(PixelMapping, DegenerateScaleGivesNoMapping) {
  EXPECT_FALSE(PixelMapping::from(ScaleOp{1, 0, 1, 1}, 400, 100));
  EXPECT_FALSE(PixelMapping::from(ScaleOp{0, 0, 1, 0}, 400, 100));
  const double infinity = std::numeric_limits<double>::infinity();
  EXPECT_FALSE(PixelMapping::from(ScaleOp{-0.1, infinity, 1.1, -0.001}, 400, 100));
  // The load of an airfoil whose ordinates are all subnormal: a pixel per 1e-313 is infinitely
  // many per unit, and "inf" must never reach the SVG.
  EXPECT_FALSE(
      PixelMapping::from(ScaleOp{-0.1, 1.7626179081575e-311, 1.1, -2.277653458698e-311}, 802, 338));
}

TEST(PictureBox, ClsKeepsTheCoordinateSystemAndEmptiesTheList) {
  PictureBox picture;
  picture.Scale(0, 1, 1, 0);
  picture.Line(0, 0, 1, 1, kRed);
  picture.Cls();
  EXPECT_TRUE(picture.operations().empty());
  ASSERT_TRUE(picture.scaleAtCls());
  EXPECT_EQ(picture.scaleAtCls()->y1, 1.0);
  EXPECT_EQ(picture.backColor(), kPictureBack);
}

TEST(PictureBox, CoordinatesBeyondSinglePrecisionSaturate) {
  PictureBox picture;
  picture.Line(-1e300, 0, 1e300, 0);
  picture.Circle(0, 0, 1e300, kBlue);
  const auto& line = std::get<LineOp>(picture.operations()[0]);
  EXPECT_EQ(line.x1, -std::numeric_limits<float>::max());
  EXPECT_EQ(line.x2, std::numeric_limits<float>::max());
  EXPECT_FALSE(line.color.has_value());
  EXPECT_EQ(std::get<CircleOp>(picture.operations()[1]).r, std::numeric_limits<float>::max());
}

}  // namespace
}  // namespace vantrel
