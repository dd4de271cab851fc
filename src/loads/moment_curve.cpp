#include <cmath>
#include <string>

#include "loads/aero_loads.h"
#include "loads/picture_scale.h"
#include "text/number_text.h"

namespace vantrel {

void MomentCurve(Session& session) {
  const Ortak& ortak = session.ortak;
  const double CmAC = ortak.CmAC;

  const std::string typed = session.form.text(TextBox::Text_xM);
  const double xM = TextToNumber(typed);
  const double Cmx = CmAC + (xM - 0.25) * ortak.CL;
  // "1e999" reads as the largest double, a point the user did not choose: refused as the angle is.
  if (!std::isfinite(Cmx) || TextNumberBeyondDoubles(typed)) {
    // The point is to blame only when the moments about the chord's ends are numbers.
    const bool camberToBlame = std::abs(xM) <= 1.0 || !std::isfinite(CmAC - 0.25 * ortak.CL) ||
                               !std::isfinite(CmAC + 0.75 * ortak.CL);
    session.form.showMessage(
        camberToBlame && !TextNumberBeyondDoubles(typed)
            ? camberTooLargeMessage("moment")
            : notFiniteMessage("reference point", TextBox::Text_xM, "moment", session));
    return;
  }
  session.form.setText(TextBox::Text_Cmx, NumberToText(Cmx, 3));
  const double CmxMin = CmAC + (xM - 0.25) * ortak.CLMin;
  const double CmxMax = CmAC + (xM - 0.25) * ortak.CLMax;
  // At 10 degrees about the leading and the trailing edge: the frame does not move with xM.
  const double CmLE = CmAC + (-0.25) * ortak.CLMax;
  const double CmTE = CmAC + 0.75 * ortak.CLMax;

  PictureBox& picture = session.form.picture(Picture::Picture_Cmx);
  if (!clearAndScale(picture, ortak.Alfa0 - 4, CmTE, 12, CmLE)) return;
  picture.Line(ortak.Alfa0 - 3, 0, 11, 0, kBlack);
  picture.Line(0, CmLE, 0, CmTE, kBlack);
  picture.Line(ortak.Alfa0 - 3, CmxMin, 10, CmxMax, kRed);
  picture.Circle(ortak.Alfa, Cmx, 0.3, kBlue);
}

}  // namespace vantrel
