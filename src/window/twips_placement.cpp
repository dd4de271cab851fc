#include "window/twips_placement.h"

#include <QAbstractButton>
#include <QLabel>
#include <algorithm>
#include <cmath>

namespace vantrel {
namespace {

int toPixels(int twips, double scale) {
  return static_cast<int>(std::lround(twips * scale / TwipsPlacement::kTwipsPerPixel));
}

bool holdsOneLineOfText(const QWidget* widget) {
  if (const auto* label = qobject_cast<const QLabel*>(widget)) return !label->wordWrap();
  return qobject_cast<const QAbstractButton*>(widget) != nullptr;
}

// The design's widths were measured with a narrow system font; where the font at hand runs wider,
// the text is set a little smaller rather than cut off. A twentieth of the width is kept free:
// a neighbour may overlap the end of a label by design (the degree beside its legend).
void setFontToFit(QWidget* widget, QFont font) {
  widget->setFont(font);
  if (!holdsOneLineOfText(widget)) return;
  constexpr double kSmallestShare = 0.7;
  const double largest = font.pointSizeF();
  for (int attempt = 0; attempt < 4; ++attempt) {
    const int needed = widget->sizeHint().width();
    const double room = 0.95 * widget->width();
    if (needed <= room || font.pointSizeF() <= largest * kSmallestShare) return;
    const double share = std::max(0.9, room / needed);
    font.setPointSizeF(std::max(largest * kSmallestShare, font.pointSizeF() * share));
    widget->setFont(font);
  }
}

}  // namespace

TwipsPlacement::TwipsPlacement(int widthTwips, int heightTwips)
    : widthTwips_(widthTwips), heightTwips_(heightTwips) {}

void TwipsPlacement::place(QWidget* widget, const QRect& twips, double pointSize, bool onSurface) {
  QFont font = widget->font();
  font.setPointSizeF(pointSize);
  widget->setFont(font);
  placed_.push_back({widget, twips, font, pointSize, onSurface});
  widget->setGeometry(QRect(QPoint(toPixels(twips.left(), scale_), toPixels(twips.top(), scale_)),
                            pixelsOf(twips.size())));
}

QSize TwipsPlacement::designSize() const {
  return pixelsOf(QSize(widthTwips_, heightTwips_));
}

QSize TwipsPlacement::pixelsOf(const QSize& twips) {
  return {toPixels(twips.width(), 1.0), toPixels(twips.height(), 1.0)};
}

void TwipsPlacement::apply(const QSize& surfaceSize) {
  const QSize design = designSize();
  scale_ = std::max(1e-3, std::min(double(surfaceSize.width()) / design.width(),
                                   double(surfaceSize.height()) / design.height()));
  const int offsetX =
      std::max(0, (surfaceSize.width() - int(std::lround(design.width() * scale_))) / 2);
  const int offsetY =
      std::max(0, (surfaceSize.height() - int(std::lround(design.height() * scale_))) / 2);
  for (Placed& item : placed_) {
    if (!item.widget) continue;
    // Edges are rounded, not sizes, so neighbouring controls stay flush at any scale.
    const int left = toPixels(item.twips.left(), scale_);
    const int top = toPixels(item.twips.top(), scale_);
    const int right = toPixels(item.twips.left() + item.twips.width(), scale_);
    const int bottom = toPixels(item.twips.top() + item.twips.height(), scale_);
    QRect geometry(left, top, right - left, bottom - top);
    if (item.onSurface) geometry.translate(offsetX, offsetY);
    item.widget->setGeometry(geometry);
    QFont font = item.font;
    font.setPointSizeF(item.pointSize * scale_);
    setFontToFit(item.widget, font);
  }
}

}  // namespace vantrel
