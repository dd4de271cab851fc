#pragma once

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace vantrel {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kGrey{200, 200, 200};
inline constexpr Rgb kPictureBack{255, 255, 192};

struct ScaleOp {
  double x1, y1, x2, y2;
};
// Line and circle coordinates are kept in single precision, as the drawing surface receives them.
struct LineOp {
  float x1, y1, x2, y2;
  std::optional<Rgb> color;  // none: the foreground colour
};
struct CircleOp {
  float x, y, r;
  Rgb color;
};
using PlotOp = std::variant<ScaleOp, LineOp, CircleOp>;

// A picture area as a display list. Cls empties the list and keeps the coordinate system;
// whatever paints the area (window, PNG, SVG) replays the list.
class PictureBox {
 public:
  PictureBox() = default;
  explicit PictureBox(Rgb backColor) : backColor_(backColor) {}

  void Cls();
  void Scale(double x1, double y1, double x2, double y2);
  void Line(double x1, double y1, double x2, double y2);
  void Line(double x1, double y1, double x2, double y2, Rgb color);
  void Circle(double x, double y, double radius, Rgb color);

  const std::vector<PlotOp>& operations() const { return operations_; }
  // The coordinate system in effect when the list was last emptied.
  const std::optional<ScaleOp>& scaleAtCls() const { return scaleAtCls_; }
  const std::optional<ScaleOp>& currentScale() const { return currentScale_; }
  Rgb backColor() const { return backColor_; }
  Rgb foreColor() const { return kBlack; }
  // Grows with every change, so a view knows when to repaint.
  unsigned long revision() const { return revision_; }

 private:
  Rgb backColor_ = kPictureBack;
  std::vector<PlotOp> operations_;
  std::optional<ScaleOp> scaleAtCls_;
  std::optional<ScaleOp> currentScale_;
  unsigned long revision_ = 0;
};

// Maps user coordinates of a Scale into a pixel rectangle of the given size.
class PixelMapping {
 public:
  // None when the scale defines no mapping (x1 = x2 or y1 = y2, or not finite).
  static std::optional<PixelMapping> from(const ScaleOp& scale, double width, double height);

  double column(double x) const { return (x - x1_) * columnsPerUnit_; }
  double row(double y) const { return (y - y1_) * rowsPerUnit_; }
  // A circle radius is in units of the x axis.
  double radiusInPixels(double r) const;

 private:
  double x1_ = 0, y1_ = 0, columnsPerUnit_ = 1, rowsPerUnit_ = 1;
};

}  // namespace vantrel
