#include "render/picture_painter.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <string_view>

#include "plot/edge_marker.h"
#include "plot/overlay.h"
#include "reports/report_file.h"
#include "surface/picture_box.h"
#include "surface/pixel_shapes.h"

namespace vantrel {
namespace {

QColor toQColor(Rgb rgb) {
  return QColor(rgb.r, rgb.g, rgb.b);
}

QPen cosmeticPen(Rgb color, double width) {
  QPen pen(toQColor(color));
  pen.setCosmetic(true);
  pen.setWidthF(width);
  return pen;
}

struct ShapePainter {
  QPainter& painter;
  double penWidth;

  void operator()(const PixelLine& line) const {
    painter.setPen(cosmeticPen(line.color, penWidth));
    painter.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
  }
  void operator()(const PixelCircle& circle) const {
    painter.setPen(cosmeticPen(circle.color, penWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(circle.x, circle.y), circle.radius, circle.radius);
  }
};

void paintText(const OverlayText& text, QPainter& painter, const QPointF& offset) {
  QFont font = painter.font();
  font.setPixelSize(std::max(1, static_cast<int>(text.fontPixels)));
  const QString content = QString::fromStdString(text.text);
  const double advance = QFontMetricsF(font).horizontalAdvance(content);
  if (advance > text.width) {
    font.setPixelSize(std::max(1, static_cast<int>(text.fontPixels * text.width / advance)));
  }
  painter.setFont(font);
  painter.setPen(toQColor(text.color));
  painter.drawText(QRectF(offset.x() + text.left, offset.y() + text.top, text.width, text.height),
                   text.leftAligned ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter, content);
}

}  // namespace

void paintPicture(const PictureBox& picture, QPainter& painter, const QRectF& target,
                  const PictureLayers& layers) {
  painter.save();
  painter.setClipRect(target);
  painter.fillRect(target, toQColor(picture.backColor()));
  painter.setRenderHint(QPainter::Antialiasing, true);
  const PixelArea area{target.left(), target.top(), target.width(), target.height()};
  const ShapePainter shapePainter{painter, layers.penWidth};
  for (const PixelShape& shape : pixelShapes(picture, area)) std::visit(shapePainter, shape);
  paintOverlay(operatingPointMarker(picture, target.width(), target.height(), layers.scale),
               painter, target);
  if (layers.axes) {
    paintOverlay(axesAndValues(picture, *layers.axes, target.width(), target.height(),
                               axesFontPixels(layers.scale)),
                 painter, target);
  }
  painter.restore();
}

void paintOverlay(const Overlay& overlay, QPainter& painter, const QRectF& target) {
  if (overlay.empty()) return;
  painter.save();
  painter.setClipRect(target);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  const QPointF offset = target.topLeft();
  for (const OverlayLine& line : overlay.lines) {
    QPen pen(toQColor(line.color));
    pen.setWidthF(line.width);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(offset + QPointF(line.x1, line.y1), offset + QPointF(line.x2, line.y2));
  }
  for (const OverlayText& text : overlay.texts) paintText(text, painter, offset);
  painter.restore();
}

namespace {
QImage pictureImage(const PictureBox& picture, int width, int height, const PictureLayers& layers) {
  QImage image(width, height, QImage::Format_RGB32);
  QPainter painter(&image);
  paintPicture(picture, painter, QRectF(0, 0, width, height), layers);
  return image;
}
}  // namespace

QByteArray picturePngBytes(const PictureBox& picture, int width, int height,
                           const PictureLayers& layers) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  pictureImage(picture, width, height, layers).save(&buffer, "PNG");
  return bytes;
}

QByteArray pictureSvgBytes(const PictureBox& picture, int width, int height,
                           const PictureLayers& layers) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(width, height));
    generator.setViewBox(QRect(0, 0, width, height));
    generator.setTitle(QStringLiteral("QEB-Vantrel"));
    QPainter painter(&generator);
    paintPicture(picture, painter, QRectF(0, 0, width, height), layers);
  }
  return bytes;
}

namespace {
// Written as the reports are: whole or not at all, never through a symbolic link.
QString writePictureFile(const QString& fileName, const QByteArray& bytes) {
  const std::filesystem::path path(QFile::encodeName(fileName).toStdString());
  if (bytes.isEmpty())
    return QString::fromStdString(reportFailureMessage(path, "nothing to write"));
  if (auto reason = replaceFile(path, std::string_view(bytes.constData(), bytes.size()))) {
    return QString::fromStdString(reportFailureMessage(path, *reason));
  }
  return {};
}
}  // namespace

QString savePicturePng(const PictureBox& picture, const QString& fileName, int width, int height,
                       const PictureLayers& layers) {
  return writePictureFile(fileName, picturePngBytes(picture, width, height, layers));
}

QString savePictureSvg(const PictureBox& picture, const QString& fileName, int width, int height,
                       const PictureLayers& layers) {
  return writePictureFile(fileName, pictureSvgBytes(picture, width, height, layers));
}

}  // namespace vantrel
