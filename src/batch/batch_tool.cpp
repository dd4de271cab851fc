#include "batch/batch_tool.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <variant>

#include "batch/airfoil_commands.h"
#include "batch/batch_runner.h"
#include "batch/command_line.h"
#include "batch/comparison_table.h"
#include "batch/converge_command.h"
#include "batch/csv_export.h"
#include "batch/output_files.h"
#include "batch/plot_export.h"
#include "batch/summary_output.h"
#include "batch/survey_command.h"
#include "batch/terminal_progress.h"

namespace vantrel::batch {
namespace {

constexpr const char* kToolName = "qeb-vantrel-batch: ";

// Replays the actions until one fails: later actions would work on what the failed one left.
bool replay(BatchRunner& runner, const std::vector<Action>& actions, std::ostream& err,
            TerminalProgress* progress) {
  for (const Action& action : actions) {
    const std::size_t failuresBefore = runner.failures().size();
    if (progress) progress->startAction();
    const bool ok = runner.run(action);
    if (progress) progress->finishAction();
    if (ok) continue;
    for (std::size_t i = failuresBefore; i < runner.failures().size(); ++i) {
      err << kToolName << runner.failures()[i] << "\n";
    }
    return false;
  }
  return true;
}

bool saveOutputs(const RunOptions& options, const BatchRunner& runner, std::ostream& err) {
  bool ok = true;
  if (options.plotsDir) {
    if (auto failure = writePlots(runner.controls(), *options.plotsDir, options.axes)) {
      err << kToolName << "--plots: " << *failure << "\n";
      ok = false;
    }
  }
  if (options.csvDir) {
    if (auto failure = writeCsvFiles(runner.controls(), runner.ortak(), *options.csvDir)) {
      err << kToolName << "--csv: " << *failure << "\n";
      ok = false;
    } else if (runner.panel()) {
      const PanelLesson& panel = *runner.panel();
      if (auto failure = writeTextFile(*options.csvDir / "cp.csv",
                                       pressureCsv(panel.panel, panel.Alfa))) {
        err << kToolName << "--csv: " << *failure << "\n";
        ok = false;
      }
    }
  }
  if (options.plotsDir && runner.panel() && ok) {
    if (auto failure = writePressurePlot(*runner.panel(), *options.plotsDir, options.axes)) {
      err << kToolName << "--plots: " << *failure << "\n";
      ok = false;
    }
  }
  return ok;
}

void printResults(const RunOptions& options, const BatchRunner& runner, std::ostream& out) {
  const SweepTable* sweep = runner.sweep() ? &*runner.sweep() : nullptr;
  const MethodComparison* comparison = runner.comparison() ? &*runner.comparison() : nullptr;
  if (options.json) {
    const std::string statusLine = runner.statusLine();
    out << jsonSummary(runner.controls(), runner.ortak(), sweep, comparison,
                       runner.panel() ? &*runner.panel() : nullptr, &statusLine);
  } else if (sweep != nullptr) {
    out << sweepCsv(*sweep);
  } else if (comparison != nullptr) {
    out << comparisonCsv(*comparison, runner.ortak().AirfoilName);
  } else {
    out << textSummary(runner.controls());
    if (runner.panel()) out << panelSummary(*runner.panel());
  }
  out.flush();
}

int runActions(const RunCommand& command, std::ostream& out, std::ostream& err) {
  if (auto failure = makeFolder(command.options.workDir)) {
    err << kToolName << "--workdir: " << *failure << "\n";
    return kExitFailed;
  }
  BatchRunner runner(command.options.workDir, command.options.language);
  // A progress line only where a person watches it: never into a file or a pipe.
  std::optional<TerminalProgress> progress;
  if (&err == &std::cerr && standardErrorIsTerminal()) {
    progress.emplace(err, progressQuietStart());
    runner.setProgress(&*progress);
  }
  bool ok = replay(runner, command.actions, err, progress ? &*progress : nullptr);
  ok = saveOutputs(command.options, runner, err) && ok;
  printResults(command.options, runner, out);
  return ok ? kExitOk : kExitFailed;
}

int runCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const Command command = parseCommandLine(arguments);
  if (const auto* usage = std::get_if<UsageError>(&command)) {
    err << kToolName << usage->message << "\n" << usageText();
    return kExitUsage;
  }
  if (std::holds_alternative<HelpCommand>(command)) {
    out << usageText();
    return kExitOk;
  }
  if (const auto* naca = std::get_if<NacaCommand>(&command)) return runNaca(*naca, out, err);
  if (const auto* convert = std::get_if<ConvertCommand>(&command)) {
    return runConvert(*convert, out, err);
  }
  if (const auto* converge = std::get_if<ConvergeCommand>(&command)) {
    return runConverge(*converge, out, err);
  }
  if (const auto* survey = std::get_if<SurveyCommand>(&command)) {
    std::optional<TerminalProgress> progress;
    if (&err == &std::cerr && standardErrorIsTerminal()) progress.emplace(err, progressQuietStart());
    return runSurvey(*survey, out, err, progress ? &*progress : nullptr);
  }
  return runActions(std::get<RunCommand>(command), out, err);
}

}  // namespace

int runBatchTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  errno = 0;
  int status = runCommand(arguments, out, err);
  out.flush();
  if (!out) {
    // A full disk or a closed pipe: the results are lost, which the caller must hear of.
    const int error = errno;
    err << kToolName << "could not write the results to the standard output"
        << (error != 0 ? std::string(": ") + std::strerror(error) : std::string()) << "\n";
    status = kExitFailed;
  }
  return status;
}

}  // namespace vantrel::batch
