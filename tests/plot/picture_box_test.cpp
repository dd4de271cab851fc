#include "plot/picture_box.h"

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
}

}  // namespace
}  // namespace vantrel
