#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <vector>

#include "loads/aero_loads.h"
#include "loads/coefficient_terms.h"
#include "loads/picture_scale.h"
#include "numerics/elementary_functions.h"

namespace vantrel {
namespace {

// The last station that every station array reaches, so a short array is never read past.
int lastStation(const Ortak& ortak) {
  const long shortest = static_cast<long>(std::min(ortak.xC.size(), ortak.Theta.size())) - 1;
  return static_cast<int>(std::max(0L, std::min(static_cast<long>(ortak.NPoint), shortest)));
}

// The highest sine term: A(M − 1), but never past the coefficients that exist (after the lumped
// vortex method M counts panels, not coefficients).
double lastSineTerm(const Ortak& ortak) {
  return std::min(ortak.M - 1, static_cast<double>(ortak.A.size()) - 1);
}

// The load at an interior station, or none where sin Theta is zero (a repeated leading- or
// trailing-edge point) or the value is not a number a plot can take.
std::optional<double> stationLoad(const Ortak& ortak, double Theta) {
  const double sinTheta = cr::sin(Theta);
  if (sinTheta == 0.0) return std::nullopt;
  double load = coefficientOrZero(ortak.A, 0) * (cr::cos(Theta) + 1) / sinTheta;
  const double lastTerm = lastSineTerm(ortak);
  for (long n = 1; n <= lastTerm; ++n) {
    load = load + coefficientOrZero(ortak.A, n) * cr::sin(static_cast<double>(n) * Theta);
  }
  load = load * 2;
  if (!std::isfinite(load)) return std::nullopt;
  return load;
}

}  // namespace

void LoadDistribution(Session& session) {
  const Ortak& ortak = session.ortak;
  const int NPoint = lastStation(ortak);

  std::vector<std::optional<double>> Load(static_cast<std::size_t>(NPoint) + 1);
  for (int I = 2; I <= NPoint - 1; ++I) Load[I] = stationLoad(ortak, ortak.Theta[I]);
  if (NPoint >= 2) Load[NPoint] = 0.0;  // the trailing edge carries no load

  double LoadMax = 0;
  double LoadMin = 0;
  for (int I = 2; I <= NPoint; ++I) {
    if (!Load[I]) continue;
    if (*Load[I] > LoadMax) LoadMax = *Load[I];
    if (*Load[I] < LoadMin) LoadMin = *Load[I];
  }

  PictureBox& picture = session.form.picture(Picture::Picture_Load);
  if (!clearAndScale(picture, -0.1, 1.1 * LoadMax, 1.1, LoadMin - 0.1 * LoadMax)) return;
  picture.Line(0, 0, 1, 0);
  picture.Line(0, 0, 0, LoadMax);
  for (int I = 3; I <= NPoint; ++I) {
    if (!Load[I - 1] || !Load[I]) continue;
    picture.Line(ortak.xC[I - 1], *Load[I - 1], ortak.xC[I], *Load[I], kRed);
  }
}

}  // namespace vantrel
