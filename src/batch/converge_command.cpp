#include "batch/converge_command.h"

#include "batch/batch_tool.h"
#include "batch/output_files.h"
#include "batch/plot_export.h"
#include "lessons/convergence_table.h"

#ifdef VANTREL_HAVE_RENDER
#include <QString>

#include "render/picture_painter.h"
#include "render/text_rendering.h"
#endif

namespace vantrel::batch {
namespace {

constexpr const char* kPrefix = "qeb-vantrel-batch: converge: ";
constexpr PixelSize kPlotSize{900, 600};

std::optional<std::string> writePlot(const PictureBox& plot, const std::filesystem::path& folder) {
  if (auto failure = makeFolder(folder)) return failure;
  const std::filesystem::path stem = folder / "convergence";
  if (auto failure = writeTextFile(stem.string() + ".json", displayListJson(plot))) return failure;
#ifdef VANTREL_HAVE_RENDER
  const TextRendering textRendering;
  const QString base = QString::fromStdString(stem.string());
  // At the window's proportions, one and a half times its plot, with the values and the legend.
  const PictureLayers layers{ConvergenceAxesStyle(), 1.5, 1.5};
  QString error = savePicturePng(plot, base + ".png", kPlotSize.width, kPlotSize.height, layers);
  if (error.isEmpty())
    error = savePictureSvg(plot, base + ".svg", kPlotSize.width, kPlotSize.height, layers);
  if (!error.isEmpty()) return error.toStdString();
#endif
  return std::nullopt;
}

}  // namespace

int runConverge(const ConvergeCommand& command, std::ostream& out, std::ostream& err) {
  const ConvergenceSettings settings{command.source, command.alfa, command.from, command.to,
                                     std::nullopt};
  auto result = runConvergenceStudy(settings);
  if (const auto* refusal = std::get_if<StudyRefusal>(&result)) {
    err << kPrefix << refusal->message << "\n";
    return kExitFailed;
  }
  const auto& study = std::get<ConvergenceStudy>(result);
  out << ConvergenceCsv(study);
  out.flush();
  if (command.plotsDir) {
    if (auto failure = writePlot(ConvergencePlot(study), *command.plotsDir)) {
      err << kPrefix << "--plots: " << *failure << "\n";
      return kExitFailed;
    }
  }
  return out ? kExitOk : kExitFailed;
}

}  // namespace vantrel::batch
