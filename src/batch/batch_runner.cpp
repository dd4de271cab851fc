#include "batch/batch_runner.h"

#include <algorithm>

#include "batch/sweep_angles.h"
#include "batch/sweep_budget.h"
#include "language/program_texts.h"
#include "loads/aero_loads.h"
#include "state/messages.h"
#include "state/vortex_result.h"
#include "text/number_text.h"
#include "vortex/vortex_panels.h"

namespace vantrel::batch {
namespace {

// The degree cap is a notice: the fit goes on with degree 5.
bool reportsAProblem(const std::string& message, Language language) {
  return message != textsIn(language).degreeCapMessage;
}

}  // namespace

BatchRunner::BatchRunner(std::filesystem::path workDir, Language language)
    : handlers_(ortak_, controls_, std::move(workDir)) {
  ortak_.language = language;
  handlers_.Form_Load();
}

bool BatchRunner::run(const Action& action) {
  const std::size_t messagesBefore = controls_.messages().size();
  const std::size_t failuresBefore = failures_.size();
  bool ok = runAction(action);
  const auto& messages = controls_.messages();
  for (std::size_t i = messagesBefore; i < messages.size(); ++i) {
    if (reportsAProblem(messages[i], ortak_.language)) ok = false;
  }
  if (!ok && failures_.size() == failuresBefore) {
    for (std::size_t i = messagesBefore; i < messages.size(); ++i) {
      if (reportsAProblem(messages[i], ortak_.language)) {
        failures_.push_back(std::string(actionWord(action.kind)) + ": " + messages[i]);
      }
    }
    if (failures_.size() == failuresBefore) {
      const std::string what =
          action.kind == ActionKind::Open ? "could not read \"" + action.text + "\"" : "failed";
      failures_.push_back(std::string(actionWord(action.kind)) + ": " + what);
    }
  }
  if (ok) rememberMethod(action.kind);
  return ok;
}

// A sweep reruns the method that last produced results; a refused run produced none.
void BatchRunner::rememberMethod(ActionKind kind) {
  if (kind == ActionKind::Lsq || kind == ActionKind::Numerical) lastMethod_ = Method::Fourier;
  if (kind == ActionKind::Vortex) lastMethod_ = Method::LumpedVortex;
}

bool BatchRunner::runAction(const Action& action) {
  switch (action.kind) {
    case ActionKind::Sweep:
      return runSweep(action);
    case ActionKind::Compare:
      comparison_ = CompareMethodsOfLoadedAirfoil(handlers_);
      return comparison_.has_value();
    case ActionKind::Panel:
      panel_ = panelLessonOfLoadedAirfoil(handlers_, action.value);
      return panel_.has_value();
    default:
      return replayAction(action, handlers_, controls_);
  }
}

bool BatchRunner::runSweep(const Action& action) {
  if (lastMethod_ == Method::None) {
    failures_.push_back("sweep: no method has run yet; use lsq, numerical or vortex before sweep");
    return false;
  }
  const std::vector<double> angles = sweepAngles(action.from, action.to, action.step);
  if (auto refused = refusedCost(angles.size())) {
    failures_.push_back(*refused);
    return false;
  }
  SweepTable& table = sweep_.emplace();
  table.columns = lastMethod_ == Method::LumpedVortex ? kVortexSweepColumns : kFourierSweepColumns;
  const std::size_t messagesBefore = controls_.messages().size();
  for (double angle : angles) {
    if (!sweepStep(angle)) return false;
    // A refused or failed computation leaves nothing worth a row.
    for (std::size_t i = messagesBefore; i < controls_.messages().size(); ++i) {
      if (reportsAProblem(controls_.messages()[i], ortak_.language)) return false;
    }
    table.rows.push_back(lastMethod_ == Method::LumpedVortex ? vortexRow() : fourierRow());
  }
  return true;
}

std::optional<std::string> BatchRunner::refusedCost(std::size_t angles) const {
  if (lastMethod_ == Method::LumpedVortex) {
    const int panels = std::max(camberStationCount(ortak_) - 1, 0);
    return refusedSweepCost(lumpedVortexSweepCost(angles, panels), angles, panels, "Vantrel.txt");
  }
  return refusedSweepCost(fourierSweepCost(angles), angles, 0, "Poly5.txt");
}

// One angle of a sweep, as a user would do it: type the angle, then recompute.
bool BatchRunner::sweepStep(double angle) {
  controls_.setText(TextBox::Text_Alfa, NumberToText(angle));
  if (lastMethod_ == Method::LumpedVortex) {
    handlers_.Mn_LumpVM_Click();
    return true;
  }
  if (ortak_.A.empty()) {
    failures_.push_back("sweep: no coefficients to recompute the loads from");
    return false;
  }
  Session& session = handlers_.session();
  session.logFailureShown = false;  // each angle is a user action of its own
  CalcAeroLoads(session);
  return true;
}

std::vector<double> BatchRunner::fourierRow() const {
  const double xM = TextToNumber(controls_.text(TextBox::Text_xM));
  const double Cmx = ortak_.CmAC + (xM - 0.25) * ortak_.CL;
  return {ortak_.Alfa, ortak_.CL, Cmx, ortak_.Alfa0, ortak_.CmAC};
}

std::vector<double> BatchRunner::vortexRow() const {
  const VortexResult result = handlers_.session().lastVortexResult.value_or(VortexResult{});
  return {TextToNumber(controls_.text(TextBox::Text_Alfa)), result.cl, result.cm4};
}

}  // namespace vantrel::batch
