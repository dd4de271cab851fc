#pragma once

#include <string>
#include <vector>

#include "batch/json_text.h"

namespace vantrel::batch {

// One row per angle of a polar sweep, numbers at full precision.
struct SweepTable {
  std::vector<std::string> columns;
  std::vector<std::vector<double>> rows;
};

inline const std::vector<std::string> kFourierSweepColumns = {"alfa", "CL", "Cmx", "Alfa0", "CmAC"};
inline const std::vector<std::string> kVortexSweepColumns = {"alfa", "cl", "cm4"};

// The table as CSV: a header row, then one line per row, "\n" line ends.
std::string sweepCsv(const SweepTable& table);
// {"columns": [...], "rows": [[...], ...]}
Json sweepJson(const SweepTable& table);

}  // namespace vantrel::batch
