#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "app/controls.h"
#include "app/ortak.h"
#include "app/report_file.h"
#include "app/vortex_result.h"

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
  // The last lumped vortex results at full precision (the text boxes show them rounded).
  std::optional<VortexResult> lastVortexResult = std::nullopt;
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
