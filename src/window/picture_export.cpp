#include "window/picture_export.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QPainter>
#include <QSpinBox>
#include <algorithm>
#include <cmath>

#include "render/picture_painter.h"
#include "surface/picture_box.h"

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

QImage renderPicture(const PictureBox& picture, const QSize& size, const PictureLayers& layers) {
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) return image;
  QPainter painter(&image);
  paintPicture(picture, painter, QRectF(QPointF(0, 0), QSizeF(size)), layers);
  return image;
}

QString savePicture(const PictureBox& picture, const PictureTarget& target, const QSize& size,
                    const PictureLayers& layers) {
  if (size.width() < 1 || size.height() < 1 || size.width() > kLargestSide ||
      size.height() > kLargestSide) {
    return QStringLiteral("The picture size %1 x %2 cannot be used.")
        .arg(size.width())
        .arg(size.height());
  }
  if (target.format == PictureFormat::Svg) {
    return savePictureSvg(picture, target.fileName, size.width(), size.height(), layers);
  }
  return savePicturePng(picture, target.fileName, size.width(), size.height(), layers);
}

QString copyPicture(const PictureBox& picture, const QSize& size, const PictureLayers& layers) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  const QImage image = renderPicture(picture, size, layers);
  if (!clipboard || image.isNull()) return QStringLiteral("The picture could not be copied.");
  clipboard->setImage(image);
  return {};
}

std::optional<SaveOptions> askSaveOptions(QWidget* parent, int defaultWidth) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("SaveOptions"));
  dialog.setWindowTitle(QStringLiteral("Save Picture"));
  auto* width = new QSpinBox(&dialog);
  width->setObjectName(QStringLiteral("PictureWidth"));
  width->setRange(kSmallestSide, kLargestSide);
  width->setValue(std::clamp(defaultWidth, kSmallestSide, kLargestSide));
  width->setSuffix(QStringLiteral(" pixels"));
  auto* axes = new QCheckBox(QStringLiteral("with &axes and values"), &dialog);
  axes->setObjectName(QStringLiteral("WithAxes"));
  axes->setChecked(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* form = new QFormLayout(&dialog);
  form->addRow(QStringLiteral("Width (the height keeps the picture's proportions):"), width);
  form->addRow(axes);
  form->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return SaveOptions{width->value(), axes->isChecked()};
}

QString savePictureWithDialogs(QWidget* parent, const PictureBox& picture,
                               const QString& suggestedName, const QSize& defaultSize,
                               const LayersForSize& layersFor) {
  QString chosenFilter = QString::fromLatin1(kPngFilter);
  const QString chosenName = QFileDialog::getSaveFileName(
      parent, QStringLiteral("Save Picture"), QDir::current().filePath(suggestedName + ".png"),
      QStringLiteral("%1;;%2").arg(QLatin1String(kPngFilter), QLatin1String(kSvgFilter)),
      &chosenFilter);
  if (chosenName.isEmpty()) return {};
  const PictureTarget target = pictureTarget(chosenName, chosenFilter);
  const auto options = askSaveOptions(parent, defaultSize.width());
  if (!options) return {};
  const QSize size(options->width, proportionalHeight(defaultSize, options->width));
  return savePicture(picture, target, size, layersFor(size, options->withAxes));
}

}  // namespace vantrel
