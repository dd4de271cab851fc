#pragma once

#include <string>
#include <string_view>

#include "state/ortak.h"

namespace vantrel::web {

// Compare Airfoils for the page. The page holds the list and sends it whole with every request,
// so nothing of it lives in the worker, which Cancel may replace.

// The airfoil on screen as the list keeps it: {"source", "airfoil": every array to the last
// bit}, or null when none has been read.
std::string screenAirfoilJson(const Ortak& ortak, const std::string& dataFile);

// `requestJson`: {"entries": [{"source", "path"?, "airfoil"?}], "alfa", "width", "height",
// "scale"}: each entry a designation or a file to read (at `path` when given, shown as `source`),
// or an airfoil sent by screenAirfoilJson. The reply: {"members": [{"label", "read", "color"}],
// "rows": the table's rows, "csv", "refused": the first entry the list refuses, or null (it and
// the entries after it are left out), "pictures": each of Picture_MeanLines, Picture_Thickness
// and Picture_LiftLines at width x height pixels with its axes and legend laid over it, text
// `scale` times its design size}.
std::string airfoilsJson(std::string_view requestJson);

}  // namespace vantrel::web
