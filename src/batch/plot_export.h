#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "panel/panel_lesson.h"
#include "state/headless_controls.h"
#include "surface/picture_box.h"

namespace vantrel::batch {

// The display list since the last Cls as a JSON array of {"op": "scale" | "line" | "circle"}.
// When the list was cleared under an earlier Scale, it starts with that scale, so a reader can
// map what follows. Line and circle values read back as the single-precision values drawn.
std::string displayListJson(const PictureBox& picture);

// Pixel size of a picture area as saved: the window's size at 15 twips a pixel, doubled.
struct PixelSize {
  int width;
  int height;
};
PixelSize savedPictureSize(Picture picture);
// The saved pictures are this many times their size in the window as designed.
inline constexpr double kSavedPictureScale = 2.0;

// What is drawn over a picture area of the saved size: the operating point's edge marker, and
// the axes and values, as JSON {"width", "height", "lines": [...], "texts": [...]} in pixels.
std::string overlayJson(const PictureBox& picture, Picture area, PixelSize size);

// Writes DIR/<name>.json for the five picture areas, and DIR/<name>.png and DIR/<name>.svg when
// the tool is built with the renderer. With `axes`, the pictures carry axes and values and
// DIR/<name>.axes.json says what was laid over each. Returns why it could not, nothing on success.
std::optional<std::string> writePlots(const HeadlessControls& controls,
                                      const std::filesystem::path& folder, bool axes = false);

// The panel method's pressure picture as DIR/Picture_Pressure.json (.png, .svg, and with `axes`
// .axes.json), at the size of the load picture.
std::optional<std::string> writePressurePlot(const PanelLesson& panel,
                                             const std::filesystem::path& folder, bool axes);

}  // namespace vantrel::batch
