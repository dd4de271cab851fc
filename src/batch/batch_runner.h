#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/form1_handlers.h"
#include "batch/command_line.h"
#include "batch/sweep_table.h"
#include "lessons/compare_methods.h"
#include "panel/panel_lesson.h"
#include "state/headless_controls.h"
#include "state/ortak.h"

namespace vantrel::batch {

// Replays user actions on one program run: one Ortak and one set of headless controls live as
// long as the runner, and every action goes through the window's handlers, Form_Load first.
class BatchRunner {
 public:
  // The messages and report headings speak `language`.
  explicit BatchRunner(std::filesystem::path workDir, Language language = Language::Original);
  BatchRunner(const BatchRunner&) = delete;
  BatchRunner& operator=(const BatchRunner&) = delete;

  // Runs one action. It fails when the program refused it or reported a problem: the file was
  // not read, or a message other than the degree-cap notice was shown. The failure is described
  // in failures().
  bool run(const Action& action);

  const HeadlessControls& controls() const { return controls_; }
  const Ortak& ortak() const { return ortak_; }
  const std::optional<SweepTable>& sweep() const { return sweep_; }
  const std::optional<MethodComparison>& comparison() const { return comparison_; }
  // The last panel-method run, at the angle it was run at.
  const std::optional<PanelLesson>& panel() const { return panel_; }
  const std::vector<std::string>& failures() const { return failures_; }
  // What the window's status line shows after the same actions.
  std::string statusLine() const { return handlers_.statusLine(); }
  // Long work (the lumped vortex method on many panels) reports here; none by default.
  void setProgress(Progress* progress) { handlers_.session().progress = progress; }

 private:
  enum class Method { None, Fourier, LumpedVortex };

  bool runAction(const Action& action);
  void rememberMethod(ActionKind kind);
  bool runSweep(const Action& action);
  bool sweepStep(double angle);
  std::optional<std::string> refusedCost(std::size_t angles) const;
  std::vector<double> fourierRow() const;
  std::vector<double> vortexRow() const;

  Ortak ortak_;
  HeadlessControls controls_;
  Form1Handlers handlers_;
  Method lastMethod_ = Method::None;
  std::optional<SweepTable> sweep_;
  std::optional<MethodComparison> comparison_;
  std::optional<PanelLesson> panel_;
  std::vector<std::string> failures_;
};

}  // namespace vantrel::batch
