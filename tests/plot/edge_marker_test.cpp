#include "plot/edge_marker.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "surface/picture_box.h"

namespace vantrel {
namespace {

TEST(EdgeMarker, PointsFromTheNearestEdgeTowardsACircleOutsideTheScale) {
  PictureBox picture;
  picture.Scale(-5, 1, 12, -0.5);
  picture.Line(-4, 0, 11, 0, kBlack);
  picture.Circle(5, 0.2, 0.3, kBlue);
  EXPECT_TRUE(operatingPointMarker(picture, 209, 153, 1).empty());

  picture.Circle(-9, 0.2, 0.3, kBlue);  // left of the scale
  const Overlay left = operatingPointMarker(picture, 209, 153, 1);
  ASSERT_EQ(left.lines.size(), 4u);
  for (const OverlayLine& line : left.lines) {
    EXPECT_EQ(line.color, kBlue);
    EXPECT_LE(std::max(line.x1, line.x2), 40);
    EXPECT_GE(std::min(line.x1, line.x2), 0.5);
  }
  // The tip is the point nearest the circle.
  EXPECT_NEAR(left.lines[0].x2, 1, 1e-9);

  picture.Circle(5, 3, 0.3, kBlue);  // above the top edge
  const Overlay above = operatingPointMarker(picture, 209, 153, 2);
  ASSERT_EQ(above.lines.size(), 4u);
  EXPECT_NEAR(above.lines[0].y2, 1, 1e-9);
  EXPECT_GE(above.lines[0].width, 2);
}

}  // namespace
}  // namespace vantrel
