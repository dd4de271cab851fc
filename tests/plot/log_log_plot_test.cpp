#include "plot/log_log_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <variant>

namespace vantrel {
namespace {

std::vector<LineOp> linesIn(const PictureBox& picture, std::optional<Rgb> color) {
  std::vector<LineOp> lines;
  for (const PlotOp& operation : picture.operations()) {
    const auto* line = std::get_if<LineOp>(&operation);
    if (line != nullptr && line->color == color) lines.push_back(*line);
  }
  return lines;
}

TEST(LogLogPlot, GuidesHaveSlopesOfFirstAndSecondOrder) {
  const PictureBox plot = logLogPlot({{{10, 100, 1000}, {1e-2, 1e-4, 1e-6}, kRed}});
  const auto guides = linesIn(plot, kGuideColor);
  ASSERT_EQ(guides.size(), 2u);
  EXPECT_NEAR((guides[0].y2 - guides[0].y1) / (guides[0].x2 - guides[0].x1), -1.0, 1e-5);
  EXPECT_NEAR((guides[1].y2 - guides[1].y1) / (guides[1].x2 - guides[1].x1), -2.0, 1e-5);
  // The data in log coordinates: two segments from (1, -2) to (3, -6).
  const auto data = linesIn(plot, kRed);
  ASSERT_EQ(data.size(), 2u);
  EXPECT_FLOAT_EQ(data[0].x1, 1.0f);
  EXPECT_FLOAT_EQ(data[1].y2, -6.0f);
}

TEST(LogLogPlot, EverythingDrawnLiesInsideThePicture) {
  const PictureBox plot = logLogPlot(
      {{{10, 20, 40, 80}, {0.3, 0.1, 0.04, 0.0}, kRed}, {{10, 20, 40}, {2e-7, 5e-8, 1e-8}, kBlue}});
  ASSERT_TRUE(plot.currentScale());
  const ScaleOp view = *plot.currentScale();
  const auto inside = [&](float x, float y) {
    return x >= view.x1 && x <= view.x2 && y <= view.y1 && y >= view.y2;
  };
  int values = 0;
  for (const LineOp& line : linesIn(plot, kBlack)) {
    EXPECT_TRUE(inside(line.x1, line.y1) && inside(line.x2, line.y2));
    ++values;
  }
  EXPECT_GT(values, 60);  // axes, ticks and the strokes of their values
  // The zero difference has no place on a logarithmic scale.
  EXPECT_EQ(linesIn(plot, kRed).size(), 2u);
}

TEST(LogLogPlot, NothingToDrawGivesAnEmptyPicture) {
  EXPECT_TRUE(logLogPlot({}).operations().empty());
  EXPECT_TRUE(logLogPlot({{{10, 20}, {0, -1}, kRed}}).operations().empty());
}

}  // namespace
}  // namespace vantrel
