#pragma once

#include <nlohmann/json.hpp>

#include "panel/panel_lesson.h"

namespace vantrel::web {

// Thickness and Pressure for the page, as the window shows it: {"caption", "rows": [[quantity,
// thin-airfoil theory, panel method, difference in percent]] as the window's table writes them
// (a value that is not a number as "—"), "picture": Picture_Pressure at width x height pixels
// with its axes and values laid over it, text `scale` times its design size}.
nlohmann::json panelLessonJson(const PanelLesson& lesson, double width, double height, double scale);

}  // namespace vantrel::web
