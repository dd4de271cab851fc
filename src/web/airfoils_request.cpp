#include "web/airfoils_request.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <vector>

#include "input/plain_flap.h"
#include "plot/axes_layer.h"
#include "surface/pixel_shapes.h"
#include "survey/family_pictures.h"
#include "web/page_json.h"

namespace vantrel::web {
namespace {

std::optional<AirfoilData> airfoilOf(const Json& json) {
  if (!json.is_object()) return std::nullopt;
  try {
    AirfoilData airfoil;
    airfoil.AirfoilName = json.at("name").get<std::string>();
    airfoil.NPoint = json.at("NPoint").get<int>();
    for (auto [name, array] : {std::pair{"xU", &airfoil.xU}, {"yU", &airfoil.yU},
                               {"xL", &airfoil.xL}, {"yL", &airfoil.yL}, {"xC", &airfoil.xC},
                               {"yC", &airfoil.yC}, {"Theta", &airfoil.Theta}}) {
      *array = json.at(name).get<std::vector<double>>();
      // Every station array runs from 0 to NPoint; anything shorter cannot be this airfoil.
      if (airfoil.NPoint < 2 || array->size() != static_cast<std::size_t>(airfoil.NPoint) + 1) {
        return std::nullopt;
      }
    }
    return airfoil;
  } catch (const Json::exception&) {
    return std::nullopt;
  }
}

Json pictureJson(const FamilyPicture& shown, double width, double height, double scale) {
  return pictureWithAxesJson(shown.picture, shown.axes, width, height, scale);
}

Json optionalNumber(bool present, double value) {
  return present ? Json(value) : Json(nullptr);
}

Json rowJson(const AirfoilRow& row) {
  return Json{{"source", row.source},
              {"camber", optionalNumber(row.read, row.camber)},
              {"x_camber", optionalNumber(row.read, row.xCamber)},
              {"thickness", optionalNumber(row.read, row.thickness)},
              {"x_thickness", optionalNumber(row.read, row.xThickness)},
              {"Alfa0", optionalNumber(row.computed, row.Alfa0)},
              {"CmAC", optionalNumber(row.computed, row.CmAC)},
              {"CL", optionalNumber(row.computed, row.CL)},
              {"panel_CL", optionalNumber(row.panelCL.has_value(), row.panelCL.value_or(0))},
              {"panel_CLalpha",
               optionalNumber(row.panelCLalpha.has_value(), row.panelCLalpha.value_or(0))},
              {"message", row.message}};
}

}  // namespace

std::string screenAirfoilJson(const Ortak& ortak, const std::string& dataFile) {
  if (ortak.NPoint < 2) return "null";
  const AirfoilData airfoil = loadedAirfoil(ortak);
  return text(Json{{"source", dataFile},
                   {"airfoil",
                    {{"name", airfoil.AirfoilName},
                     {"NPoint", airfoil.NPoint},
                     {"xU", airfoil.xU},
                     {"yU", airfoil.yU},
                     {"xL", airfoil.xL},
                     {"yL", airfoil.yL},
                     {"xC", airfoil.xC},
                     {"yC", airfoil.yC},
                     {"Theta", airfoil.Theta}}}});
}

std::string airfoilsJson(std::string_view requestJson) {
  const Json request = Json::parse(requestJson, nullptr, false);
  const Json entries = request.is_object() ? request.value("entries", Json::array()) : Json();
  AirfoilFamily family;
  std::vector<std::string> shownSources;
  Json refused = nullptr;
  for (const Json& entry : entries.is_array() ? entries : Json::array()) {
    const std::string source = entry.is_object() ? entry.value("source", std::string()) : "";
    std::optional<std::string> refusal;
    if (entry.is_object() && entry.contains("airfoil")) {
      const auto airfoil = airfoilOf(entry["airfoil"]);
      refusal = airfoil ? family.addAirfoil(*airfoil, source)
                        : std::optional<std::string>("The airfoil on screen could not be taken.");
    } else {
      const std::string path = entry.is_object() ? entry.value("path", source) : "";
      refusal = family.add(path);
    }
    if (refusal) {
      refused = *refusal;
      break;
    }
    shownSources.push_back(source);
  }
  const double alfa = request.is_object() ? request.value("alfa", 0.0) : 0.0;
  std::vector<AirfoilRow> rows = family.rows(alfa);
  Json members = Json::array();
  Json rowsJson = Json::array();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    rows[i].source = shownSources[i];
    const FamilyMember& member = family.members()[i];
    members.push_back({{"label", member.label},
                       {"read", member.airfoil.has_value()},
                       {"color", color(familyColor(i))}});
    rowsJson.push_back(rowJson(rows[i]));
  }
  const double width = request.is_object() ? request.value("width", 440.0) : 440.0;
  const double height = request.is_object() ? request.value("height", 300.0) : 300.0;
  const double scale = request.is_object() ? request.value("scale", 1.0) : 1.0;
  return text(Json{
      {"members", std::move(members)},
      {"rows", std::move(rowsJson)},
      {"csv", airfoilTableCsv(rows)},
      {"refused", refused},
      {"pictures",
       {{"Picture_MeanLines", pictureJson(meanLinesPicture(family), width, height, scale)},
        {"Picture_Thickness", pictureJson(thicknessPicture(family), width, height, scale)},
        {"Picture_LiftLines",
         pictureJson(liftLinesPicture(family, rows, alfa), width, height, scale)}}}});
}

}  // namespace vantrel::web
