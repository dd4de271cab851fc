#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "input/nca_parser.h"

namespace vantrel {

// A NACA designation is read as `qeb-vantrel-batch naca DESIGNATION` writes it: this many
// stations, through the file text, so its row equals that of the written file to the last bit.
inline constexpr int kTableNacaStations = 41;

// One airfoil's row of the table. The geometry is taken at the stations as the camber line is
// (no interpolation between them); the aerodynamics is numerical integration at `alfa`, exactly
// as "Numerical Integration" computes it in the main window, and the vortex panel method with
// its default panels.
struct AirfoilRow {
  std::string source;     // as given: a path or a designation
  std::string name;       // bytes, as read or generated; empty when nothing was read
  bool read = false;      // whether the geometry below was measured
  bool computed = false;  // whether Alfa0, CmAC and CL hold thin-airfoil theory's results
  double camber = 0;      // the camber ordinate of largest magnitude, with its sign
  double xCamber = 0;
  double thickness = 0;  // the largest yU − yL
  double xThickness = 0;
  double Alfa0 = 0;  // degrees
  double CmAC = 0;
  double CL = 0;
  std::optional<double> panelCL;       // at alfa
  std::optional<double> panelCLalpha;  // per radian
  // Empty, or why the row is incomplete: the reader's or the method's message, or the panel
  // method's alone when only its columns are empty.
  std::string message;
};

// Reads a source as the main window would: a .nca or .dat file with the window's checks and
// messages, or a NACA designation. On failure, the message the window would show.
std::variant<AirfoilData, std::string> readAirfoilSource(const std::string& source, double Pi);

// The row of an airfoil already read, at `alfa` degrees.
AirfoilRow airfoilRowOf(const AirfoilData& airfoil, const std::string& source, double alfa);

// Reads the source and computes its row; a source that cannot be read gives a row with its
// message. Never throws.
AirfoilRow airfoilRow(const std::string& source, double alfa);

// The table as CSV: the header below, then one line per row; full precision, a point as the
// decimal separator, an empty field where a row has no value, text fields in double quotes.
inline constexpr const char* kAirfoilTableHeader =
    "source,name,camber,x_camber,thickness,x_thickness,Alfa0,CmAC,CL,panel_CL,panel_CLalpha,"
    "message";
std::string airfoilTableCsv(const std::vector<AirfoilRow>& rows);
// One line of it, with its line end.
std::string airfoilTableLine(const AirfoilRow& row);

}  // namespace vantrel
