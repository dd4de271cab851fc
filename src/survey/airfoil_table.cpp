#include "survey/airfoil_table.h"

#include <cmath>
#include <exception>
#include <filesystem>
#include <new>
#include <numbers>
#include <sstream>

#include "coefficients/numerical.h"
#include "input/naca.h"
#include "input/plain_flap.h"
#include "input/read_by_file_type.h"
#include "input/read_data_file.h"
#include "loads/aero_loads.h"
#include "numerics/elementary_functions.h"
#include "panel/panel_lesson.h"
#include "panel/panel_method.h"
#include "state/headless_controls.h"
#include "state/session.h"
#include "text/locale_free_numbers.h"
#include "text/windows1254_text.h"

namespace vantrel {
namespace {

std::string csvField(const std::string& text) {
  std::string field = "\"";
  for (char c : text) field += c == '"' ? std::string("\"\"") : std::string(1, c);
  return field + "\"";
}

// Every bit of the value, sign of a zero included: a row must equal the single-airfoil result.
std::string number(double value) {
  return shortestText(value);
}

void setGeometry(const AirfoilData& airfoil, AirfoilRow& row) {
  bool first = true;
  for (int I = 1; I <= airfoil.NPoint; ++I) {
    const auto i = static_cast<std::size_t>(I);
    const double thickness = airfoil.yU[i] - airfoil.yL[i];
    if (first || std::abs(airfoil.yC[i]) > std::abs(row.camber)) {
      row.camber = airfoil.yC[i];
      row.xCamber = airfoil.xC[i];
    }
    if (first || thickness > row.thickness) {
      row.thickness = thickness;
      row.xThickness = airfoil.xC[i];
    }
    first = false;
  }
}

// Numerical integration as the main window runs it, on a state and controls of its own that
// write no report: the angle box holds alfa's shortest text, which reads back as the same double.
std::optional<std::string> setThinAirfoilValues(const AirfoilData& airfoil, double alfa,
                                                AirfoilRow& row) {
  Ortak ortak;
  ortak.Pi = 4.0 * cr::atan(1.0);
  ortak.AirfoilName = airfoil.AirfoilName;
  ortak.NPoint = airfoil.NPoint;
  ortak.xU = airfoil.xU, ortak.yU = airfoil.yU;
  ortak.xL = airfoil.xL, ortak.yL = airfoil.yL;
  ortak.xC = airfoil.xC, ortak.yC = airfoil.yC;
  ortak.Theta = airfoil.Theta;
  HeadlessControls controls;
  controls.setText(TextBox::Text_Alfa, shortestText(alfa));
  Session session{ortak, controls, {}};
  session.writesReports = false;
  if (NumericalFourier(session)) CalcAeroLoads(session);
  if (!controls.messages().empty()) return controls.messages().front();
  row.Alfa0 = ortak.Alfa0;
  row.CmAC = ortak.CmAC;
  row.CL = ortak.CL;
  row.computed = true;

  // The panel method as "Thickness and Pressure" runs it at the angle in the box.
  auto solved = solvePanelMethod(surfacesOf(ortak), kDefaultPanels);
  if (const auto* fault = std::get_if<ContourFault>(&solved)) return fault->message;
  const auto& panel = std::get<PanelSolution>(solved);
  row.panelCL = panel.CL(alfa * std::numbers::pi / 180);
  row.panelCLalpha = panel.CLalpha();
  return std::nullopt;
}

std::variant<AirfoilData, std::string> readNaca(const std::string& designation, double Pi) {
  const auto generated = nacaAirfoil(designation, kTableNacaStations);
  std::istringstream file(nacaDataFile(*generated));
  Ortak ortak;
  ortak.Pi = Pi;
  HeadlessControls controls;
  Session session{ortak, controls, {}};
  session.writesReports = false;
  if (!readDataFileStream(session, file, designation)) {
    if (controls.messages().empty()) return "Cannot read NACA " + designation + ".";
    return controls.messages().front();
  }
  return loadedAirfoil(ortak);
}

}  // namespace

std::variant<AirfoilData, std::string> readAirfoilSource(const std::string& source, double Pi) {
  if (nacaAirfoil(source, 2)) return readNaca(source, Pi);
  // What looks like a path is read as one, so a missing file gets the reader's own message.
  const std::filesystem::path path(source);
  const bool looksLikeFile = path.has_parent_path() || path.has_extension();
  std::error_code error;
  if (!looksLikeFile && !std::filesystem::exists(path, error)) {
    return "\"" + quotedForMessage(source, 200) +
           "\" is neither a NACA designation the generator covers nor an airfoil file.";
  }
  Ortak ortak;
  ortak.Pi = Pi;
  HeadlessControls controls;
  Session session{ortak, controls, {}};
  session.writesReports = false;
  if (!readByFileType(session, source)) {
    if (controls.messages().empty())
      return "Cannot read \"" + quotedForMessage(source, 200) + "\".";
    return controls.messages().front();
  }
  return loadedAirfoil(ortak);
}

AirfoilRow airfoilRowOf(const AirfoilData& airfoil, const std::string& source, double alfa) {
  AirfoilRow row;
  row.source = source;
  row.name = airfoil.AirfoilName;
  row.read = true;
  setGeometry(airfoil, row);
  if (auto message = setThinAirfoilValues(airfoil, alfa, row)) row.message = std::move(*message);
  return row;
}

AirfoilRow airfoilRow(const std::string& source, double alfa) {
  try {
    auto read = readAirfoilSource(source, 4.0 * cr::atan(1.0));
    if (auto* message = std::get_if<std::string>(&read)) {
      AirfoilRow row;
      row.source = source;
      row.message = std::move(*message);
      return row;
    }
    return airfoilRowOf(std::get<AirfoilData>(read), source, alfa);
  } catch (const std::bad_alloc&) {
    AirfoilRow row;
    row.source = source;
    row.message = "Not enough memory for \"" + quotedForMessage(source, 200) + "\".";
    return row;
  } catch (const std::exception& failure) {
    AirfoilRow row;
    row.source = source;
    row.message = "Cannot read \"" + quotedForMessage(source, 200) + "\": " + failure.what() + ".";
    return row;
  }
}

std::string airfoilTableLine(const AirfoilRow& row) {
  std::string line = csvField(bytesToUtf8(row.source)) + "," +
                     (row.read ? csvField(bytesToUtf8(row.name)) : std::string());
  for (double value : {row.camber, row.xCamber, row.thickness, row.xThickness}) {
    line += "," + (row.read ? number(value) : std::string());
  }
  for (double value : {row.Alfa0, row.CmAC, row.CL}) {
    line += "," + (row.computed ? number(value) : std::string());
  }
  for (const auto& value : {row.panelCL, row.panelCLalpha}) {
    line += "," + (value ? number(*value) : std::string());
  }
  line += "," + (row.message.empty() ? std::string() : csvField(row.message));
  return line + "\n";
}

std::string airfoilTableCsv(const std::vector<AirfoilRow>& rows) {
  std::string out = std::string(kAirfoilTableHeader) + "\n";
  for (const AirfoilRow& row : rows) out += airfoilTableLine(row);
  return out;
}

}  // namespace vantrel
