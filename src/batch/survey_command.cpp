#include "batch/survey_command.h"

#include "batch/batch_tool.h"
#include "coefficients/worker_threads.h"
#include "survey/survey.h"

namespace vantrel::batch {

int runSurvey(const SurveyCommand& command, std::ostream& out, std::ostream& err,
              TerminalProgress* progress) {
  const auto items = surveyItems(command.sources);
  if (progress) progress->startAction();
  const auto rows = vantrel::runSurvey(items, command.alfa, computationThreads(), progress);
  if (progress) progress->finishAction();
  bool failed = false;
  for (const AirfoilRow& row : rows) {
    if (!surveyRowFailed(row)) continue;
    failed = true;
    err << "qeb-vantrel-batch: survey: " << row.message << "\n";
  }
  out << airfoilTableCsv(rows);
  out.flush();
  return failed || !out ? kExitFailed : kExitOk;
}

}  // namespace vantrel::batch
