#include "lessons/compare_methods.h"

#include <algorithm>
#include <cmath>

#include "coefficients/least_squares.h"
#include "coefficients/numerical.h"
#include "loads/aero_loads.h"
#include "numerics/elementary_functions.h"
#include "state/headless_controls.h"
#include "state/messages.h"
#include "state/session.h"
#include "text/locale_free_numbers.h"
#include "text/number_text.h"
#include "text/windows1254_text.h"
#include "vortex/lump_vm.h"

namespace vantrel {
namespace {

// A copy of the state with controls of its own that start with the window's angle and reference
// point; whatever a method does to them is thrown away with the copy.
class CopyRun {
 public:
  CopyRun(const Ortak& ortak, const Controls& form) : ortak_(ortak) {
    controls_.setText(TextBox::Text_Alfa, form.text(TextBox::Text_Alfa));
    controls_.setText(TextBox::Text_xM, form.text(TextBox::Text_xM));
    session_.writesReports = false;
  }
  CopyRun(const CopyRun&) = delete;
  CopyRun& operator=(const CopyRun&) = delete;

  Session& session() { return session_; }
  HeadlessControls& controls() { return controls_; }
  const Ortak& ortak() const { return ortak_; }
  std::optional<std::string> firstMessage() const {
    if (controls_.messages().empty()) return std::nullopt;
    return controls_.messages().front();
  }

 private:
  Ortak ortak_;
  HeadlessControls controls_;
  Session session_{ortak_, controls_, {}};
};

std::string leastSquaresName(int degree, bool withEnds) {
  return "Least squares, degree " + std::to_string(degree) +
         (withEnds ? ", with end conditions" : ", without end conditions");
}

MethodResult named(std::string method) {
  MethodResult result;
  result.method = std::move(method);
  return result;
}

double momentAbout(double xM, double CmAC, double CL) {
  return CmAC + (xM - 0.25) * CL;
}

MethodResult fourierResult(std::string method, CopyRun& run, double xM) {
  MethodResult result = named(std::move(method));
  result.message = run.firstMessage();
  const Ortak& ortak = run.ortak();
  result.Alfa0 = ortak.Alfa0;
  result.CmAC = ortak.CmAC;
  result.CL = ortak.CL;
  result.Cmx = momentAbout(xM, ortak.CmAC, ortak.CL);
  return result;
}

MethodResult leastSquares(const Ortak& ortak, const Controls& form, int degree, bool withEnds,
                          double xM) {
  CopyRun run(ortak, form);
  run.controls().select(withEnds ? Option::Opt_WithEnd : Option::Opt_WithOutEnd);
  if (auto reason = refusedDegree(run.ortak(), degree)) {
    MethodResult refused = named(leastSquaresName(degree, withEnds));
    refused.message = *reason;
    return refused;
  }
  run.session().ortak.M = degree;
  LSQPolynomial(run.session());
  CalcAeroLoads(run.session());
  return fourierResult(leastSquaresName(degree, withEnds), run, xM);
}

MethodResult numericalIntegration(const Ortak& ortak, const Controls& form, double xM) {
  CopyRun run(ortak, form);
  if (NumericalFourier(run.session())) CalcAeroLoads(run.session());
  return fourierResult("Numerical integration", run, xM);
}

// The lumped vortex method at one angle, given as the text a user would type.
std::optional<VortexResult> vortexAt(const Ortak& ortak, const Controls& form,
                                     const std::string& alfaText, std::string& message) {
  CopyRun run(ortak, form);
  run.controls().setText(TextBox::Text_Alfa, alfaText);
  LumpedVortex(run.session());
  if (auto shown = run.firstMessage()) {
    message = *shown;
    return std::nullopt;
  }
  return run.session().lastVortexResult;
}

MethodResult lumpedVortex(const Ortak& ortak, const Controls& form, double xM) {
  MethodResult result = named("Lumped vortex");
  std::string message;
  const auto atAlfa = vortexAt(ortak, form, form.text(TextBox::Text_Alfa), message);
  const auto atZero = atAlfa ? vortexAt(ortak, form, "0", message) : std::nullopt;
  const auto atRight = atZero ? vortexAt(ortak, form, "90", message) : std::nullopt;
  if (!atRight) {
    result.message = message;
    return result;
  }
  // cl = cl(90°)·sin α + cl(0°)·cos α, which vanishes at tan α = −cl(0°)/cl(90°).
  const double Pi = ortak.Pi;
  result.Alfa0 = cr::atan2(-atZero->cl, atRight->cl) * 180 / Pi;
  const auto atZeroLift = vortexAt(ortak, form, NumberToText(result.Alfa0), message);
  if (!atZeroLift) {
    result.message = message;
    return result;
  }
  result.CmAC = atZeroLift->cm4;
  result.CL = atAlfa->cl;
  result.Cmx = momentAbout(xM, atAlfa->cm4, atAlfa->cl);
  return result;
}

// Numerical integration follows the stations themselves; a polynomial far from it has not
// followed the line, however smoothly it converged.
void markPolynomialsThatMissTheLine(MethodComparison& comparison) {
  const auto reference =
      std::find_if(comparison.rows.begin(), comparison.rows.end(),
                   [](const MethodResult& row) { return row.method == "Numerical integration"; });
  if (reference == comparison.rows.end() || reference->message) return;
  for (MethodResult& row : comparison.rows) {
    if (row.message || !row.method.starts_with("Least squares")) continue;
    const double alfa0Off = row.Alfa0 - reference->Alfa0;
    const double cmACOff = row.CmAC - reference->CmAC;
    if (std::abs(alfa0Off) > kPolynomialAlfa0Tolerance ||
        std::abs(cmACOff) > kPolynomialCmACTolerance) {
      row.caution = "this polynomial cannot represent the mean line: α_L0 lies " +
                    NumberToText(alfa0Off, 2) + "° and CmAC " + NumberToText(cmACOff, 4) +
                    " from numerical integration, which follows the stations";
    }
  }
}

// A CSV field in double quotes, its own quotes doubled.
std::string csvField(const std::string& text) {
  std::string field = "\"";
  for (char c : text) field += c == '"' ? std::string("\"\"") : std::string(1, c);
  return field + "\"";
}

}  // namespace

MethodComparison CompareMethods(const Ortak& ortak, const Controls& form) {
  MethodComparison comparison;
  comparison.Alfa = TextToNumber(form.text(TextBox::Text_Alfa));
  comparison.xM = TextToNumber(form.text(TextBox::Text_xM));
  for (bool withEnds : {true, false}) {
    for (int degree = 2; degree <= 5; ++degree) {
      comparison.rows.push_back(leastSquares(ortak, form, degree, withEnds, comparison.xM));
    }
  }
  comparison.rows.push_back(numericalIntegration(ortak, form, comparison.xM));
  comparison.rows.push_back(lumpedVortex(ortak, form, comparison.xM));
  markPolynomialsThatMissTheLine(comparison);
  return comparison;
}

std::string ComparisonCsv(const MethodComparison& comparison, const std::string& airfoilName) {
  std::string out = "# " + bytesToUtf8(airfoilName) +
                    ": every method at alfa = " + shortestText(comparison.Alfa) + " deg\n";
  out += "# Alfa0 in degrees; CmAC about the quarter chord; Cmx about xM = " +
         shortestText(comparison.xM) + "\n";
  out += "method,Alfa0,CmAC,CL,Cmx,message,note\n";
  for (const MethodResult& row : comparison.rows) {
    std::string line = csvField(row.method);
    for (double value : {row.Alfa0, row.CmAC, row.CL, row.Cmx}) {
      line += "," + (row.message ? std::string() : shortestText(value));
    }
    line += "," + (row.message ? csvField(*row.message) : std::string());
    line += "," + (row.caution ? csvField(*row.caution) : std::string());
    out += line + "\n";
  }
  return out;
}

std::optional<MethodComparison> CompareMethodsOfLoadedAirfoil(Form1Handlers& handlers) {
  Session& session = handlers.session();
  if (!handlers.FileLoaded()) {
    session.form.showMessage(kOpenAirfoilMessage);
    return std::nullopt;
  }
  return CompareMethods(session.ortak, session.form);
}

}  // namespace vantrel
