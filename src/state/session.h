#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "reports/report_file.h"
#include "state/controls.h"
#include "state/ortak.h"
#include "state/progress.h"
#include "state/vortex_result.h"

namespace vantrel {

// What every procedure works with: the shared state, the window's controls and the folder the
// reports are written to (the process's working folder in the window, --workdir in the batch tool).
struct Session {
  Ortak& ortak;
  Controls& form;
  std::filesystem::path workDir;
  // Set once a report failure has been shown during the current user action, so one action
  // shows at most one such message; every handler clears it first.
  bool logFailureShown = false;
  // False for a run on a copy of the state (the methods side by side, a convergence study): the
  // procedures then write no report, so the user's "Vantrel.txt" and "Poly5.txt" stay as they are.
  bool writesReports = true;
  // The last lumped vortex results at full precision (the text boxes show them rounded).
  std::optional<VortexResult> lastVortexResult = std::nullopt;
  // Told how far long work has come, and asked whether to go on; none: work runs to the end.
  Progress* progress = nullptr;
  // What this run last wrote to each report, by file name.
  std::map<std::string, ReportVersion, std::less<>> reports = {};

  std::filesystem::path reportPath(std::string_view fileName) const { return workDir / fileName; }
  ReportVersion& reportVersion(std::string_view fileName) {
    return reports.try_emplace(std::string(fileName)).first->second;
  }
};

inline constexpr std::string_view kCoordinateReport = "Vantrel.txt";
inline constexpr std::string_view kResultsLog = "Poly5.txt";

}  // namespace vantrel
