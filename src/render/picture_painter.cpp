#include "render/picture_painter.h"

#include <QColor>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QSvgGenerator>

#include "plot/picture_box.h"
#include "plot/pixel_shapes.h"

namespace vantrel {
namespace {

QColor toQColor(Rgb rgb) {
  return QColor(rgb.r, rgb.g, rgb.b);
}

QPen cosmeticPen(Rgb color) {
  QPen pen(toQColor(color));
  pen.setCosmetic(true);
  pen.setWidth(1);
  return pen;
}

struct ShapePainter {
  QPainter& painter;

  void operator()(const PixelLine& line) const {
    painter.setPen(cosmeticPen(line.color));
    painter.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
  }
  void operator()(const PixelCircle& circle) const {
    painter.setPen(cosmeticPen(circle.color));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(circle.x, circle.y), circle.radius, circle.radius);
  }
};

}  // namespace

void paintPicture(const PictureBox& picture, QPainter& painter, const QRectF& target) {
  painter.save();
  painter.setClipRect(target);
  painter.fillRect(target, toQColor(picture.backColor()));
  painter.setRenderHint(QPainter::Antialiasing, true);
  const PixelArea area{target.left(), target.top(), target.width(), target.height()};
  const ShapePainter shapePainter{painter};
  for (const PixelShape& shape : pixelShapes(picture, area)) std::visit(shapePainter, shape);
  painter.restore();
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
