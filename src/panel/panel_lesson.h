#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/form1_handlers.h"
#include "state/ortak.h"
#include "panel/panel_method.h"
#include "plot/axes_layer.h"
#include "surface/picture_box.h"

namespace vantrel {

// The surfaces of the airfoil in the shared state (stations 1..NPoint).
SurfacePoints surfacesOf(const Ortak& ortak);

// Thin-airfoil theory (numerical integration) at the window's angle: its results and its
// pressure difference Cp_lower − Cp_upper, twice the main window's load.
struct ThinAirfoilSide {
  double Alfa0 = 0;  // degrees
  double CmAC = 0;
  double CL = 0;
  double CLalpha = 0;  // per radian: 2π
  double A0Camber = 0;  // radians: A0 = α − A0Camber
  // At the interior stations where the load is finite: x, and the two parts of the difference,
  // 4 (1 + cos θ)/sin θ (times A0) and 4 Σ An sin nθ (fixed by the camber).
  std::vector<double> x, perA0, camberPart;

  std::vector<double> pressureDifference(double alfaDegrees) const;
};

// The two sides of "Thickness and Pressure" for one airfoil: solved once, then `atAlfa` gives
// every angle by sums alone.
struct PanelLesson {
  std::string airfoilName;  // bytes, as read
  PanelSolution panel;
  std::optional<ThinAirfoilSide> thin;  // none when numerical integration refused
  std::string thinMessage;              // why it refused
  double Alfa = 0;                      // degrees: the angle the thin side was taken at

  // Thin-airfoil theory's values at a new angle: its CL moves along 2π, the rest stays.
  void moveTo(double alfaDegrees);
};

// The lesson of the loaded airfoil at the window's angle, with `panels` panels; the message of a
// refusal otherwise. The state, the controls and the reports are left as they were.
std::variant<PanelLesson, std::string> panelLessonOf(const Ortak& ortak, const Controls& form,
                                                     int panels = kDefaultPanels);

// The same as the user asks for it: before a file is read it shows "Open an airfoil data file";
// a refusal is shown as a message. None in either case.
std::optional<PanelLesson> panelLessonOfLoadedAirfoil(Form1Handlers& handlers,
                                                      int panels = kDefaultPanels);

// One row of the comparison table.
struct LessonRow {
  std::string quantity;
  double thin, panel;
  // (panel − thin)/|thin| in percent; none where thin-airfoil theory's value is zero.
  std::optional<double> differencePercent;
};
std::vector<LessonRow> lessonRows(const PanelLesson& lesson);

// The pressure picture: −Cp upward of the upper surface (blue) and lower surface (red) against
// x/c, and thin-airfoil theory's pressure difference (black) on the same axes.
PictureBox pressurePicture(const PanelLesson& lesson);

// Axes titles of the pressure picture: x/c, and −Cp upward.
AxesStyle pressureAxesStyle();

// cp.csv: "x,y,Cp" then one line per control point, the upper surface first.
std::string pressureCsv(const PanelSolution& panel, double alfaDegrees);

}  // namespace vantrel
