#pragma once

#include <ostream>

#include "batch/command_line.h"
#include "batch/terminal_progress.h"

namespace vantrel::batch {

// qeb-vantrel-batch survey: one CSV row per airfoil of the sources, every row printed even when
// some fail; each failure's message also goes to `err`. Returns 1 when any row failed.
int runSurvey(const SurveyCommand& command, std::ostream& out, std::ostream& err,
              TerminalProgress* progress);

}  // namespace vantrel::batch
