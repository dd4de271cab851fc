#pragma once

#include "plot/overlay.h"
#include "surface/picture_box.h"

namespace vantrel {

// When the operating point's circle lies wholly outside the picture's scale, an arrow at the
// nearest edge points towards it, in the circle's colour; otherwise the overlay is empty. The
// scale itself stays as drawn. `scale` is the picture's size over its design size.
Overlay operatingPointMarker(const PictureBox& picture, double width, double height, double scale);

}  // namespace vantrel
