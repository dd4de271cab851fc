#pragma once

#include <vector>

#include "surface/picture_box.h"

namespace vantrel {

// One curve of a log-log plot; only points with both values positive and finite are drawn.
struct LogLogSeries {
  std::vector<double> x;
  std::vector<double> y;
  Rgb color;
};

// The plot as a display list in the coordinates log10(x), log10(y): each series as a line with a
// dot at every point, guide lines of slope -1 and -2 (first and second order, when y is an error
// and x the number of panels) starting above the leftmost points, and axes with a tick at every
// power of ten and smaller ticks between. The values of the axes, their titles and the legend
// are the axes layer's (a logarithmic AxesStyle), in the room the view leaves left of the axes,
// below them and above them. Empty when no point can be drawn.
PictureBox logLogPlot(const std::vector<LogLogSeries>& series);

inline constexpr Rgb kGuideColor{120, 120, 120};

}  // namespace vantrel
