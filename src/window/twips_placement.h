#pragma once

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <vector>

namespace vantrel {

// Positions widgets from their twip rectangles and keeps the whole arrangement in proportion when
// the surface grows: one uniform factor for geometry and fonts, so plots keep their aspect ratio.
class TwipsPlacement {
 public:
  static constexpr double kTwipsPerPixel = 15.0;

  // The surface's design size in twips.
  TwipsPlacement(int widthTwips, int heightTwips);

  // `twips` is relative to the widget's parent; widgets lying directly on the surface are centred
  // with it when the surface's proportions differ from the design.
  void place(QWidget* widget, const QRect& twips, double pointSize, bool onSurface);
  void apply(const QSize& surfaceSize);

  QSize designSize() const;
  double scale() const { return scale_; }

  static QSize pixelsOf(const QSize& twips);

 private:
  struct Placed {
    QPointer<QWidget> widget;
    QRect twips;
    QFont font;
    double pointSize;
    bool onSurface;
  };

  int widthTwips_;
  int heightTwips_;
  double scale_ = 1.0;
  std::vector<Placed> placed_;
};

}  // namespace vantrel
