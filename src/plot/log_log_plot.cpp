#include "plot/log_log_plot.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vantrel {
namespace {

struct Point {
  double x, y;
};

struct Bounds {
  double left = std::numeric_limits<double>::infinity();
  double right = -std::numeric_limits<double>::infinity();
  double bottom = std::numeric_limits<double>::infinity();
  double top = -std::numeric_limits<double>::infinity();

  void include(Point point) {
    left = std::min(left, point.x), right = std::max(right, point.x);
    bottom = std::min(bottom, point.y), top = std::max(top, point.y);
  }
  bool empty() const { return !(left <= right); }
};

std::vector<Point> logPoints(const LogLogSeries& series) {
  std::vector<Point> points;
  const std::size_t count = std::min(series.x.size(), series.y.size());
  for (std::size_t i = 0; i < count; ++i) {
    const double x = series.x[i], y = series.y[i];
    if (x > 0 && y > 0 && std::isfinite(x) && std::isfinite(y)) {
      points.push_back({std::log10(x), std::log10(y)});
    }
  }
  return points;
}

// Room around the data, and at least a decade each way so a single point still has a plot.
Bounds framed(Bounds data) {
  const double width = std::max(data.right - data.left, 1.0);
  const double height = std::max(data.top - data.bottom, 1.0);
  const double midX = (data.left + data.right) / 2, midY = (data.bottom + data.top) / 2;
  return {midX - 0.55 * width, midX + 0.55 * width, midY - 0.6 * height, midY + 0.6 * height};
}

// The whole picture: the axes' box, room left of it and below it for the values that the axes
// layer writes there, and a band above it for the legend.
Bounds viewAround(const Bounds& frame) {
  const double width = frame.right - frame.left, height = frame.top - frame.bottom;
  return {frame.left - 0.10 * width, frame.right + 0.03 * width, frame.bottom - 0.10 * height,
          frame.top + 0.22 * height};
}

void drawSeries(PictureBox& picture, const std::vector<Point>& points, Rgb color, double dot) {
  for (std::size_t i = 1; i < points.size(); ++i) {
    picture.Line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, color);
  }
  for (const Point& point : points) picture.Circle(point.x, point.y, dot, color);
}

// A guide of the given slope from `start` until it leaves the plot at its right or bottom side.
void drawGuide(PictureBox& picture, Point start, double slope, const Bounds& frame) {
  const double endX = std::min(frame.right, start.x + (frame.bottom - start.y) / slope);
  picture.Line(start.x, start.y, endX, start.y + slope * (endX - start.x), kGuideColor);
}

void drawAxes(PictureBox& picture, const Bounds& frame) {
  picture.Line(frame.left, frame.bottom, frame.right, frame.bottom, kBlack);
  picture.Line(frame.left, frame.bottom, frame.left, frame.top, kBlack);
  const double tickX = 0.025 * (frame.top - frame.bottom);
  const double tickY = 0.015 * (frame.right - frame.left);
  for (int decade = static_cast<int>(std::floor(frame.left)); decade <= frame.right; ++decade) {
    for (int k = 1; k <= 9; ++k) {
      const double x = decade + std::log10(k);
      if (x < frame.left || x > frame.right) continue;
      picture.Line(x, frame.bottom, x, frame.bottom + (k == 1 ? 2 : 1) * tickX, kBlack);
    }
  }
  for (int decade = static_cast<int>(std::floor(frame.bottom)); decade <= frame.top; ++decade) {
    for (int k = 1; k <= 9; ++k) {
      const double y = decade + std::log10(k);
      if (y < frame.bottom || y > frame.top) continue;
      picture.Line(frame.left, y, frame.left + (k == 1 ? 2 : 1) * tickY, y, kBlack);
    }
  }
}

}  // namespace

PictureBox logLogPlot(const std::vector<LogLogSeries>& series) {
  PictureBox picture{Rgb{255, 255, 255}};
  std::vector<std::vector<Point>> curves;
  Bounds data;
  for (const LogLogSeries& one : series) {
    curves.push_back(logPoints(one));
    for (const Point& point : curves.back()) data.include(point);
  }
  if (data.empty()) return picture;
  const Bounds frame = framed(data);
  const Bounds view = viewAround(frame);
  picture.Scale(view.left, view.top, view.right, view.bottom);
  drawAxes(picture, frame);
  // Both guides start at the leftmost N, between the highest point and the top of the plot.
  const Point start{data.left, data.top + 0.5 * (frame.top - data.top)};
  drawGuide(picture, start, -1.0, frame);
  drawGuide(picture, start, -2.0, frame);
  const double dot = 0.005 * (view.right - view.left);
  for (std::size_t i = 0; i < curves.size(); ++i) {
    drawSeries(picture, curves[i], series[i].color, dot);
  }
  return picture;
}

}  // namespace vantrel
