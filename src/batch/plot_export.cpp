#include "batch/plot_export.h"

#include <variant>

#include "batch/json_text.h"
#include "batch/output_files.h"
#include "plot/axes_layer.h"
#include "plot/edge_marker.h"

#ifdef VANTREL_HAVE_RENDER
#include "render/picture_painter.h"
#include "render/text_rendering.h"
#include "surface/picture_box.h"
#endif

namespace vantrel::batch {
namespace {

FloatJson jsonColor(Rgb color) {
  return FloatJson::array({color.r, color.g, color.b});
}

std::string jsonOperation(const ScaleOp& scale) {
  return jsonText(Json{
      {"op", "scale"}, {"x1", scale.x1}, {"y1", scale.y1}, {"x2", scale.x2}, {"y2", scale.y2}});
}

std::string jsonOperation(const LineOp& line) {
  return jsonText(FloatJson{{"op", "line"},
                            {"x1", line.x1},
                            {"y1", line.y1},
                            {"x2", line.x2},
                            {"y2", line.y2},
                            {"color", line.color ? jsonColor(*line.color) : FloatJson()}});
}

std::string jsonOperation(const CircleOp& circle) {
  return jsonText(FloatJson{{"op", "circle"},
                            {"x", circle.x},
                            {"y", circle.y},
                            {"r", circle.r},
                            {"color", jsonColor(circle.color)}});
}

Json jsonColorOf(Rgb color) {
  return Json::array({color.r, color.g, color.b});
}

Json jsonOverlayItem(const OverlayLine& line) {
  return Json{{"x1", line.x1},
              {"y1", line.y1},
              {"x2", line.x2},
              {"y2", line.y2},
              {"color", jsonColorOf(line.color)},
              {"width", line.width}};
}

Json jsonOverlayItem(const OverlayText& text) {
  return Json{{"left", text.left},
              {"top", text.top},
              {"width", text.width},
              {"height", text.height},
              {"font", text.fontPixels},
              {"text", text.text},
              {"color", jsonColorOf(text.color)}};
}

template <typename Item>
Json jsonOverlayItems(const std::vector<Item>& items) {
  Json array = Json::array();
  for (const Item& item : items) array.push_back(jsonOverlayItem(item));
  return array;
}

#ifdef VANTREL_HAVE_RENDER
std::optional<std::string> writePictures(const PictureBox& picture, PixelSize size,
                                         const std::filesystem::path& stem,
                                         const PictureLayers& layers) {
  const QByteArray png = picturePngBytes(picture, size.width, size.height, layers);
  if (auto failure = writeTextFile(stem.string() + ".png", png.toStdString())) return failure;
  const QByteArray svg = pictureSvgBytes(picture, size.width, size.height, layers);
  return writeTextFile(stem.string() + ".svg", svg.toStdString());
}
#endif

}  // namespace

std::string displayListJson(const PictureBox& picture) {
  const auto& operations = picture.operations();
  std::string out = "[";
  const bool startsWithScale =
      !operations.empty() && std::holds_alternative<ScaleOp>(operations.front());
  if (picture.scaleAtCls() && !startsWithScale) out += jsonOperation(*picture.scaleAtCls());
  for (const PlotOp& operation : operations) {
    if (out.size() > 1) out += ",\n ";
    out += std::visit([](const auto& op) { return jsonOperation(op); }, operation);
  }
  return out + "]\n";
}

PixelSize savedPictureSize(Picture picture) {
  switch (picture) {
    case Picture::Picture_Airfoil:
      return {800, 200};
    case Picture::Picture_Camber:
      return {806, 338};
    case Picture::Picture_Load:
      return {802, 338};
    case Picture::Picture_Cmx:
      return {418, 322};
    case Picture::Picture_CL:
      return {418, 306};
  }
  return {400, 200};
}

std::string overlayJson(const PictureBox& picture, Picture area, PixelSize size) {
  Overlay overlay = operatingPointMarker(picture, size.width, size.height, kSavedPictureScale);
  const Overlay axes = axesAndValues(picture, axesStyleOf(area), size.width, size.height,
                                     axesFontPixels(kSavedPictureScale));
  overlay.lines.insert(overlay.lines.end(), axes.lines.begin(), axes.lines.end());
  overlay.texts.insert(overlay.texts.end(), axes.texts.begin(), axes.texts.end());
  return jsonText(Json{{"width", size.width},
                       {"height", size.height},
                       {"lines", jsonOverlayItems(overlay.lines)},
                       {"texts", jsonOverlayItems(overlay.texts)}}) +
         "\n";
}

std::optional<std::string> writePlots(const HeadlessControls& controls,
                                      const std::filesystem::path& folder, bool axes) {
  if (auto failure = makeFolder(folder)) return failure;
#ifdef VANTREL_HAVE_RENDER
  std::optional<TextRendering> textRendering;
  if (axes) textRendering.emplace();
#endif
  for (Picture area : kAllPictures) {
    const std::filesystem::path stem = folder / nameOf(area);
    const PictureBox& picture = controls.picture(area);
    if (auto failure = writeTextFile(stem.string() + ".json", displayListJson(picture))) {
      return failure;
    }
    if (axes) {
      const std::string overlay = overlayJson(picture, area, savedPictureSize(area));
      if (auto failure = writeTextFile(stem.string() + ".axes.json", overlay)) return failure;
    }
#ifdef VANTREL_HAVE_RENDER
    PictureLayers layers;
    if (axes) {
      // Pictures for a report: lines as thick, for their size, as in the window.
      layers = {axesStyleOf(area), kSavedPictureScale, kSavedPictureScale};
    }
    if (auto failure = writePictures(picture, savedPictureSize(area), stem, layers)) {
      return failure;
    }
#endif
  }
  return std::nullopt;
}

std::optional<std::string> writePressurePlot(const PanelLesson& panel,
                                             const std::filesystem::path& folder, bool axes) {
  if (auto failure = makeFolder(folder)) return failure;
#ifdef VANTREL_HAVE_RENDER
  std::optional<TextRendering> textRendering;
  if (axes) textRendering.emplace();
#endif
  const PictureBox picture = pressurePicture(panel);
  const std::filesystem::path stem = folder / "Picture_Pressure";
  const PixelSize size = savedPictureSize(Picture::Picture_Load);
  if (auto failure = writeTextFile(stem.string() + ".json", displayListJson(picture))) {
    return failure;
  }
  const AxesStyle style = pressureAxesStyle();
  if (axes) {
    const Overlay overlay = axesAndValues(picture, style, size.width, size.height,
                                          axesFontPixels(kSavedPictureScale));
    const std::string text = jsonText(Json{{"width", size.width},
                                           {"height", size.height},
                                           {"lines", jsonOverlayItems(overlay.lines)},
                                           {"texts", jsonOverlayItems(overlay.texts)}}) +
                             "\n";
    if (auto failure = writeTextFile(stem.string() + ".axes.json", text)) return failure;
  }
#ifdef VANTREL_HAVE_RENDER
  PictureLayers layers;
  if (axes) layers = {style, kSavedPictureScale, kSavedPictureScale};
  return writePictures(picture, size, stem, layers);
#else
  return std::nullopt;
#endif
}

}  // namespace vantrel::batch
