#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "plot/axes_layer.h"

class QPainter;
class QRectF;

namespace vantrel {

class PictureBox;
struct Overlay;

// What is drawn beside a picture area's display list.
struct PictureLayers {
  // Axes and values, when wanted, in the style of the area they belong to.
  std::optional<AxesStyle> axes;
  // The picture's size over its design size: text and markers grow with it.
  double scale = 1.0;
  // Width of the display list's lines in device pixels.
  double penWidth = 1.0;
};

// Paints a picture area's display list into any rectangle: back colour, then the operations
// mapped by their Scale, clipped to the rectangle; then the operating point's edge marker and
// the axes the layers ask for.
void paintPicture(const PictureBox& picture, QPainter& painter, const QRectF& target,
                  const PictureLayers& layers = {});

// An overlay laid out for the target's size; texts shrink where the font is wider than their box.
void paintOverlay(const Overlay& overlay, QPainter& painter, const QRectF& target);

// The picture as the bytes of a PNG or an SVG file, for a caller that writes files its own way.
QByteArray picturePngBytes(const PictureBox& picture, int width, int height,
                           const PictureLayers& layers = {});
QByteArray pictureSvgBytes(const PictureBox& picture, int width, int height,
                           const PictureLayers& layers = {});

// Returns an error text, empty on success.
QString savePicturePng(const PictureBox& picture, const QString& fileName, int width, int height,
                       const PictureLayers& layers = {});
QString savePictureSvg(const PictureBox& picture, const QString& fileName, int width, int height,
                       const PictureLayers& layers = {});

}  // namespace vantrel
