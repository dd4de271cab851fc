#include "batch/plot_export.h"

#include <variant>

#include "batch/json_text.h"
#include "batch/output_files.h"

#ifdef VANTREL_HAVE_RENDER
#include "plot/picture_box.h"
#include "render/picture_painter.h"
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

#ifdef VANTREL_HAVE_RENDER
std::optional<std::string> writePictures(const PictureBox& picture, PixelSize size,
                                         const std::filesystem::path& stem) {
  const QString base = QString::fromStdString(stem.string());
  QString error = savePicturePng(picture, base + ".png", size.width, size.height);
  if (error.isEmpty()) error = savePictureSvg(picture, base + ".svg", size.width, size.height);
  if (!error.isEmpty()) return error.toStdString();
  return std::nullopt;
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

std::optional<std::string> writePlots(const HeadlessControls& controls,
                                      const std::filesystem::path& folder) {
  if (auto failure = makeFolder(folder)) return failure;
  for (Picture area : kAllPictures) {
    const std::filesystem::path stem = folder / nameOf(area);
    const PictureBox& picture = controls.picture(area);
    if (auto failure = writeTextFile(stem.string() + ".json", displayListJson(picture))) {
      return failure;
    }
#ifdef VANTREL_HAVE_RENDER
    if (auto failure = writePictures(picture, savedPictureSize(area), stem)) return failure;
#endif
  }
  return std::nullopt;
}

}  // namespace vantrel::batch
