#include "input/sampled_airfoil.h"

#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "input/camber_line.h"
#include "input/convert_message.h"
#include "input/monotone_cubic.h"
#include "input/read_data_file.h"
#include "input/selig_lednicer_layout.h"
#include "numerics/elementary_functions.h"

namespace vantrel {
namespace {

bool hasExtension(const std::string& path, const char* extension) {
  std::string found = std::filesystem::path(path).extension().string();
  for (char& c : found) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return found == extension;
}

std::variant<SampledSource, std::string> foreignSource(std::istream& in, const std::string& label) {
  auto read = readForeignContour(in, label);
  if (auto* error = std::get_if<ConvertError>(&read)) return std::move(error->message);
  const auto& contour = std::get<ForeignContour>(read);
  auto normalised = normaliseToChord(contour.loop, label);
  if (auto* error = std::get_if<ConvertError>(&normalised)) return std::move(error->message);
  return SampledSource{contour.name, std::move(std::get<ChordSurfaces>(normalised))};
}

// One surface of a read airfoil, which the interpolation needs with x increasing.
std::variant<std::vector<ContourPoint>, std::string> surfaceOf(const std::vector<double>& x,
                                                               const std::vector<double>& y,
                                                               const char* which,
                                                               const std::string& label) {
  std::vector<ContourPoint> surface;
  for (std::size_t I = 1; I < x.size(); ++I) {
    if (!surface.empty() && !(x[I] > surface.back().x)) {
      return "Cannot re-sample \"" + quotedForMessage(label, 200) + "\": the " + which +
             " surface's x does not increase from station " + std::to_string(I - 1) + " to " +
             std::to_string(I) + ".";
    }
    surface.push_back({x[I], y[I], static_cast<int>(I)});
  }
  if (surface.size() < 2) {
    return "Cannot re-sample \"" + quotedForMessage(label, 200) +
           "\": it needs at least two stations.";
  }
  return surface;
}

std::variant<SampledSource, std::string> ownSource(std::istream& in, const std::string& label,
                                                   double Pi) {
  auto read = parseNcaFile(in, label, Pi);
  if (auto* failed = std::get_if<ReadFailure>(&read)) return std::move(failed->message);
  const AirfoilData& airfoil = std::get<AirfoilData>(read);
  auto upper = surfaceOf(airfoil.xU, airfoil.yU, "upper", label);
  if (auto* message = std::get_if<std::string>(&upper)) return std::move(*message);
  auto lower = surfaceOf(airfoil.xL, airfoil.yL, "lower", label);
  if (auto* message = std::get_if<std::string>(&lower)) return std::move(*message);
  SampledSource source;
  source.name = airfoil.AirfoilName;
  source.surfaces.upper = std::move(std::get<std::vector<ContourPoint>>(upper));
  source.surfaces.lower = std::move(std::get<std::vector<ContourPoint>>(lower));
  return source;
}

}  // namespace

std::variant<SampledSource, std::string> sampledSourceOf(const std::string& path, double Pi) {
  std::string label;
  std::ifstream in;
  if (auto refused = openAirfoilForReading(path, in, label)) return std::move(*refused);
  if (hasExtension(path, ".dat")) return foreignSource(in, label);
  return ownSource(in, label, Pi);
}

StationTable sampledAtCosineStations(const ChordSurfaces& surfaces, int stations) {
  const MonotoneCubic upper = surfaceCurve(surfaces.upper);
  const MonotoneCubic lower = surfaceCurve(surfaces.lower);
  const double pi = 4 * cr::atan(1.0);
  StationTable table;
  for (int i = 0; i < stations; ++i) {
    const double x = (1 - cr::cos(pi * i / (stations - 1))) / 2;
    table.xU.push_back(x);
    table.yU.push_back(upper(x));
    table.xL.push_back(x);
    table.yL.push_back(lower(x));
  }
  return table;
}

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
