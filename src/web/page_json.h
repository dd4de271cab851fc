#pragma once

#include <nlohmann/json.hpp>
#include <string>

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

}  // namespace vantrel::web
