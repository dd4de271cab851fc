#pragma once

#include <ostream>

#include "batch/command_line.h"

namespace vantrel::batch {

// qeb-vantrel-batch converge: runs the convergence study and prints its CSV table; with --plots
// also writes DIR/convergence.json and, with the renderer, .png and .svg. Returns the exit status.
int runConverge(const ConvergeCommand& command, std::ostream& out, std::ostream& err);

}  // namespace vantrel::batch
