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
  if (auto error = emptyFile(session.reportPath(kResultsLog))) reportOnce(session, *error);
}

void appendToResultsLog(Session& session, const ReportText& block) {
  if (!session.writesReports) return;
  if (auto error = appendToFile(session.reportPath(kResultsLog), block.bytes())) {
    reportOnce(session, *error);
  }
}

}  // namespace vantrel
