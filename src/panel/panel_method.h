#pragma once

#include <variant>
#include <vector>

#include "panel/panel_contour.h"

namespace vantrel {

// 160 panels put CL within 0.03% of the exact value on the test sections and solve in a few
// milliseconds; the scroll bar only sums two solutions, so more panels buy nothing a student sees.
inline constexpr int kDefaultPanels = 160;
inline constexpr int kFewestPanels = 8;
// At 2000 panels one solve takes a few seconds; more would gain nothing but waiting.
inline constexpr int kMostPanels = 2000;

// The pressure at one control point (a panel's midpoint).
struct SurfacePressure {
  double x, y, Cp;
};

// A linear-strength vortex panel solution of a section, for two unit free streams: along x
// (α = 0) and along y (α = 90°). Every result at an angle α is their sum weighted by cos α and
// sin α, so a new α costs no solve. Angles in radians; lengths in units of the chord, which runs
// from the leading-edge node to the middle of the trailing edge; moments about the quarter chord
// on that line, nose up positive.
class PanelSolution {
 public:
  int panels() const { return contour_.panels(); }
  const PanelContour& contour() const { return contour_; }
  double chord() const { return chord_; }

  double CL(double alfa) const;
  double CmQuarter(double alfa) const;
  // Where the lift vanishes, and the lift slope there (per radian).
  double Alfa0() const;
  double CLalpha() const;
  // The quarter-chord moment at zero lift: the moment about the aerodynamic centre.
  double CmAC() const { return CmQuarter(Alfa0()); }
  // Cp at each control point, the upper surface from the leading to the trailing edge first,
  // then the lower surface likewise; `upperCount` of them are on the upper surface.
  std::vector<SurfacePressure> pressures(double alfa, int* upperCount = nullptr) const;
  // The vortex strength at each node (the surface speed over the free stream's).
  std::vector<double> nodeStrengths(double alfa) const;

 private:
  friend std::variant<PanelSolution, ContourFault> solvePanels(PanelContour contour);

  PanelContour contour_;
  std::vector<double> strengthAlong_, strengthAcross_;  // node strengths, α = 0 and α = 90°
  std::vector<double> speedAlong_, speedAcross_;  // at the midpoints, along the outline
  double circulationAlong_ = 0, circulationAcross_ = 0;  // clockwise, over the chord
  double chord_ = 1;
  // The quarter-chord moment is quadratic in cos α and sin α: these are its four coefficients.
  double momentConstant_ = 0, momentAlongAlong_ = 0, momentAlongAcross_ = 0,
         momentAcrossAcross_ = 0;
};

// Solves the panel system of a contour: zero normal velocity at each panel's midpoint and the
// Kutta condition (equal speeds leaving both sides of the trailing edge). A closed edge (a gap
// under 1e-4 of the chord, a cusp included) takes each edge strength as the extrapolation of its
// own surface's strengths; a blunt trailing edge gets a panel across its base carrying a uniform
// source and vortex as XFOIL's does: the source lets the flow leave the base as it leaves the
// surfaces beside it, instead of turning round it.
std::variant<PanelSolution, ContourFault> solvePanels(PanelContour contour);

// Re-panels the surfaces to `panels` panels and solves.
std::variant<PanelSolution, ContourFault> solvePanelMethod(const SurfacePoints& surfaces,
                                                           int panels = kDefaultPanels);

}  // namespace vantrel
