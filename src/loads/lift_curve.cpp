#include "loads/aero_loads.h"
#include "loads/coefficient_terms.h"
#include "loads/picture_scale.h"
#include "text/number_text.h"

namespace vantrel {

void LiftCurve(Session& session) {
  Ortak& ortak = session.ortak;
  const double Pi = ortak.Pi;
  const double Alfa0 = ortak.Alfa0;

  ortak.CL = liftCoefficient(Pi, coefficientOrZero(ortak.A, 0), coefficientOrZero(ortak.A, 1));
  session.form.setText(TextBox::Text_CL, NumberToText(ortak.CL, 3));
  // The lift line 2·Pi·(alfa − Alfa0)·Pi/180 at alfa = Alfa0 − 3 and at alfa = 10 degrees.
  ortak.CLMin = (((Alfa0 - 3) - Alfa0) * (2 * Pi)) * Pi / 180;
  ortak.CLMax = ((10 - Alfa0) * (2 * Pi)) * Pi / 180;

  PictureBox& picture = session.form.picture(Picture::Picture_CL);
  if (!clearAndScale(picture, Alfa0 - 4, 1.1 * ortak.CLMax, 12, ortak.CLMin - 0.1 * ortak.CLMax)) {
    return;
  }
  picture.Line(Alfa0 - 3, 0, 11, 0, kBlack);
  picture.Line(0, ortak.CLMin, 0, ortak.CLMax + 0.1, kBlack);
  picture.Line(Alfa0 - 3, ortak.CLMin, 10, ortak.CLMax, kRed);
  picture.Circle(ortak.Alfa, ortak.CL, 0.3, kBlue);
}

}  // namespace vantrel
