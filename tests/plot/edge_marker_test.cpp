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

// The lift plot of NACA 2412 (a zero-lift angle near -2 degrees) with the operating point at 12
// degrees lies beyond its top right corner; just beyond an edge, part of the circle shows.
TEST(EdgeMarker, AWholeArrowForEveryCentreBeyondAnEdge) {
  const struct {
    float x, y;
  } centres[] = {{12.0f, 1.53f},  {12.1f, 0.5f}, {5.0f, 1.46f}, {-6.1f, -0.2f},
                 {-20.0f, -3.0f}, {30.0f, 1.4f}, {11.9f, -0.9f}};
  for (double scale : {1.0, 2.0, 4.0}) {
    for (const auto& centre : centres) {
      SCOPED_TRACE(testing::Message() << centre.x << ", " << centre.y << " at " << scale);
      PictureBox picture;
      picture.Scale(-6, 1.45, 12, -0.45);
      picture.Circle(centre.x, centre.y, 0.3f, kBlue);
      const double width = 209 * scale, height = 153 * scale;
      const Overlay marker = operatingPointMarker(picture, width, height, scale);
      ASSERT_EQ(marker.lines.size(), 4u);
      for (const OverlayLine& line : marker.lines) {
        for (double x : {line.x1, line.x2}) EXPECT_TRUE(x >= 1 && x <= width - 1) << x;
        for (double y : {line.y1, line.y2}) EXPECT_TRUE(y >= 1 && y <= height - 1) << y;
      }
    }
  }
}

}  // namespace
}  // namespace vantrel
