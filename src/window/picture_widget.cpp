#include "window/picture_widget.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <algorithm>

#include "render/picture_painter.h"
#include "window/picture_export.h"

namespace vantrel {

PictureWidget::PictureWidget(const QSize& designSize, QWidget* parent)
    : QWidget(parent), box_(kPictureBack), designSize_(designSize) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(kPictureBack.r, kPictureBack.g, kPictureBack.b));
  setPalette(palette);
  shownRevision_ = box_.revision();
}

void PictureWidget::refreshIfChanged() {
  if (box_.revision() == shownRevision_) return;
  shownRevision_ = box_.revision();
  update();
}

void PictureWidget::setAxesShown(bool shown) {
  if (axesShown_ == shown) return;
  axesShown_ = shown;
  update();
}

PictureLayers PictureWidget::layersFor(const QSize& size, bool withAxes) const {
  PictureLayers layers;
  // Text grows with the narrower way the area grows, so a wide, low area still has room for it.
  layers.scale = designSize_.width() > 0 && designSize_.height() > 0
                     ? std::min(double(size.width()) / designSize_.width(),
                                double(size.height()) / designSize_.height())
                     : 1.0;
  // Lines thicken with the picture, never thinner than a device pixel.
  layers.penWidth = std::max(1.0, layers.scale);
  if (withAxes) layers.axes = axesStyle_;
  return layers;
}

PictureLayers PictureWidget::layers() const {
  return layersFor(size(), axesShown_);
}

void PictureWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintPicture(box_, painter, QRectF(rect()), layers());
  // A thin sunken edge, drawn over the plot's outermost pixels, marks the area as the
  // original picture boxes' border did.
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawLine(0, 0, width() - 1, 0);
  painter.drawLine(0, 0, 0, height() - 1);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawLine(1, height() - 1, width() - 1, height() - 1);
  painter.drawLine(width() - 1, 1, width() - 1, height() - 1);
}

void PictureWidget::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction(QStringLiteral("Save Picture\u2026"), this, &PictureWidget::savePictureChosen);
  menu.addAction(QStringLiteral("Copy Picture"), this, &PictureWidget::copyPictureChosen);
  menu.exec(event->globalPos());
}

void PictureWidget::savePictureChosen() {
  const QString error = savePictureWithDialogs(
      this, box_, objectName(), exportSize(),
      [this](const QSize& size, bool withAxes) { return layersFor(size, withAxes); });
  if (!error.isEmpty()) emit messageRequested(error);
}

void PictureWidget::copyPictureChosen() {
  const QString error = copyPicture(box_, exportSize(), layersFor(exportSize(), axesShown_));
  if (!error.isEmpty()) emit messageRequested(error);
}

}  // namespace vantrel
