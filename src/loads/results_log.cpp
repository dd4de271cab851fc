#include "loads/results_log.h"

namespace vantrel {
namespace {

void reportOnce(Session& session, const std::string& reason) {
  if (session.logFailureShown) return;
  session.logFailureShown = true;
  session.form.showMessage(reportFailureMessage(session.reportPath(kResultsLog), reason));
}

}  // namespace

void emptyResultsLog(Session& session) {
  if (!session.writesReports) return;
  const auto path = session.reportPath(kResultsLog);
  if (auto error = replaceReport(session.reportVersion(kResultsLog), path, {})) {
    reportOnce(session, *error);
  }
}

void appendToResultsLog(Session& session, const ReportText& block) {
  if (!session.writesReports) return;
  const auto path = session.reportPath(kResultsLog);
  if (auto error = appendToReport(session.reportVersion(kResultsLog), path, block.bytes())) {
    reportOnce(session, *error);
  }
}

}  // namespace vantrel
