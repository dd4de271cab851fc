#include "window/picture_export.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "plot/picture_box.h"
#include "render/picture_painter.h"

namespace vantrel {
namespace {

// Big enough for a poster, small enough that the image still fits in memory.
constexpr int kLargestSide = 20000;
constexpr int kSmallestSide = 16;

}  // namespace

PictureTarget pictureTarget(const QString& chosenName, const QString& chosenFilter) {
  const QString suffix = QFileInfo(chosenName).suffix().toLower();
  if (suffix == QLatin1String("png")) return {chosenName, PictureFormat::Png};
  if (suffix == QLatin1String("svg")) return {chosenName, PictureFormat::Svg};
  if (chosenFilter == QLatin1String(kSvgFilter)) {
    return {chosenName + QStringLiteral(".svg"), PictureFormat::Svg};
  }
  return {chosenName + QStringLiteral(".png"), PictureFormat::Png};
}

int proportionalHeight(const QSize& areaSize, int width) {
  if (areaSize.width() <= 0) return width;
  const long height = std::lround(double(width) * areaSize.height() / areaSize.width());
  return static_cast<int>(std::clamp<long>(height, 1, kLargestSide));
}

QImage renderPicture(const PictureBox& picture, const QSize& size) {
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) return image;
  QPainter painter(&image);
  paintPicture(picture, painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return image;
}

QString savePicture(const PictureBox& picture, const PictureTarget& target, const QSize& size) {
  if (size.width() < 1 || size.height() < 1 || size.width() > kLargestSide ||
      size.height() > kLargestSide) {
    return QStringLiteral("The picture size %1 x %2 cannot be used.")
        .arg(size.width())
        .arg(size.height());
  }
  if (target.format == PictureFormat::Svg) {
    return savePictureSvg(picture, target.fileName, size.width(), size.height());
  }
  return savePicturePng(picture, target.fileName, size.width(), size.height());
}

QString copyPicture(const PictureBox& picture, const QSize& size) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  const QImage image = renderPicture(picture, size);
  if (!clipboard || image.isNull()) return QStringLiteral("The picture could not be copied.");
  clipboard->setImage(image);
  return {};
}

QString savePictureWithDialogs(QWidget* parent, const PictureBox& picture,
                               const QString& suggestedName, const QSize& defaultSize) {
  QString chosenFilter = QString::fromLatin1(kPngFilter);
  const QString chosenName = QFileDialog::getSaveFileName(
      parent, QStringLiteral("Save Picture"), QDir::current().filePath(suggestedName + ".png"),
      QStringLiteral("%1;;%2").arg(QLatin1String(kPngFilter), QLatin1String(kSvgFilter)),
      &chosenFilter);
  if (chosenName.isEmpty()) return {};
  const PictureTarget target = pictureTarget(chosenName, chosenFilter);
  bool accepted = false;
  const int width = QInputDialog::getInt(
      parent, QStringLiteral("Save Picture"),
      QStringLiteral("Width in pixels (the height keeps the picture's proportions):"),
      defaultSize.width(), kSmallestSide, kLargestSide, 1, &accepted);
  if (!accepted) return {};
  return savePicture(picture, target, QSize(width, proportionalHeight(defaultSize, width)));
}

}  // namespace vantrel
