#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

#include "render/picture_painter.h"

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

QImage renderPicture(const PictureBox& picture, const QSize& size,
                     const PictureLayers& layers = {});

// Each returns an error text for the user, empty on success.
QString savePicture(const PictureBox& picture, const PictureTarget& target, const QSize& size,
                    const PictureLayers& layers = {});
QString copyPicture(const PictureBox& picture, const QSize& size, const PictureLayers& layers = {});

// The layers of a saved picture of a given size, with or without axes and values.
using LayersForSize = std::function<PictureLayers(const QSize& size, bool withAxes)>;

// The choices of the "Save Picture" options dialog.
struct SaveOptions {
  int width = 0;
  bool withAxes = true;
};
// Asks for the width and whether to draw axes and values (on at first); none when cancelled.
std::optional<SaveOptions> askSaveOptions(QWidget* parent, int defaultWidth);

// Asks for a file name, then for the options; cancelling either is not an error.
QString savePictureWithDialogs(QWidget* parent, const PictureBox& picture,
                               const QString& suggestedName, const QSize& defaultSize,
                               const LayersForSize& layersFor);

}  // namespace vantrel
