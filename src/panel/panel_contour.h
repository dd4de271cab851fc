#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace vantrel {

// The two surfaces of a section as read, each from the leading to the trailing edge.
struct SurfacePoints {
  std::vector<double> xUpper, yUpper, xLower, yLower;
};

// The panels' corners: N + 1 nodes from the lower trailing edge along the lower surface to the
// leading edge (node `lowerPanels`) and back along the upper surface to the upper trailing edge.
// The two trailing-edge nodes coincide for a sharp edge; otherwise the gap between them is the
// blunt base.
struct PanelContour {
  std::vector<double> x, y;
  int lowerPanels = 0;

  int panels() const { return static_cast<int>(x.size()) - 1; }
};

// Why a section cannot be panelled, in words for the user.
struct ContourFault {
  std::string message;
};

// Re-panels the section to `panels` panels: a cubic spline through the surface points (in the
// length along the outline, so it follows the leading edge's curve), cut at cosine spacing
// on each surface so the panels are shortest at both edges. Repeated points are passed over.
// Refuses a section without thickness (a camber line alone), one whose outline crosses itself
// or runs the wrong way round (the upper surface below the lower), and non-finite coordinates.
std::variant<PanelContour, ContourFault> repanel(const SurfacePoints& surfaces, int panels);

// The first crossing of two panels that do not share a node (the base included), as the x of a
// point near it; none for an outline that does not cross itself.
std::optional<double> firstSelfCrossing(const PanelContour& contour);

// Twice the signed area inside the outline closed across the base: negative when it runs
// clockwise, as a section with the upper surface above the lower does.
double twiceSignedArea(const PanelContour& contour);

}  // namespace vantrel
