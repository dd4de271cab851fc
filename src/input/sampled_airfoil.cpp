#include "input/sampled_airfoil.h"

#include <cmath>

#include "input/camber_line.h"

namespace vantrel {

std::optional<AirfoilData> airfoilOfStations(std::string name, const StationTable& stations,
                                             double Pi) {
  AirfoilData airfoil;
  airfoil.AirfoilName = std::move(name);
  airfoil.NPoint = static_cast<int>(stations.xU.size());
  const std::size_t size = stations.xU.size() + 1;
  for (auto* array : {&airfoil.xU, &airfoil.yU, &airfoil.xL, &airfoil.yL, &airfoil.xC, &airfoil.yC,
                      &airfoil.Theta}) {
    array->assign(size, 0.0);
  }
  for (std::size_t I = 1; I < size; ++I) {
    airfoil.xU[I] = stations.xU[I - 1];
    airfoil.yU[I] = stations.yU[I - 1];
    airfoil.xL[I] = stations.xL[I - 1];
    airfoil.yL[I] = stations.yL[I - 1];
    airfoil.xC[I] = (airfoil.xU[I] + airfoil.xL[I]) / 2;
    airfoil.yC[I] = (airfoil.yU[I] + airfoil.yL[I]) / 2;
    if (!(airfoil.xC[I] >= 0.0 && airfoil.xC[I] <= 1.0)) return std::nullopt;
    airfoil.Theta[I] = AngleCoordinate(airfoil.xC[I], Pi);
  }
  return airfoil;
}

}  // namespace vantrel
