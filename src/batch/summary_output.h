#pragma once

#include <string>
#include <string_view>

#include "batch/sweep_table.h"
#include "lessons/compare_methods.h"
#include "panel/panel_lesson.h"
#include "state/headless_controls.h"
#include "state/ortak.h"

namespace vantrel::batch {

// What the user would see after the last action: every text box ("Text_CL = 0.548"), the labels
// Lbl_Airfoil and Lbl_Degree, then every message shown, in order ("Message: ...").
// Control characters (an escape sequence in an airfoil's name) are shown as "?", so that nothing
// read from a file reaches the terminal raw.
std::string textSummary(const HeadlessControls& controls);
std::string withoutControls(std::string_view text);

// The same as one JSON object, with the shared state ("state") and, after a sweep or a
// comparison of the methods, its table ("sweep", "compare"); given the window's status line for
// the same actions, that too ("StatusLine").
std::string jsonSummary(const HeadlessControls& controls, const Ortak& ortak,
                        const SweepTable* sweep, const MethodComparison* comparison = nullptr,
                        const PanelLesson* panel = nullptr, const std::string* statusLine = nullptr);
// The panel method's results, one line: "Panel: N = 160, CL = ..., CmQuarter = ..., ...".
std::string panelSummary(const PanelLesson& panel);

}  // namespace vantrel::batch
