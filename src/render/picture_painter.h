#pragma once

#include <QByteArray>
#include <QString>

class QPainter;
class QRectF;

namespace vantrel {

class PictureBox;

// Paints a picture area's display list into any rectangle: back colour, then the operations
// mapped by their Scale, clipped to the rectangle. Lines stay one device pixel wide.
void paintPicture(const PictureBox& picture, QPainter& painter, const QRectF& target);

// The picture as the bytes of a PNG or an SVG file, for a caller that writes files its own way.
QByteArray picturePngBytes(const PictureBox& picture, int width, int height);
QByteArray pictureSvgBytes(const PictureBox& picture, int width, int height);

// Returns an error text, empty on success.
QString savePicturePng(const PictureBox& picture, const QString& fileName, int width, int height);
QString savePictureSvg(const PictureBox& picture, const QString& fileName, int width, int height);

}  // namespace vantrel
