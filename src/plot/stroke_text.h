#pragma once

#include <string_view>

#include "surface/picture_box.h"

namespace vantrel {

// Values and short titles drawn with line strokes, seven-segment style, so that a plot's labels
// are part of its display list and every painter (window, PNG, SVG) shows them. Knows the digits,
// "-", ".", "e", "N" and "|"; other characters leave a space.
struct StrokeFont {
  double width;   // of one character cell, in x units of the picture's scale
  double height;  // in y units; positive upward
};

// Draws `text` with its lower-left corner at (x, y).
void drawStrokeText(PictureBox& picture, std::string_view text, double x, double y,
                    const StrokeFont& font, Rgb color);

// The width the text takes.
double strokeTextWidth(std::string_view text, const StrokeFont& font);

}  // namespace vantrel
