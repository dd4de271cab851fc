#include "web/panel_request.h"

#include <cmath>

#include "plot/axes_layer.h"
#include "surface/pixel_shapes.h"
#include "text/number_text.h"
#include "text/windows1254_text.h"
#include "web/page_json.h"

namespace vantrel::web {
namespace {

// A value that is not a number is shown as a dash, never as "nan".
std::string shown(double value, int decimals) {
  if (!std::isfinite(value)) return "\u2014";
  return NumberToText(value, decimals);
}

Json pictureJson(const PictureBox& picture, double width, double height, double scale) {
  return pictureWithAxesJson(picture, pressureAxesStyle(), width, height, scale);
}

Json rowsJson(const PanelLesson& lesson) {
  Json rows = Json::array();
  for (const LessonRow& row : lessonRows(lesson)) {
    rows.push_back({row.quantity, lesson.thin ? shown(row.thin, 4) : lesson.thinMessage,
                    shown(row.panel, 4),
                    lesson.thin && row.differencePercent ? shown(*row.differencePercent, 1)
                                                         : std::string("\u2014")});
  }
  return rows;
}

}  // namespace

Json panelLessonJson(const PanelLesson& lesson, double width, double height, double scale) {
  const std::string caption = bytesToUtf8(lesson.airfoilName) + " at \u03B1 = " +
                              shown(lesson.Alfa, 4) + "\u00B0: vortex panel method on " +
                              std::to_string(lesson.panel.panels()) +
                              " panels (the whole outline) against thin-airfoil theory (numerical "
                              "integration, the camber line alone)";
  return Json{{"caption", caption},
              {"rows", rowsJson(lesson)},
              {"picture", pictureJson(pressurePicture(lesson), width, height, scale)}};
}

}  // namespace vantrel::web
