#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "plot/axes_layer.h"
#include "surface/pixel_shapes.h"

// What every reply to the page is built of: colours and shapes as the page's painter reads them,
// and the reply's text.
namespace vantrel::web {

using Json = nlohmann::json;

inline Json color(Rgb rgb) {
  return Json::array({rgb.r, rgb.g, rgb.b});
}

struct ShapeJson {
  Json operator()(const PixelLine& line) const {
    return Json::array({"L", line.x1, line.y1, line.x2, line.y2, color(line.color)});
  }
  Json operator()(const PixelCircle& circle) const {
    return Json::array({"C", circle.x, circle.y, circle.radius, color(circle.color)});
  }
};

// Texts reach the page as UTF-8; a byte that is not (a name read from a file) shows as U+FFFD.
inline std::string text(const Json& json) {
  return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// A picture's shapes and, laid over them, its axes, values and legend, as every painter draws them.
inline Json pictureWithAxesJson(const PictureBox& picture, const AxesStyle& axes, double width,
                                double height, double scale) {
  Json shapes = Json::array();
  for (const PixelShape& shape : pixelShapes(picture, PixelArea{0, 0, width, height})) {
    shapes.push_back(std::visit(ShapeJson{}, shape));
  }
  const Overlay overlay = axesAndValues(picture, axes, width, height, axesFontPixels(scale));
  Json lines = Json::array();
  for (const OverlayLine& line : overlay.lines) {
    lines.push_back({line.x1, line.y1, line.x2, line.y2, color(line.color), line.width});
  }
  Json texts = Json::array();
  for (const OverlayText& t : overlay.texts) {
    texts.push_back({{"box", {t.left, t.top, t.width, t.height}},
                     {"font", t.fontPixels},
                     {"text", t.text},
                     {"color", color(t.color)},
                     {"left", t.leftAligned}});
  }
  return Json{{"back", color(picture.backColor())},
              {"shapes", std::move(shapes)},
              {"overlay", {{"lines", std::move(lines)}, {"texts", std::move(texts)}}}};
}

}  // namespace vantrel::web
