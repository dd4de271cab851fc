#include "render/picture_painter.h"

#include <QBuffer>
#include <QColor>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <optional>

#include "plot/edge_marker.h"
#include "plot/overlay.h"
#include "plot/picture_box.h"

namespace vantrel {
namespace {

QColor toQColor(Rgb rgb) {
  return QColor(rgb.r, rgb.g, rgb.b);
}

bool finitePoint(double x, double y) {
  return std::isfinite(x) && std::isfinite(y);
}

class Replay {
 public:
  Replay(const PictureBox& picture, QPainter& painter, const QRectF& target, double penWidth)
      : picture_(picture), painter_(painter), target_(target), penWidth_(penWidth) {
    if (picture.scaleAtCls()) useScale(*picture.scaleAtCls());
  }

  void operator()(const ScaleOp& scale) { useScale(scale); }

  void operator()(const LineOp& line) {
    if (!mapping_) return;
    const QPointF from = map(line.x1, line.y1);
    const QPointF to = map(line.x2, line.y2);
    if (!finitePoint(from.x(), from.y()) || !finitePoint(to.x(), to.y())) return;
    painter_.setPen(pen(line.color.value_or(picture_.foreColor())));
    painter_.drawLine(from, to);
  }

  void operator()(const CircleOp& circle) {
    if (!mapping_) return;
    const QPointF centre = map(circle.x, circle.y);
    const double radius = mapping_->radiusInPixels(circle.r);
    if (!finitePoint(centre.x(), centre.y()) || !std::isfinite(radius)) return;
    painter_.setPen(pen(circle.color));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(centre, radius, radius);
  }

 private:
  void useScale(const ScaleOp& scale) {
    mapping_ = PixelMapping::from(scale, target_.width(), target_.height());
  }
  QPointF map(double x, double y) const {
    return {target_.left() + mapping_->column(x), target_.top() + mapping_->row(y)};
  }
  QPen pen(Rgb color) const {
    QPen pen(toQColor(color));
    pen.setCosmetic(true);
    pen.setWidthF(penWidth_);
    return pen;
  }

  const PictureBox& picture_;
  QPainter& painter_;
  QRectF target_;
  double penWidth_;
  std::optional<PixelMapping> mapping_;
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
                   Qt::AlignCenter, content);
}

}  // namespace

void paintPicture(const PictureBox& picture, QPainter& painter, const QRectF& target,
                  const PictureLayers& layers) {
  painter.save();
  painter.setClipRect(target);
  painter.fillRect(target, toQColor(picture.backColor()));
  painter.setRenderHint(QPainter::Antialiasing, true);
  Replay replay(picture, painter, target, layers.penWidth);
  for (const PlotOp& operation : picture.operations()) std::visit(replay, operation);
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

QString savePicturePng(const PictureBox& picture, const QString& fileName, int width, int height,
                       const PictureLayers& layers) {
  QImage image(width, height, QImage::Format_RGB32);
  {
    QPainter painter(&image);
    paintPicture(picture, painter, QRectF(0, 0, width, height), layers);
  }
  if (!image.save(fileName, "PNG")) {
    return QStringLiteral("Could not write \"%1\".").arg(QFileInfo(fileName).fileName());
  }
  return {};
}

QString savePictureSvg(const PictureBox& picture, const QString& fileName, int width, int height,
                       const PictureLayers& layers) {
  QSvgGenerator generator;
  generator.setFileName(fileName);
  generator.setSize(QSize(width, height));
  generator.setViewBox(QRect(0, 0, width, height));
  generator.setTitle(QStringLiteral("QEB-Vantrel"));
  QPainter painter;
  if (!painter.begin(&generator)) {
    return QStringLiteral("Could not write \"%1\".").arg(QFileInfo(fileName).fileName());
  }
  paintPicture(picture, painter, QRectF(0, 0, width, height), layers);
  painter.end();
  return {};
}

}  // namespace vantrel
