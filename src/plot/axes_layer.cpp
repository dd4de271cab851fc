#include "plot/axes_layer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <variant>

namespace vantrel {
namespace {

constexpr Rgb kValueColor{0, 0, 0};
constexpr Rgb kTitleColor{0, 0, 128};
// The program's control font, 8.25 points, is 11 pixels high at the design size.
constexpr double kDesignFontPixels = 11.0;
// Text boxes are this much taller than the font, for the descenders.
constexpr double kLineFactor = 1.3;

struct Layout {
  double width;
  double height;
  double font;
  std::vector<PixelBox> blocked;  // covered parts and the operating point
  Overlay overlay;

  double tickLength() const { return std::max(3.0, 0.45 * font); }
  double gap() const { return std::max(2.0, 0.3 * font); }
  double lineHeight() const { return kLineFactor * font; }
  double penWidth() const { return std::max(1.0, font / kDesignFontPixels); }

  bool fits(const PixelBox& box) const {
    if (box.left < 0 || box.top < 0 || box.right > width || box.bottom > height) return false;
    const double gap = this->gap();
    const PixelBox spaced{box.left - gap, box.top - gap, box.right + gap, box.bottom + gap};
    for (const PixelBox& other : blocked) {
      if (spaced.overlaps(other)) return false;
    }
    for (const OverlayText& text : overlay.texts) {
      if (spaced.overlaps({text.left, text.top, text.right(), text.bottom()})) return false;
    }
    return true;
  }

  // Places the text when its box is free; returns whether it was placed.
  bool place(const std::string& text, double left, double top, Rgb color) {
    const double textWidth = textWidthBound(text, font);
    const PixelBox box{left, top, left + textWidth, top + lineHeight()};
    if (!fits(box)) return false;
    overlay.texts.push_back({left, top, textWidth, lineHeight(), font, text, color});
    return true;
  }

  void tick(double x1, double y1, double x2, double y2) {
    overlay.lines.push_back({x1, y1, x2, y2, kValueColor, penWidth()});
  }
};

// The scale the list's last drawing was made in, and the operating point's circle in it.
struct Drawn {
  std::optional<ScaleOp> scale;
  std::optional<ScaleOp> circleScale;
  std::optional<CircleOp> circle;
};

Drawn drawnOf(const PictureBox& picture) {
  Drawn drawn;
  drawn.scale = picture.scaleAtCls();
  for (const PlotOp& operation : picture.operations()) {
    if (const auto* scale = std::get_if<ScaleOp>(&operation)) drawn.scale = *scale;
    if (const auto* circle = std::get_if<CircleOp>(&operation)) {
      drawn.circle = *circle;
      drawn.circleScale = drawn.scale;
    }
  }
  return drawn;
}

double niceStep(double roughStep) {
  const double power = std::pow(10.0, std::floor(std::log10(roughStep)));
  const double fraction = roughStep / power;
  const double nice = fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10;
  return nice * power;
}

int decimalsOf(double step) {
  return std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
}

std::string valueText(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  std::string result(text);
  // A value that rounds to zero is shown without a sign.
  if (result.find_first_not_of("-0.") == std::string::npos && result.front() == '-') {
    result.erase(0, 1);
  }
  return result;
}

struct TickValues {
  std::vector<double> values;
  int decimals = 0;
};

// Round values over [low, high], about one per `room` pixels of a `span`-pixel axis.
TickValues tickValues(double low, double high, double span, double room) {
  TickValues ticks;
  const double count = std::max(1.0, std::floor(span / room));
  const double step = niceStep((high - low) / count);
  if (!std::isfinite(step) || step <= 0) return ticks;
  ticks.decimals = decimalsOf(step);
  for (double k = std::ceil(low / step); k * step <= high && ticks.values.size() < 100; ++k) {
    ticks.values.push_back(k * step);
  }
  return ticks;
}

// Pixels one value takes with the space after it: the wider end of the axis at about ten values.
double roomFor(double low, double high, double font) {
  const TickValues rough = tickValues(low, high, 10, 1);
  double widest = 0;
  for (double value : {low, high}) {
    widest = std::max(widest, textWidthBound(valueText(value, rough.decimals), font));
  }
  return widest + font;
}

void placeTitles(Layout& layout, const AxesStyle& style) {
  const double line = layout.lineHeight();
  const double valuesRow =
      style.xValuesAtTop ? layout.tickLength() + 1 : layout.height - layout.tickLength() - 1 - line;
  const double xTitleWidth = textWidthBound(style.xTitle, layout.font);
  for (double right = layout.width - layout.gap(); right - xTitleWidth > layout.width / 3;
       right -= layout.font) {
    if (layout.place(style.xTitle, right - xTitleWidth, valuesRow, kTitleColor)) break;
  }
  const double left = layout.tickLength() + layout.gap();
  for (double top = layout.gap(); top + line < layout.height * 2 / 3; top += line / 2) {
    if (layout.place(style.yTitle, left, top, kTitleColor)) break;
  }
}

void placeXValues(Layout& layout, const PixelMapping& mapping, const ScaleOp& scale, bool atTop) {
  const double low = std::min(scale.x1, scale.x2);
  const double high = std::max(scale.x1, scale.x2);
  const TickValues ticks = tickValues(low, high, layout.width, roomFor(low, high, layout.font));
  const double tick = layout.tickLength();
  for (double value : ticks.values) {
    const double column = mapping.column(value);
    const std::string text = valueText(value, ticks.decimals);
    const double textWidth = textWidthBound(text, layout.font);
    const double top = atTop ? tick + 1 : layout.height - tick - 1 - layout.lineHeight();
    layout.place(text, column - textWidth / 2, top, kValueColor);
    if (atTop) {
      layout.tick(column, 0, column, tick);
    } else {
      layout.tick(column, layout.height, column, layout.height - tick);
    }
  }
}

void placeYValues(Layout& layout, const PixelMapping& mapping, const ScaleOp& scale) {
  const double low = std::min(scale.y1, scale.y2);
  const double high = std::max(scale.y1, scale.y2);
  const TickValues ticks = tickValues(low, high, layout.height, 2.0 * layout.lineHeight());
  const double tick = layout.tickLength();
  for (double value : ticks.values) {
    const double row = mapping.row(value);
    layout.place(valueText(value, ticks.decimals), tick + layout.gap(),
                 row - layout.lineHeight() / 2, kValueColor);
    layout.tick(0, row, tick, row);
  }
}

bool isNarrow(char32_t c) {
  return c == U'.' || c == U',' || c == U':' || c == U';' || c == U'i' || c == U'l' || c == U'j' ||
         c == U'|' || c == U'\'' || c == U'!' || c == U'/' || c == U'(' || c == U')' || c == U'-' ||
         c == U' ' || c == U't' || c == U'f' || c == U'r';
}

bool isWide(char32_t c) {
  return c == U'm' || c == U'w' || c == U'M' || c == U'W' || c == U'%' || c == U'@';
}

}  // namespace

AxesStyle axesStyleOf(Picture picture) {
  switch (picture) {
    case Picture::Picture_Airfoil:
      // The airfoil's name runs along the bottom.
      return {"x/c", "y/c", true, {{0.0, 0.79, 1.0, 1.0}}};
    case Picture::Picture_Camber:
      // The legend runs along the top.
      return {"x/c", "y/c", false, {{0.0, 0.0, 1.0, 0.11}}};
    case Picture::Picture_Load:
      return {"x/c", "load", false, {}};
    case Picture::Picture_Cmx:
      return {"α (deg)", "Cm about xM/c", false, {}};
    case Picture::Picture_CL:
      return {"α (deg)", "CL", false, {}};
  }
  return {};
}

double axesFontPixels(double scale) {
  return kDesignFontPixels * scale;
}

double textWidthBound(std::string_view utf8, double fontPixels) {
  double ems = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    const char32_t c = length == 1 ? lead : 0x100;
    ems += isNarrow(c) ? 0.42 : isWide(c) ? 1.0 : (c >= U'A' && c <= U'Z') ? 0.8 : 0.68;
    i += length;
  }
  return ems * fontPixels;
}

std::optional<PixelBox> operatingPointBox(const PictureBox& picture, double width, double height) {
  const Drawn drawn = drawnOf(picture);
  if (!drawn.circle || !drawn.circleScale) return std::nullopt;
  const auto mapping = PixelMapping::from(*drawn.circleScale, width, height);
  if (!mapping) return std::nullopt;
  const double x = mapping->column(drawn.circle->x);
  const double y = mapping->row(drawn.circle->y);
  const double r = mapping->radiusInPixels(drawn.circle->r);
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(r)) return std::nullopt;
  return PixelBox{x - r, y - r, x + r, y + r};
}

Overlay axesAndValues(const PictureBox& picture, const AxesStyle& style, double width,
                      double height, double fontPixels) {
  Layout layout{width, height, fontPixels, {}, Overlay{width, height, {}, {}}};
  const Drawn drawn = drawnOf(picture);
  if (picture.operations().empty() || !drawn.scale) return layout.overlay;
  const auto mapping = PixelMapping::from(*drawn.scale, width, height);
  if (!mapping) return layout.overlay;
  for (const PixelBox& part : style.coveredFractions) {
    layout.blocked.push_back(
        {part.left * width, part.top * height, part.right * width, part.bottom * height});
  }
  if (auto circle = operatingPointBox(picture, width, height)) layout.blocked.push_back(*circle);
  placeTitles(layout, style);
  placeXValues(layout, *mapping, *drawn.scale, style.xValuesAtTop);
  placeYValues(layout, *mapping, *drawn.scale);
  return layout.overlay;
}

}  // namespace vantrel
