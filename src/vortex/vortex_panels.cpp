#include "vortex/vortex_panels.h"

#include <algorithm>
#include <cmath>

namespace vantrel {

int camberStationCount(const Ortak& ortak) {
  const auto held = [](const std::vector<double>& values) {
    return values.empty() ? 0 : static_cast<int>(values.size()) - 1;
  };
  return std::max(0, std::min({ortak.NPoint, held(ortak.xC), held(ortak.yC)}));
}

VortexPanels panelsOf(const Ortak& ortak, int M) {
  VortexPanels panels;
  panels.M = M;
  const std::size_t size = static_cast<std::size_t>(M) + 1;
  for (auto* values :
       {&panels.xV, &panels.yV, &panels.xCP, &panels.yCP, &panels.ds, &panels.CosP, &panels.SinP}) {
    values->assign(size, 0.0);
  }
  for (int I = 1; I <= M; ++I) {
    const double dx = ortak.xC[I + 1] - ortak.xC[I];
    const double dy = ortak.yC[I + 1] - ortak.yC[I];
    panels.ds[I] = std::sqrt(dx * dx + dy * dy);
    panels.CosP[I] = dx / panels.ds[I];
    panels.SinP[I] = -dy / panels.ds[I];
    panels.xV[I] = ortak.xC[I] + 0.25 * dx;
    panels.yV[I] = ortak.yC[I] + 0.25 * dy;
    panels.xCP[I] = ortak.xC[I] + 0.75 * dx;
    panels.yCP[I] = ortak.yC[I] + 0.75 * dy;
  }
  return panels;
}

std::optional<int> firstZeroLengthPanel(const VortexPanels& panels) {
  // Tested on the computed length, so stations a hair apart whose squares underflow count too.
  for (int I = 1; I <= panels.M; ++I) {
    if (panels.ds[I] == 0.0) return I;
  }
  return std::nullopt;
}

std::optional<int> firstPanelWithoutFiniteLength(const VortexPanels& panels) {
  for (int I = 1; I <= panels.M; ++I) {
    if (!std::isfinite(panels.ds[I])) return I;
  }
  return std::nullopt;
}

}  // namespace vantrel
