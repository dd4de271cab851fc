#include "render/picture_painter.h"

#include <QBuffer>
#include <QColor>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QSvgGenerator>
#include <cmath>
#include <optional>

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
  Replay(const PictureBox& picture, QPainter& painter, const QRectF& target)
      : picture_(picture), painter_(painter), target_(target) {
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
  static QPen pen(Rgb color) {
    QPen pen(toQColor(color));
    pen.setCosmetic(true);
    pen.setWidth(1);
    return pen;
  }

  const PictureBox& picture_;
  QPainter& painter_;
  QRectF target_;
  std::optional<PixelMapping> mapping_;
};

}  // namespace

void paintPicture(const PictureBox& picture, QPainter& painter, const QRectF& target) {
  painter.save();
  painter.setClipRect(target);
  painter.fillRect(target, toQColor(picture.backColor()));
  painter.setRenderHint(QPainter::Antialiasing, true);
  Replay replay(picture, painter, target);
  for (const PlotOp& operation : picture.operations()) std::visit(replay, operation);
  painter.restore();
}

namespace {
QImage pictureImage(const PictureBox& picture, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  QPainter painter(&image);
  paintPicture(picture, painter, QRectF(0, 0, width, height));
  return image;
}
}  // namespace

QByteArray picturePngBytes(const PictureBox& picture, int width, int height) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  pictureImage(picture, width, height).save(&buffer, "PNG");
  return bytes;
}

QByteArray pictureSvgBytes(const PictureBox& picture, int width, int height) {
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
    paintPicture(picture, painter, QRectF(0, 0, width, height));
  }
  return bytes;
}

QString savePicturePng(const PictureBox& picture, const QString& fileName, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  {
    QPainter painter(&image);
    paintPicture(picture, painter, QRectF(0, 0, width, height));
  }
  if (!image.save(fileName, "PNG")) {
    return QStringLiteral("Could not write \"%1\".").arg(QFileInfo(fileName).fileName());
  }
  return {};
}

QString savePictureSvg(const PictureBox& picture, const QString& fileName, int width, int height) {
  QSvgGenerator generator;
  generator.setFileName(fileName);
  generator.setSize(QSize(width, height));
  generator.setViewBox(QRect(0, 0, width, height));
  generator.setTitle(QStringLiteral("QEB-Vantrel"));
  QPainter painter;
  if (!painter.begin(&generator)) {
    return QStringLiteral("Could not write \"%1\".").arg(QFileInfo(fileName).fileName());
  }
  paintPicture(picture, painter, QRectF(0, 0, width, height));
  painter.end();
  return {};
}

}  // namespace vantrel
