#include "plot/flap_picture.h"

#include <algorithm>
#include <cmath>

namespace vantrel {
namespace {

void drawLine(PictureBox& picture, const std::vector<double>& x, const std::vector<double>& y,
              Rgb color) {
  const std::size_t count = std::min(x.size(), y.size());
  for (std::size_t i = 2; i < count; ++i) picture.Line(x[i - 1], y[i - 1], x[i], y[i], color);
}

void include(double& low, double& high, const std::vector<double>& y) {
  for (std::size_t i = 1; i < y.size(); ++i) {
    if (std::isfinite(y[i])) low = std::min(low, y[i]), high = std::max(high, y[i]);
  }
}

}  // namespace

PictureBox FlapMeanLinePicture(const std::vector<double>& xBefore,
                               const std::vector<double>& yBefore,
                               const std::vector<double>& xAfter, const std::vector<double>& yAfter,
                               double hinge) {
  PictureBox picture(kPictureBack);
  double low = 0, high = 0;
  include(low, high, yBefore);
  include(low, high, yAfter);
  // A margin of a tenth of the height each way; a flat plate without a flap still gets a band.
  const double margin = std::max(0.1 * (high - low), 0.005);
  picture.Scale(-0.05, high + margin, 1.05, low - margin);
  picture.Line(hinge, high + margin, hinge, low - margin, kGrey);
  picture.Line(0, 0, 1, 0, kBlack);
  drawLine(picture, xBefore, yBefore, kGrey);
  drawLine(picture, xAfter, yAfter, kBlue);
  return picture;
}

AxesStyle FlapAxesStyle() {
  return AxesStyle{"x/c", "y/c", false, {}, false, {}, 0.0};
}

}  // namespace vantrel
