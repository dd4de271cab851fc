#pragma once

#include "plot/overlay.h"
#include "surface/picture_box.h"

namespace vantrel {

// When the operating point's centre lies on an edge of the picture or beyond it, an arrow at the
// nearest edge points towards it, in the circle's colour, wholly inside the picture; otherwise
// the overlay is empty. The scale itself stays as drawn. `scale` is the picture's size over its
// design size.
Overlay operatingPointMarker(const PictureBox& picture, double width, double height, double scale);

}  // namespace vantrel
