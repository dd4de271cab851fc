#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "app/headless_controls.h"
#include "plot/picture_box.h"

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

// Writes DIR/<name>.json for the five picture areas, and DIR/<name>.png and DIR/<name>.svg when
// the tool is built with the renderer. Returns why it could not, nothing on success.
std::optional<std::string> writePlots(const HeadlessControls& controls,
                                      const std::filesystem::path& folder);

}  // namespace vantrel::batch
