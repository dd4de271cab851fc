#pragma once

#include <vector>

#include "plot/axes_layer.h"
#include "surface/picture_box.h"

namespace vantrel {

// The flap lesson's picture: the mean line as read (grey) and with the flap (blue), the chord
// (black) and the hinge (grey), all of them whole. The camber picture is scaled to the camber's
// height above the chord and cuts a deflected tail off; this one takes its height from the
// lowest and the highest point of both lines. Station arrays are indexed 1 to their size - 1,
// as the shared state holds them.
PictureBox FlapMeanLinePicture(const std::vector<double>& xBefore,
                               const std::vector<double>& yBefore,
                               const std::vector<double>& xAfter, const std::vector<double>& yAfter,
                               double hinge);

// The flap picture's axes: x/c along the bottom, y/c up the side; shown wherever it is.
AxesStyle FlapAxesStyle();

}  // namespace vantrel
