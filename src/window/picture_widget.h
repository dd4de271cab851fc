#pragma once

#include <QSize>
#include <QWidget>

#include "plot/axes_layer.h"
#include "render/picture_painter.h"
#include "surface/picture_box.h"

namespace vantrel {

// A picture area on screen: holds its display list and paints it at the screen's own resolution
// whenever asked, so a plot stays sharp and survives being covered. A right click offers to save
// or copy the picture.
class PictureWidget : public QWidget {
  Q_OBJECT

 public:
  // `designSize` is the area's size in pixels at the window's default size.
  PictureWidget(const QSize& designSize, QWidget* parent);

  PictureBox& box() { return box_; }
  const PictureBox& box() const { return box_; }
  // Schedules a repaint when the display list has changed since the last one.
  void refreshIfChanged();
  // Size of saved and copied pictures unless the user picks another: four times the design size.
  QSize exportSize() const { return designSize_ * 4; }

  void setAxesStyle(const AxesStyle& style) { axesStyle_ = style; }
  void setAxesShown(bool shown);
  bool axesShown() const { return axesShown_; }
  // What the area shows over its display list at its present size.
  PictureLayers layers() const;
  // The same for a picture of `size` pixels, with or without axes.
  PictureLayers layersFor(const QSize& size, bool withAxes) const;

 signals:
  void messageRequested(const QString& message);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void savePictureChosen();
  void copyPictureChosen();

  PictureBox box_;
  QSize designSize_;
  AxesStyle axesStyle_;
  bool axesShown_ = false;
  unsigned long shownRevision_ = 0;
};

}  // namespace vantrel
