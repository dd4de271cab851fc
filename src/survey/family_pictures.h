#pragma once

#include <cstddef>
#include <vector>

#include "plot/axes_layer.h"
#include "surface/picture_box.h"
#include "survey/airfoil_family.h"

namespace vantrel {

// A picture of several airfoils overlaid: its display list, one colour per airfoil, and the axes
// and legend (the airfoils' names in their colours) that every painter lays over it. The legend
// needs the axes layer: a view shows this picture with its axes always on.
struct FamilyPicture {
  PictureBox picture{Rgb{255, 255, 255}};
  AxesStyle axes;
};

// The size in pixels the pictures are laid out for; the legend's band at the top is kept free of
// curves at this size and at any size of the same or a wider shape.
inline constexpr double kFamilyPictureWidth = 440;
inline constexpr double kFamilyPictureHeight = 300;

// The colour of the member at `index` of the list: the same in every picture.
Rgb familyColor(std::size_t index);

// The mean lines, chord-normalised: x from the leading edge over the chord, y over the chord.
FamilyPicture meanLinesPicture(const AirfoilFamily& family);
// Thickness yU − yL over the chord at each station, against x/c.
FamilyPicture thicknessPicture(const AirfoilFamily& family);
// CL = 2π (α − α_L0) from −10° to 10°, with α_L0 from the table's rows (members whose row has no
// thin-airfoil values are left out); a grey line marks `alfa`, the angle the table is at.
FamilyPicture liftLinesPicture(const AirfoilFamily& family, const std::vector<AirfoilRow>& rows,
                               double alfa);

}  // namespace vantrel
