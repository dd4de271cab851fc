#include "panel/panel_lesson.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "numerics/elementary_functions.h"
#include "state/headless_controls.h"
#include "state/messages.h"
#include "text/number_text.h"
#include "coefficients/numerical.h"
#include "loads/aero_loads.h"

namespace vantrel {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

// Thin-airfoil theory on a copy of the state with controls of its own, so nothing the user sees
// or keeps changes.
std::variant<ThinAirfoilSide, std::string> thinAirfoilSide(const Ortak& ortak,
                                                           const Controls& form) {
  Ortak copy = ortak;
  HeadlessControls controls;
  controls.setText(TextBox::Text_Alfa, form.text(TextBox::Text_Alfa));
  controls.setText(TextBox::Text_xM, form.text(TextBox::Text_xM));
  Session session{copy, controls, {}};
  session.writesReports = false;
  if (NumericalFourier(session)) CalcAeroLoads(session);
  if (!controls.messages().empty()) return controls.messages().front();
  ThinAirfoilSide side;
  side.Alfa0 = copy.Alfa0;
  side.CmAC = copy.CmAC;
  side.CL = copy.CL;
  side.CLalpha = 2 * copy.Pi;
  // Cp_lower − Cp_upper = 4 (A0 (1 + cos θ)/sin θ + Σ An sin nθ), the series the load sums.
  const auto stations = std::min({copy.xC.size(), copy.Theta.size(),
                                  static_cast<std::size_t>(std::max(copy.NPoint, 0)) + 1});
  const double lastTerm = std::min(copy.M - 1, static_cast<double>(copy.A.size()) - 1);
  for (std::size_t i = 2; i + 1 < stations; ++i) {
    const double sinTheta = cr::sin(copy.Theta[i]);
    if (sinTheta == 0.0 || copy.A.empty()) continue;
    const double perA0 = 4 * (cr::cos(copy.Theta[i]) + 1) / sinTheta;
    double sum = 0;
    for (long n = 1; n <= lastTerm; ++n) {
      sum += copy.A[static_cast<std::size_t>(n)] * cr::sin(static_cast<double>(n) * copy.Theta[i]);
    }
    if (!std::isfinite(sum) || !std::isfinite(perA0)) continue;
    side.x.push_back(copy.xC[i]);
    side.perA0.push_back(perA0);
    side.camberPart.push_back(4 * sum);
  }
  side.A0Camber = copy.A0Camber;
  return side;
}

std::optional<double> percent(double thin, double panel) {
  if (thin == 0.0) return std::nullopt;
  return (panel - thin) / std::abs(thin) * 100;
}

}  // namespace

std::vector<double> ThinAirfoilSide::pressureDifference(double alfaDegrees) const {
  const double A0 = alfaDegrees * kDegree - A0Camber;
  std::vector<double> difference(x.size());
  for (std::size_t i = 0; i < x.size(); ++i) difference[i] = A0 * perA0[i] + camberPart[i];
  return difference;
}

SurfacePoints surfacesOf(const Ortak& ortak) {
  SurfacePoints surfaces;
  const std::size_t shortest =
      std::min({ortak.xU.size(), ortak.yU.size(), ortak.xL.size(), ortak.yL.size()});
  const std::size_t last = std::min(shortest, static_cast<std::size_t>(std::max(ortak.NPoint, 0)) + 1);
  for (std::size_t i = 1; i < last; ++i) {
    surfaces.xUpper.push_back(ortak.xU[i]);
    surfaces.yUpper.push_back(ortak.yU[i]);
    surfaces.xLower.push_back(ortak.xL[i]);
    surfaces.yLower.push_back(ortak.yL[i]);
  }
  return surfaces;
}

void PanelLesson::moveTo(double alfaDegrees) {
  if (thin) thin->CL = thin->CLalpha * (alfaDegrees - thin->Alfa0) * kDegree;
  Alfa = alfaDegrees;
}

std::variant<PanelLesson, std::string> panelLessonOf(const Ortak& ortak, const Controls& form,
                                                     int panels) {
  auto solved = solvePanelMethod(surfacesOf(ortak), panels);
  if (auto* fault = std::get_if<ContourFault>(&solved)) return fault->message;
  PanelLesson lesson{ortak.AirfoilName, std::get<PanelSolution>(std::move(solved)), std::nullopt,
                     {}, TextToNumber(form.text(TextBox::Text_Alfa))};
  auto thin = thinAirfoilSide(ortak, form);
  if (auto* side = std::get_if<ThinAirfoilSide>(&thin)) {
    lesson.thin = std::move(*side);
  } else {
    lesson.thinMessage = std::get<std::string>(thin);
  }
  return lesson;
}

std::optional<PanelLesson> panelLessonOfLoadedAirfoil(Form1Handlers& handlers, int panels) {
  Session& session = handlers.session();
  if (!handlers.FileLoaded()) {
    session.form.showMessage(kOpenAirfoilMessage);
    return std::nullopt;
  }
  auto lesson = panelLessonOf(session.ortak, session.form, panels);
  if (auto* message = std::get_if<std::string>(&lesson)) {
    session.form.showMessage(*message);
    return std::nullopt;
  }
  return std::get<PanelLesson>(std::move(lesson));
}

std::vector<LessonRow> lessonRows(const PanelLesson& lesson) {
  const PanelSolution& panel = lesson.panel;
  const double alfa = lesson.Alfa * kDegree;
  const ThinAirfoilSide thin = lesson.thin.value_or(ThinAirfoilSide{});
  const double panelAlfa0 = panel.Alfa0() / kDegree;
  const double panelCL = panel.CL(alfa);
  return {
      {"\u03B1_L0 (deg)", thin.Alfa0, panelAlfa0, percent(thin.Alfa0, panelAlfa0)},
      {"CmAC", thin.CmAC, panel.CmAC(), percent(thin.CmAC, panel.CmAC())},
      {"CL", thin.CL, panelCL, percent(thin.CL, panelCL)},
      {"Lift slope (per rad)", thin.CLalpha, panel.CLalpha(), percent(thin.CLalpha, panel.CLalpha())},
  };
}

PictureBox pressurePicture(const PanelLesson& lesson) {
  PictureBox picture(Rgb{255, 255, 255});
  int upperCount = 0;
  const auto pressures = lesson.panel.pressures(lesson.Alfa * kDegree, &upperCount);
  double top = 1.0, bottom = -1.0;
  for (const auto& p : pressures) {
    top = std::max(top, -p.Cp);
    bottom = std::min(bottom, -p.Cp);
  }
  const std::vector<double> difference =
      lesson.thin ? lesson.thin->pressureDifference(lesson.Alfa) : std::vector<double>{};
  {
    for (double d : difference) {
      top = std::max(top, d);
      bottom = std::min(bottom, d);
    }
  }
  // A leading-edge suction peak can be tens; the picture keeps it whole.
  const double margin = 0.08 * (top - bottom);
  picture.Scale(-0.05, top + margin, 1.05, bottom - margin);
  picture.Line(-0.05, 0, 1.05, 0, kGrey);
  auto curve = [&](std::size_t from, std::size_t to, Rgb color) {
    for (std::size_t i = from + 1; i < to; ++i) {
      picture.Line(pressures[i - 1].x, -pressures[i - 1].Cp, pressures[i].x, -pressures[i].Cp,
                   color);
    }
  };
  const auto split = static_cast<std::size_t>(upperCount);
  curve(0, split, kBlue);
  curve(split, pressures.size(), kRed);
  if (lesson.thin) {
    const auto& x = lesson.thin->x;
    const auto& d = difference;
    for (std::size_t i = 1; i < x.size(); ++i) picture.Line(x[i - 1], d[i - 1], x[i], d[i]);
  }
  return picture;
}

AxesStyle pressureAxesStyle() {
  return AxesStyle{"x/c", "\u2212Cp, \u0394Cp", false, {}, false, {}, 0.0};
}

std::string pressureCsv(const PanelSolution& panel, double alfaDegrees) {
  std::string text = "x,y,Cp\n";
  for (const auto& p : panel.pressures(alfaDegrees * kDegree)) {
    text += NumberToText(p.x) + "," + NumberToText(p.y) + "," + NumberToText(p.Cp) + "\n";
  }
  return text;
}

}  // namespace vantrel
