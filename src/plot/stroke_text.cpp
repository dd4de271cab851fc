#include "plot/stroke_text.h"

#include <cstdint>

namespace vantrel {
namespace {

// Seven segments: a top, b upper right, c lower right, d bottom, e lower left, f upper left,
// g middle; bit 0 is a.
enum Segment : std::uint8_t { a = 1, b = 2, c = 4, d = 8, e = 16, f = 32, g = 64 };

std::uint8_t segmentsOf(char character) {
  switch (character) {
    case '0':
      return a | b | c | d | e | f;
    case '2':
      return a | b | g | e | d;
    case '3':
      return a | b | g | c | d;
    case '4':
      return f | g | b | c;
    case '5':
      return a | f | g | c | d;
    case '6':
      return a | f | g | e | c | d;
    case '7':
      return a | b | c;
    case '8':
      return a | b | c | d | e | f | g;
    case '9':
      return a | b | c | d | f | g;
    case '-':
      return g;
    case 'e':
      return a | b | d | e | f | g;
    default:
      return 0;
  }
}

// One character in the cell from (x, y) (lower left) of the font's size; the glyph takes 60% of
// the cell's width, the rest is the gap to the next.
void drawCharacter(PictureBox& picture, char character, double x, double y, const StrokeFont& font,
                   Rgb color) {
  const double left = x, right = x + 0.6 * font.width;
  const double bottom = y, middle = y + font.height / 2, top = y + font.height;
  if (character == '.') {
    picture.Line(left + 0.2 * font.width, bottom, left + 0.3 * font.width, bottom, color);
    return;
  }
  if (character == '|' || character == '1') {
    // A "1" stands close to the digit after it, as in "10".
    const double at = left + (character == '1' ? 0.5 : 0.3) * font.width;
    picture.Line(at, bottom, at, top, color);
    return;
  }
  if (character == 'N') {
    picture.Line(left, bottom, left, top, color);
    picture.Line(left, top, right, bottom, color);
    picture.Line(right, bottom, right, top, color);
    return;
  }
  const std::uint8_t segments = segmentsOf(character);
  const auto draw = [&](Segment segment, double x1, double y1, double x2, double y2) {
    if (segments & segment) picture.Line(x1, y1, x2, y2, color);
  };
  draw(a, left, top, right, top);
  draw(b, right, top, right, middle);
  draw(c, right, middle, right, bottom);
  draw(d, left, bottom, right, bottom);
  draw(e, left, middle, left, bottom);
  draw(f, left, top, left, middle);
  draw(g, left, middle, right, middle);
}

}  // namespace

void drawStrokeText(PictureBox& picture, std::string_view text, double x, double y,
                    const StrokeFont& font, Rgb color) {
  for (char character : text) {
    drawCharacter(picture, character, x, y, font, color);
    x += character == '.' ? 0.5 * font.width : font.width;
  }
}

double strokeTextWidth(std::string_view text, const StrokeFont& font) {
  double width = 0.0;
  for (char character : text) width += character == '.' ? 0.5 * font.width : font.width;
  return width;
}

}  // namespace vantrel
