#pragma once

#include <ostream>

#include "batch/command_line.h"

namespace vantrel::batch {

// Each writes the airfoil file to `out` and returns the exit status; on failure nothing goes to
// `out`, the reason goes to `err` and the status is 1.
int runNaca(const NacaCommand& command, std::ostream& out, std::ostream& err);
int runConvert(const ConvertCommand& command, std::ostream& out, std::ostream& err);

}  // namespace vantrel::batch
