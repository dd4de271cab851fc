#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QWidget;

namespace vantrel {

class PictureBox;

enum class PictureFormat { Png, Svg };

struct PictureTarget {
  QString fileName;
  PictureFormat format = PictureFormat::Png;
};

inline constexpr const char* kPngFilter = "PNG image (*.png)";
inline constexpr const char* kSvgFilter = "SVG drawing (*.svg)";

// The format follows a ".png" or ".svg" extension of the chosen name; any other name takes the
// format of the chosen filter and gets its extension added.
PictureTarget pictureTarget(const QString& chosenName, const QString& chosenFilter);

// The height that keeps a picture area's proportions at the given width.
int proportionalHeight(const QSize& areaSize, int width);

QImage renderPicture(const PictureBox& picture, const QSize& size);

// Each returns an error text for the user, empty on success.
QString savePicture(const PictureBox& picture, const PictureTarget& target, const QSize& size);
QString copyPicture(const PictureBox& picture, const QSize& size);
// Asks for a file name and a width; cancelling either is not an error.
QString savePictureWithDialogs(QWidget* parent, const PictureBox& picture,
                               const QString& suggestedName, const QSize& defaultSize);

}  // namespace vantrel
