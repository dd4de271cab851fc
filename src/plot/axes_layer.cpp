#include "plot/axes_layer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <variant>

#include "surface/pixel_shapes.h"

namespace vantrel {
namespace {

constexpr Rgb kValueColor{0, 0, 0};
constexpr Rgb kTitleColor{0, 0, 128};
// The program's control font, 8.25 points, is 11 pixels high at the design size.
constexpr double kDesignFontPixels = 11.0;
// Text boxes are this much taller than the font, for the descenders.
constexpr double kLineFactor = 1.3;

// Whether the segment has a point inside the box (Liang-Barsky clipping).
bool crosses(const PixelBox& box, const PixelLine& line) {
  double enter = 0, leave = 1;
  const double dx = line.x2 - line.x1, dy = line.y2 - line.y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {line.x1 - box.left, box.right - line.x1, line.y1 - box.top,
                       box.bottom - line.y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      enter = std::max(enter, t);
    } else {
      leave = std::min(leave, t);
    }
  }
  return enter <= leave;
}

struct Layout {
  double width;
  double height;
  double font;
  std::vector<PixelBox> blocked;  // covered parts and the operating point
  std::vector<PixelLine> lines;   // the picture's own lines that no text may cross
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
    for (const PixelLine& line : lines) {
      if (crosses(spaced, line)) return false;
    }
    for (const OverlayText& text : overlay.texts) {
      if (spaced.overlaps({text.left, text.top, text.right(), text.bottom()})) return false;
    }
    return true;
  }

  // Places the text when its box is free; returns whether it was placed.
  bool place(const std::string& text, double left, double top, Rgb color) {
    return placeIn(text, left, top, textWidthBound(text, font), color);
  }
  bool placeIn(const std::string& text, double left, double top, double textWidth, Rgb color) {
    const PixelBox box{left, top, left + textWidth, top + lineHeight()};
    if (!fits(box)) return false;
    overlay.texts.push_back({left, top, textWidth, lineHeight(), font, text, color, false});
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
  const double tick = style.logarithmic ? 0 : layout.tickLength();
  const double valuesRow = style.xValuesAtTop ? tick + 1 : layout.height - tick - 1 - line;
  const double xTitleWidth = textWidthBound(style.xTitle, layout.font);
  for (double right = layout.width - layout.gap(); right - xTitleWidth > layout.width / 3;
       right -= layout.font) {
    if (layout.place(style.xTitle, right - xTitleWidth, valuesRow, kTitleColor)) break;
  }
  // Near the top left corner, or further right where a line of the picture runs there.
  const double yTitleWidth = textWidthBound(style.yTitle, layout.font);
  bool placed = false;
  for (double top = layout.gap(); !placed && top + line < layout.height * 2 / 3; top += line / 2) {
    for (double left = tick + layout.gap();
         !placed && left + yTitleWidth < layout.width - layout.gap(); left += layout.font) {
      placed = layout.place(style.yTitle, left, top, kTitleColor);
    }
  }
}

// A tick's place along its axis and the text of its value.
struct Tick {
  double at;
  std::string text;
};

std::vector<Tick> linearTicks(double low, double high, double span, double room) {
  const TickValues values = tickValues(low, high, span, room);
  std::vector<Tick> ticks;
  for (double value : values.values) ticks.push_back({value, valueText(value, values.decimals)});
  return ticks;
}

std::string superscript(int exponent) {
  static const char* const digits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
  std::string text = exponent < 0 ? "⁻" : "";
  for (char digit : std::to_string(std::abs(exponent))) text += digits[digit - '0'];
  return text;
}

// 10^exponent as a reader writes it: 1, 10, 100 … up to 100000 where `plain`, else 10 with a
// raised exponent.
std::string powerOfTen(int exponent, bool plain) {
  if (exponent == 0) return "1";
  if (exponent == 1) return "10";
  if (plain && exponent > 0 && exponent <= 5) return "1" + std::string(exponent, '0');
  return "10" + superscript(exponent);
}

// The powers of ten over [low, high] of a log10 axis; where fewer than three fall inside, on a
// plain axis, 2 and 5 times them too.
std::vector<Tick> decadeTicks(double low, double high, bool plain) {
  std::vector<Tick> ticks;
  if (!(high - low < 60)) return ticks;
  const int first = static_cast<int>(std::ceil(low - 1e-9));
  const int last = static_cast<int>(std::floor(high + 1e-9));
  const bool between = plain && last - first < 2;
  for (int decade = first - 1; decade <= last; ++decade) {
    if (decade >= first) ticks.push_back({double(decade), powerOfTen(decade, plain)});
    if (!between || decade < 0) continue;
    for (int k : {2, 5}) {
      const double at = decade + std::log10(k);
      if (at >= low && at <= high) {
        ticks.push_back({at, std::to_string(k) + std::string(decade, '0')});
      }
    }
  }
  std::sort(ticks.begin(), ticks.end(), [](const Tick& a, const Tick& b) { return a.at < b.at; });
  return ticks;
}

void placeXValues(Layout& layout, const PixelMapping& mapping, const ScaleOp& scale,
                  const AxesStyle& style) {
  const double low = std::min(scale.x1, scale.x2);
  const double high = std::max(scale.x1, scale.x2);
  const std::vector<Tick> ticks =
      style.logarithmic ? decadeTicks(low, high, true)
                        : linearTicks(low, high, layout.width, roomFor(low, high, layout.font));
  const double tick = style.logarithmic ? 0 : layout.tickLength();
  const double top = style.xValuesAtTop ? tick + 1 : layout.height - tick - 1 - layout.lineHeight();
  for (const Tick& value : ticks) {
    const double column = mapping.column(value.at);
    const double textWidth = textWidthBound(value.text, layout.font);
    // Under its tick, or beside it where a line of the picture would strike it there; where an
    // axis runs along the edge, one row further in.
    const double clear = layout.gap() + 1;
    const double inward = (style.xValuesAtTop ? 1 : -1) * (layout.lineHeight() + clear);
    bool placed = false;
    for (double row : {top, top + inward}) {
      for (double left : {column - textWidth / 2, column + clear, column - clear - textWidth}) {
        placed = placed || layout.place(value.text, left, row, kValueColor);
      }
    }
    if (style.logarithmic) continue;
    if (style.xValuesAtTop) {
      layout.tick(column, 0, column, tick);
    } else {
      layout.tick(column, layout.height, column, layout.height - tick);
    }
  }
}

void placeYValues(Layout& layout, const PixelMapping& mapping, const ScaleOp& scale,
                  const AxesStyle& style) {
  const double low = std::min(scale.y1, scale.y2);
  const double high = std::max(scale.y1, scale.y2);
  const std::vector<Tick> ticks =
      style.logarithmic ? decadeTicks(low, high, false)
                        : linearTicks(low, high, layout.height, 2.0 * layout.lineHeight());
  const double tick = style.logarithmic ? 0 : layout.tickLength();
  const double line = layout.lineHeight();
  for (const Tick& value : ticks) {
    const double row = mapping.row(value.at);
    // Beside its tick, or just above or below it where a line of the picture would strike it.
    const double clear = layout.gap() + 1;
    for (double top : {row - line / 2, row - clear - line, row + clear}) {
      if (layout.place(value.text, tick + layout.gap(), top, kValueColor)) break;
    }
    if (!style.logarithmic) layout.tick(0, row, tick, row);
  }
}

// Two entries a row in a band along the top: a stroke of the curve's colour, then its text.
void placeLegend(Layout& layout, const AxesStyle& style) {
  if (style.legend.empty()) return;
  const double gap = layout.gap();
  const double start = style.legendIndent * layout.width;
  const double column = (layout.width - start - gap) / 2;
  const double stroke = 1.5 * layout.font;
  const double line = layout.lineHeight();
  for (std::size_t i = 0; i < style.legend.size(); ++i) {
    const LegendEntry& entry = style.legend[i];
    const double left = start + static_cast<double>(i % 2) * column;
    const double top = gap + static_cast<double>(i / 2) * line;
    const double textLeft = left + stroke + gap;
    const double room = left + column - gap - textLeft;
    if (room <= 0) continue;
    const double textWidth = std::min(textWidthBound(entry.text, layout.font), room);
    layout.overlay.texts.push_back(
        {textLeft, top, textWidth, line, layout.font, entry.text, kValueColor, true});
    layout.overlay.lines.push_back(
        {left, top + line / 2, left + stroke, top + line / 2, entry.color, 2 * layout.penWidth()});
    layout.blocked.push_back({left, top, left + stroke, top + line});
  }
}

// The picture's lines in pixels, but for the grey grid that values may lie on.
std::vector<PixelLine> linesToKeepClear(const PictureBox& picture, double width, double height) {
  std::vector<PixelLine> lines;
  for (const PixelShape& shape : pixelShapes(picture, {0, 0, width, height})) {
    const auto* line = std::get_if<PixelLine>(&shape);
    if (line != nullptr && !(line->color == kGrey)) lines.push_back(*line);
  }
  return lines;
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
      return {"x/c", "y/c", true, {{0.0, 0.79, 1.0, 1.0}}, false, {}, 0.0};
    case Picture::Picture_Camber:
      // The legend runs along the top.
      return {"x/c", "y/c", false, {{0.0, 0.0, 1.0, 0.11}}, false, {}, 0.0};
    case Picture::Picture_Load:
      return {"x/c", "load", false, {}, false, {}, 0.0};
    case Picture::Picture_Cmx:
      return {"α (deg)", "Cm about xM/c", false, {}, false, {}, 0.0};
    case Picture::Picture_CL:
      return {"α (deg)", "CL", false, {}, false, {}, 0.0};
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
  Layout layout{width, height, fontPixels, {}, {}, Overlay{width, height, {}, {}}};
  const Drawn drawn = drawnOf(picture);
  if (picture.operations().empty() || !drawn.scale) return layout.overlay;
  const auto mapping = PixelMapping::from(*drawn.scale, width, height);
  if (!mapping) return layout.overlay;
  for (const PixelBox& part : style.coveredFractions) {
    layout.blocked.push_back(
        {part.left * width, part.top * height, part.right * width, part.bottom * height});
  }
  if (auto circle = operatingPointBox(picture, width, height)) layout.blocked.push_back(*circle);
  layout.lines = linesToKeepClear(picture, width, height);
  placeLegend(layout, style);
  placeTitles(layout, style);
  placeXValues(layout, *mapping, *drawn.scale, style);
  placeYValues(layout, *mapping, *drawn.scale, style);
  return layout.overlay;
}

}  // namespace vantrel
