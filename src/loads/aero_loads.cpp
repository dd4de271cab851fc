#include "loads/aero_loads.h"

#include <cmath>
#include <string>

#include "language/program_texts.h"
#include "loads/coefficient_terms.h"
#include "loads/results_log.h"
#include "text/number_text.h"
#include "text/windows1254_text.h"

namespace vantrel {
namespace {

ReportText aeroQuantitiesBlock(const Ortak& ortak) {
  ReportText block;
  block.line();
  block.line(textsIn(ortak.language).aeroQuantitiesTitle);
  block.line();
  block.line(" Alfa0 = " + FormatPattern(ortak.Alfa0, "#.##0") + " deg");
  block.line(" Cm-AC = " + FormatPattern(ortak.CmAC, "#.###0"));
  return block;
}

}  // namespace

std::string notFiniteMessage(std::string_view input, TextBox box, std::string_view result,
                             const Session& session) {
  return "The " + std::string(input) + " \"" + quotedForMessage(session.form.text(box), 40) +
         "\" is too large: the " + std::string(result) +
         " coefficient would not be a finite number.";
}

std::string camberTooLargeMessage(std::string_view result) {
  return "The camber line of this airfoil is too large: the " + std::string(result) +
         " coefficient would not be a finite number.";
}

void CalcAeroLoads(Session& session) {
  Ortak& ortak = session.ortak;
  const double A1 = coefficientOrZero(ortak.A, 1);
  const double A2 = coefficientOrZero(ortak.A, 2);

  ortak.Alfa0 = 180 * (ortak.A0Camber - A1 / 2) / ortak.Pi;
  ortak.CmAC = -ortak.Pi * (A1 - A2) / 4;
  session.form.setText(TextBox::Text_Alfa0, NumberToText(ortak.Alfa0, 2));
  session.form.setText(TextBox::Text_CmAC, NumberToText(ortak.CmAC, 4));
  appendToResultsLog(session, aeroQuantitiesBlock(ortak));

  const double Alfa = TextToNumber(session.form.text(TextBox::Text_Alfa));
  const double AlfaR = ortak.Pi * Alfa / 180;
  const double A0 = ortak.A.empty() ? 0.0 : AlfaR - ortak.A0Camber;
  if (!std::isfinite(liftCoefficient(ortak.Pi, A0, A1))) {
    // The angle is to blame only when the airfoil's own lift, at zero angle, is a number.
    const bool camberToBlame =
        std::isfinite(AlfaR) && !std::isfinite(liftCoefficient(ortak.Pi, -ortak.A0Camber, A1));
    session.form.showMessage(
        camberToBlame ? camberTooLargeMessage("lift")
                      : notFiniteMessage("angle of attack", TextBox::Text_Alfa, "lift", session));
    return;
  }
  ortak.Alfa = Alfa;
  // Without coefficients A stays without elements; the curves then read A(0) as zero.
  if (!ortak.A.empty()) ortak.A[0] = A0;

  LiftCurve(session);
  MomentCurve(session);
  LoadDistribution(session);
}

}  // namespace vantrel
