#include "plot/graphics.h"

#include <algorithm>

#include "surface/picture_box.h"
#include "text/windows1254_text.h"

namespace vantrel {
namespace {

// Stations that every array named really holds, so a state out of step is never read past its end.
int stationsHeld(const Ortak& ortak, std::initializer_list<const std::vector<double>*> arrays) {
  std::size_t shortest = arrays.size() == 0 ? 0 : (*arrays.begin())->size();
  for (const auto* array : arrays) shortest = std::min(shortest, array->size());
  const int held = shortest == 0 ? 0 : static_cast<int>(shortest - 1);
  return std::clamp(ortak.NPoint, 0, held);
}

// The grid lines are a stepped loop in double precision, as the plots are designed around: the
// running value gathers the rounding of each step (the last vertical line stands at
// 0.9999999999999999). The pass limit only matters for a camber many chords high, where the
// lines are far closer than a pixel; it keeps such a file from stalling the window.
constexpr int kMostGridLines = 5000;

void verticalGrid(PictureBox& box) {
  for (double x = 0; x <= 1; x += 0.1) box.Line(x, -0.15, x, 0.15, kGrey);
}

void horizontalGrid(PictureBox& box, double first, double last, double step, Rgb color) {
  int passes = 0;
  for (double y = first; y <= last && passes < kMostGridLines; y += step, ++passes) {
    box.Line(0, y, 1, y, color);
  }
}

void joinStations(PictureBox& box, const std::vector<double>& x, const std::vector<double>& y,
                  int I, Rgb color) {
  box.Line(x[I - 1], y[I - 1], x[I], y[I], color);
}

}  // namespace

void DrawAirfoil(Session& session) {
  const Ortak& o = session.ortak;
  PictureBox& box = session.form.picture(Picture::Picture_Airfoil);
  box.Cls();
  box.Scale(-0.1, 0.15, 1.1, -0.15);
  verticalGrid(box);
  horizontalGrid(box, -0.15, 0.15, 0.1, kGrey);
  session.form.setCaption(Label::Lbl_Airfoil, bytesToUtf8(o.AirfoilName));
  const int stations = stationsHeld(o, {&o.xU, &o.yU, &o.xL, &o.yL, &o.xC, &o.yC});
  for (int I = 2; I <= stations; ++I) {
    joinStations(box, o.xU, o.yU, I, kBlack);
    joinStations(box, o.xL, o.yL, I, kBlack);
    joinStations(box, o.xC, o.yC, I, kBlue);
  }
}

void DrawCamber(Session& session) {
  const Ortak& o = session.ortak;
  const int stations = stationsHeld(o, {&o.xC, &o.yC});
  double yCmax = 0;
  for (int I = 1; I <= stations; ++I) {
    if (o.yC[I] > yCmax) yCmax = o.yC[I];
  }
  PictureBox& box = session.form.picture(Picture::Picture_Camber);
  box.Cls();
  box.Scale(-0.1, 1.2 * yCmax, 1.1, -0.001);
  verticalGrid(box);
  horizontalGrid(box, 0, yCmax, 0.002, kGrey);
  horizontalGrid(box, 0, yCmax, 0.005, kBlack);
  for (int I = 2; I <= stations; ++I) joinStations(box, o.xC, o.yC, I, kBlue);
}

}  // namespace vantrel
